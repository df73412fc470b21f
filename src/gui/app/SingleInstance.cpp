#include "gui/app/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace tq::gui {

SingleInstance::SingleInstance(QString lockPath) : lock_(std::make_unique<QLockFile>(lockPath)) {
    lock_->setStaleLockTime(0); // a lock is stale only when its process is gone
}

QString SingleInstance::DefaultLockPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    QDir().mkpath(dir);
    return dir + QStringLiteral("/tarvelstrand.lock");
}

bool SingleInstance::Acquire() { return lock_->tryLock(0); }

} // namespace tq::gui

#pragma once
#include <QLockFile>
#include <QString>

#include <memory>

namespace tq::gui {

// One running desktop program per user: a lock file in the user's runtime folder, held for the
// whole run. A stale lock (its program gone) is taken over.
class SingleInstance {
public:
    explicit SingleInstance(QString lockPath = DefaultLockPath());
    // False when another instance holds the lock.
    bool Acquire();
    static QString DefaultLockPath();

private:
    std::unique_ptr<QLockFile> lock_;
};

} // namespace tq::gui

#include "gui/platform/QtPlatform.h"

#include "gui/draw/QtCanvas.h"
#include "platform/Cp1252.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace tq::gui {

namespace {
QString Q(std::string_view s) { return FromCp1252(s); }
std::string ToCp1252(const QString& s) { return Utf8ToCp1252(s.toUtf8().toStdString()); }
std::string LocalPath(const QString& s) { return s.toLocal8Bit().toStdString(); }

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Stop: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString BothCases(const QString& pattern) {
    const QString lower = pattern.toLower(), upper = pattern.toUpper();
    if (lower == upper) return pattern;
    QStringList out{lower, upper};
    if (pattern != lower && pattern != upper) out << pattern;
    return out.join(QLatin1Char(' '));
}

class QtProgress : public ProgressView {
public:
    QtProgress(QWidget* parent, const QString& caption, bool withCancel) : dialog_(parent) {
        dialog_.setWindowTitle(caption);
        dialog_.setRange(0, 100);
        dialog_.setMinimumDuration(0);
        dialog_.setAutoClose(false);
        dialog_.setAutoReset(false);
        if (!withCancel) dialog_.setCancelButton(nullptr);
        dialog_.setWindowModality(Qt::NonModal);
        dialog_.show();
    }
    void SetText(std::string_view text) override { dialog_.setLabelText(Q(text)); }
    void SetGauge(int percent, std::string_view) override {
        dialog_.setValue(percent);
        QCoreApplication::processEvents();
    }
    bool CancelRequested() override { return dialog_.wasCanceled(); }

private:
    QProgressDialog dialog_;
};
} // namespace

QString QtFilterOf(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        if (const auto open = name.lastIndexOf(QLatin1Char('(')); open > 0) name = name.left(open).trimmed();
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts))
            patterns << (p == QLatin1String("*.*") ? QStringLiteral("*") : BothCases(p.trimmed()));
        out << name + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

void QtUserInterface::ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
    QMessageBox box(IconOf(icon), Q(caption), Q(text), QMessageBox::Ok, parent_);
    box.exec();
}

Answer QtUserInterface::Ask(std::string_view text, std::string_view caption, Buttons buttons, MessageIcon icon) {
    QMessageBox::StandardButtons b = QMessageBox::Ok;
    switch (buttons) {
    case Buttons::Ok: b = QMessageBox::Ok; break;
    case Buttons::OkCancel: b = QMessageBox::Ok | QMessageBox::Cancel; break;
    case Buttons::YesNo: b = QMessageBox::Yes | QMessageBox::No; break;
    case Buttons::YesNoCancel: b = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    }
    QMessageBox box(IconOf(icon), Q(caption), Q(text), b, parent_);
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

std::optional<std::string> QtUserInterface::ChooseOpenFile(const FileRequest& request) {
    const QString dir = QString::fromLocal8Bit(request.initialFolder.c_str());
    const QString name = QFileDialog::getOpenFileName(parent_, Q(request.title), dir,
                                                      request.type ? QtFilterOf(request.type->filter) : QString());
    if (name.isEmpty()) return std::nullopt;
    return LocalPath(name);
}

std::vector<std::string> QtUserInterface::ChooseOpenFiles(const FileRequest& request) {
    const QString dir = QString::fromLocal8Bit(request.initialFolder.c_str());
    const QStringList names = QFileDialog::getOpenFileNames(parent_, Q(request.title), dir,
                                                            request.type ? QtFilterOf(request.type->filter) : QString());
    std::vector<std::string> out;
    for (const QString& n : names) out.push_back(LocalPath(n));
    return out;
}

std::optional<std::string> QtUserInterface::ChooseSaveFile(const FileRequest& request) {
    QFileDialog dialog(parent_, Q(request.title), QString::fromLocal8Bit(request.initialFolder.c_str()));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (request.type) {
        dialog.setNameFilter(QtFilterOf(request.type->filter));
        dialog.setDefaultSuffix(QString::fromStdString(request.type->defaultExtension).toLower());
        if (!request.type->confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    if (!request.initialName.empty()) dialog.selectFile(QString::fromLocal8Bit(request.initialName.c_str()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return LocalPath(dialog.selectedFiles().front());
}

void QtUserInterface::ShowList(std::string_view title, const std::vector<std::string>& lines) {
    QDialog dialog(parent_);
    dialog.setWindowTitle(Q(title));
    auto* layout = new QVBoxLayout(&dialog);
    auto* list = new QListWidget(&dialog);
    for (const auto& l : lines) list->addItem(Q(l));
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    dialog.resize(560, 380);
    dialog.exec();
}

std::unique_ptr<ProgressView> QtUserInterface::OpenProgress(std::string_view caption, bool withCancel) {
    return std::make_unique<QtProgress>(parent_, Q(caption), withCancel);
}

void QtUserInterface::Beep() { QApplication::beep(); }

void QtUserInterface::SetWaitCursor(bool on) {
    if (on) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (QGuiApplication::overrideCursor()) {
        QGuiApplication::restoreOverrideCursor();
    }
}

bool QtClipboard::SetText(std::string_view plain) {
    QClipboard* c = QGuiApplication::clipboard();
    if (!c) return false;
    c->setText(Q(plain));
    return true;
}

bool QtClipboard::SetRichText(std::string_view rtf, std::string_view plain) {
    QClipboard* c = QGuiApplication::clipboard();
    if (!c) return false;
    auto* data = new QMimeData;
    const QByteArray rich(rtf.data(), static_cast<qsizetype>(rtf.size()));
    data->setData(QStringLiteral("text/rtf"), rich);
    data->setData(QStringLiteral("application/rtf"), rich);
    data->setText(Q(plain));
    c->setMimeData(data);
    return true;
}

std::string QtClipboard::Text() {
    QClipboard* c = QGuiApplication::clipboard();
    return c ? ToCp1252(c->text()) : std::string();
}

bool XdgMailer::Available() { return !QStandardPaths::findExecutable(QStringLiteral("xdg-email")).isEmpty(); }

void XdgMailer::SendDocument(std::string_view path) {
    QProcess::startDetached(QStringLiteral("xdg-email"),
                            {QStringLiteral("--attach"), QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()))});
}

} // namespace tq::gui

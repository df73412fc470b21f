#pragma once
#include "platform/Platform.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace tq::gui {

// The file dialog filter of a descriptor ("Desc(*.a)|*.a;*.b|All Files (*.*)|*.*") in Qt's form;
// patterns are offered in both cases, as the files come from a case-blind file system.
QString QtFilterOf(const std::string& filter);

class QtUserInterface : public UserInterface {
public:
    explicit QtUserInterface(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
    Answer Ask(std::string_view text, std::string_view caption, Buttons buttons, MessageIcon icon) override;
    std::optional<std::string> ChooseOpenFile(const FileRequest& request) override;
    std::vector<std::string> ChooseOpenFiles(const FileRequest& request) override;
    std::optional<std::string> ChooseSaveFile(const FileRequest& request) override;
    void ShowList(std::string_view title, const std::vector<std::string>& lines) override;
    std::unique_ptr<ProgressView> OpenProgress(std::string_view caption, bool withCancel) override;
    void Beep() override;
    void SetWaitCursor(bool on) override;

private:
    QWidget* parent_;
};

class QtClipboard : public Clipboard {
public:
    bool SetText(std::string_view plain) override;
    bool SetRichText(std::string_view rtf, std::string_view plain) override;
    std::string Text() override;
};

// Hands a file to the desktop's mail client with xdg-email, when it is installed.
class XdgMailer : public Mailer {
public:
    bool Available() override;
    void SendDocument(std::string_view path) override;
};

} // namespace tq::gui

#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tq {

enum class MessageIcon { None, Information, Warning, Stop, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

// One kind of file the program opens or saves: the filter text of its dialogs
// ("Name(*.ext)|*.ext|All Files (*.*)|*.*"), default extension and dialog options.
// Each descriptor keeps the last file name chosen with it.
struct FileType {
    std::string filter;
    std::string defaultExtension;
    bool mustExist = false;
    bool hideReadOnly = false;
    bool confirmOverwrite = false;
    bool multiSelect = false;
    std::string lastFileName;
};

struct FileRequest {
    const FileType* type = nullptr;
    std::string title;
    std::string initialFolder; // empty: the platform's choice
    std::string initialName;
};

// The window of a running progress dialog; closing it is destroying it.
class ProgressView {
public:
    virtual ~ProgressView() = default;
    virtual void SetText(std::string_view text) = 0;
    // Percent 0..100 and the gauge's label; the front end lets waiting user input be processed here.
    virtual void SetGauge(int percent, std::string_view label) = 0;
    virtual bool CancelRequested() = 0;
};

// Everything the core asks of a person: messages, questions, file choices, list dialogs,
// progress, the beep and the wait cursor.
class UserInterface {
public:
    virtual ~UserInterface() = default;

    virtual void ShowMessage(std::string_view text, std::string_view caption,
                             MessageIcon icon = MessageIcon::None) = 0;
    virtual Answer Ask(std::string_view text, std::string_view caption, Buttons buttons,
                       MessageIcon icon = MessageIcon::Question) = 0;

    virtual std::optional<std::string> ChooseOpenFile(const FileRequest& request) = 0;
    virtual std::vector<std::string> ChooseOpenFiles(const FileRequest& request) = 0;
    virtual std::optional<std::string> ChooseSaveFile(const FileRequest& request) = 0;

    // A modal list of lines under a title (summary lists and report dialogs).
    virtual void ShowList(std::string_view title, const std::vector<std::string>& lines) = 0;

    virtual std::unique_ptr<ProgressView> OpenProgress(std::string_view caption, bool withCancel) = 0;

    virtual void Beep() = 0;
    virtual void SetWaitCursor(bool on) = 0;
};

// Shows the wait cursor for as long as it lives.
class WaitCursor {
public:
    explicit WaitCursor(UserInterface& ui) : ui_(ui) { ui_.SetWaitCursor(true); }
    ~WaitCursor() { ui_.SetWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    UserInterface& ui_;
};

} // namespace tq

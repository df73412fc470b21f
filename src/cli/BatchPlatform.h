#pragma once
#include "platform/Platform.h"
#include "platform/SystemClock.h"

#include <deque>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace tq::cli {

// Questions answered from --answers, every message, question and list written to the transcript
// (standard error), file choices taken from the command's arguments.
class BatchUi : public UserInterface {
public:
    explicit BatchUi(std::ostream& transcript) : out_(transcript) {}

    // "y,n,c,..." one per question in the order asked; an empty queue answers y.
    // False when the list holds something other than y, n and c.
    bool SetAnswers(std::string_view list);
    // The paths the next file dialogs return, in order; when none is left a dialog counts as Cancel.
    void QueueFile(std::string path) { files_.push_back({std::move(path)}); }
    void QueueFiles(std::vector<std::string> paths) { files_.push_back(std::move(paths)); }
    void QueueCancel() { files_.push_back({}); }

    void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
    Answer Ask(std::string_view text, std::string_view caption, Buttons buttons, MessageIcon icon) override;
    std::optional<std::string> ChooseOpenFile(const FileRequest& request) override;
    std::vector<std::string> ChooseOpenFiles(const FileRequest& request) override;
    std::optional<std::string> ChooseSaveFile(const FileRequest& request) override;
    void ShowList(std::string_view title, const std::vector<std::string>& lines) override;
    std::unique_ptr<ProgressView> OpenProgress(std::string_view caption, bool withCancel) override;
    void Beep() override {}
    void SetWaitCursor(bool) override {}

    // Line feeds inside a transcript text are written as \n.
    static std::string Escape(std::string_view text);

private:
    std::optional<std::string> NextFile();

    std::ostream& out_;
    std::deque<char> answers_;
    std::deque<std::vector<std::string>> files_;
};

// The clipboard of a batch run: kept in memory; the clip commands print it on standard output.
class BatchClipboard : public Clipboard {
public:
    std::ostream* echo = nullptr; // set by the clip commands
    bool SetText(std::string_view plain) override;
    bool SetRichText(std::string_view rtf, std::string_view plain) override;
    std::string Text() override { return text_; }

private:
    std::string text_;
};

// The batch program starts no mail client; it names the file it would hand over on the transcript.
class BatchMailer : public Mailer {
public:
    explicit BatchMailer(std::ostream& transcript) : out_(transcript) {}
    bool Available() override { return true; }
    void SendDocument(std::string_view path) override;

private:
    std::ostream& out_;
};

} // namespace tq::cli

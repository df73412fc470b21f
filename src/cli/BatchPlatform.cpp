#include "cli/BatchPlatform.h"

namespace tq::cli {

std::string BatchUi::Escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\n') {
            out += "\\n";
        } else if (c != '\r') {
            out.push_back(c);
        }
    }
    return out;
}

bool BatchUi::SetAnswers(std::string_view list) {
    answers_.clear();
    std::size_t i = 0;
    while (i <= list.size()) {
        std::size_t comma = list.find(',', i);
        if (comma == std::string_view::npos) comma = list.size();
        std::string_view item = list.substr(i, comma - i);
        while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
        while (!item.empty() && item.back() == ' ') item.remove_suffix(1);
        if (item.size() == 1 && (item[0] == 'y' || item[0] == 'n' || item[0] == 'c' || item[0] == 'Y' ||
                                 item[0] == 'N' || item[0] == 'C')) {
            answers_.push_back(static_cast<char>(item[0] | 0x20));
        } else if (!item.empty() || comma < list.size()) {
            return false;
        }
        i = comma + 1;
    }
    return true;
}

void BatchUi::ShowMessage(std::string_view text, std::string_view caption, MessageIcon) {
    out_ << "! [" << Escape(caption) << "] " << Escape(text) << '\n';
    out_.flush();
}

Answer BatchUi::Ask(std::string_view text, std::string_view caption, Buttons buttons, MessageIcon) {
    char given = 'y';
    if (!answers_.empty()) {
        given = answers_.front();
        answers_.pop_front();
    }
    Answer a = Answer::Yes;
    char shown = given;
    switch (buttons) {
    case Buttons::Ok: a = Answer::Ok; shown = 'y'; break;
    case Buttons::OkCancel:
        a = given == 'y' ? Answer::Ok : Answer::Cancel;
        shown = given == 'y' ? 'y' : 'c';
        break;
    case Buttons::YesNo:
        a = given == 'y' ? Answer::Yes : Answer::No; // a Yes/No question takes n for c
        shown = given == 'y' ? 'y' : 'n';
        break;
    case Buttons::YesNoCancel:
        a = given == 'y' ? Answer::Yes : given == 'n' ? Answer::No : Answer::Cancel;
        break;
    }
    out_ << "? [" << Escape(caption) << "] " << Escape(text) << " -> " << shown << '\n';
    out_.flush();
    return a;
}

std::optional<std::string> BatchUi::NextFile() {
    if (files_.empty()) return std::nullopt;
    auto f = std::move(files_.front());
    files_.pop_front();
    if (f.empty()) return std::nullopt;
    return f.front();
}

std::optional<std::string> BatchUi::ChooseOpenFile(const FileRequest&) { return NextFile(); }
std::optional<std::string> BatchUi::ChooseSaveFile(const FileRequest&) { return NextFile(); }
std::vector<std::string> BatchUi::ChooseOpenFiles(const FileRequest&) {
    if (files_.empty()) return {};
    auto f = std::move(files_.front());
    files_.pop_front();
    return f;
}

void BatchUi::ShowList(std::string_view title, const std::vector<std::string>& lines) {
    for (const auto& l : lines) out_ << "= [" << Escape(title) << "] " << Escape(l) << '\n';
    out_.flush();
}

namespace {
class SilentProgress : public ProgressView {
public:
    void SetText(std::string_view) override {}
    void SetGauge(int, std::string_view) override {}
    bool CancelRequested() override { return false; }
};
} // namespace

std::unique_ptr<ProgressView> BatchUi::OpenProgress(std::string_view, bool) { return std::make_unique<SilentProgress>(); }

bool BatchClipboard::SetText(std::string_view plain) {
    text_ = std::string(plain);
    if (echo) {
        echo->write(text_.data(), static_cast<std::streamsize>(text_.size()));
        echo->flush();
    }
    return true;
}

bool BatchClipboard::SetRichText(std::string_view, std::string_view plain) { return SetText(plain); }

void BatchMailer::SendDocument(std::string_view path) {
    out_ << "> mail " << path << '\n';
    out_.flush();
}

} // namespace tq::cli

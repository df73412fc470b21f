#include "support/RecordingPlatform.h"

#include "platform/Format.h"

#include <algorithm>
#include <cctype>

namespace tq::test {

namespace {
std::string Bracketed(const UiEvent& e) { return "[" + e.caption + "] " + e.text; }

} // namespace

void RecordingUi::ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
    UiEvent e{.kind = UiEvent::Kind::Message, .text = std::string(text), .caption = std::string(caption)};
    e.icon = icon;
    events.push_back(std::move(e));
}

Answer RecordingUi::Ask(std::string_view text, std::string_view caption, Buttons buttons, MessageIcon icon) {
    Answer a = buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
    if (!answers.empty()) {
        a = answers.front();
        answers.pop_front();
    }
    UiEvent e{.kind = UiEvent::Kind::Question, .text = std::string(text), .caption = std::string(caption)};
    e.buttons = buttons;
    e.icon = icon;
    e.answer = a;
    events.push_back(std::move(e));
    return a;
}

std::optional<std::string> RecordingUi::ChooseOpenFile(const FileRequest& request) {
    events.push_back({.kind = UiEvent::Kind::OpenFile, .caption = request.title, .folder = request.initialFolder,
                      .filter = request.type ? request.type->filter : std::string()});
    if (files.empty() || files.front().empty()) {
        if (!files.empty()) files.pop_front();
        return std::nullopt;
    }
    std::string f = files.front().front();
    files.pop_front();
    return f;
}

std::vector<std::string> RecordingUi::ChooseOpenFiles(const FileRequest& request) {
    events.push_back({.kind = UiEvent::Kind::OpenFiles, .caption = request.title, .folder = request.initialFolder,
                      .filter = request.type ? request.type->filter : std::string()});
    if (files.empty()) return {};
    auto f = files.front();
    files.pop_front();
    return f;
}

std::optional<std::string> RecordingUi::ChooseSaveFile(const FileRequest& request) {
    events.push_back({.kind = UiEvent::Kind::SaveFile, .caption = request.title, .folder = request.initialFolder,
                      .filter = request.type ? request.type->filter : std::string()});
    if (files.empty() || files.front().empty()) {
        if (!files.empty()) files.pop_front();
        return std::nullopt;
    }
    std::string f = files.front().front();
    files.pop_front();
    return f;
}

void RecordingUi::ShowList(std::string_view title, const std::vector<std::string>& lines) {
    events.push_back({.kind = UiEvent::Kind::List, .text = std::string(title), .lines = lines});
    if (onList) onList(title);
}

std::unique_ptr<ProgressView> RecordingUi::OpenProgress(std::string_view caption, bool) {
    events.push_back({.kind = UiEvent::Kind::Progress, .text = std::string(caption)});
    // Events may grow while the dialog is open; keep the progress record apart and copy on close.
    struct Holder : ProgressView {
        RecordingUi& ui;
        std::size_t index;
        Holder(RecordingUi& u, std::size_t i) : ui(u), index(i) {}
        void SetText(std::string_view text) override { ui.events[index].lines.emplace_back(text); }
        void SetGauge(int percent, std::string_view label) override {
            ui.events[index].lines.push_back("gauge " + std::to_string(percent) + " " + std::string(label));
        }
        bool CancelRequested() override { return false; }
    };
    return std::make_unique<Holder>(*this, events.size() - 1);
}

void RecordingUi::Beep() { events.push_back({.kind = UiEvent::Kind::Beep}); }

void RecordingUi::SetWaitCursor(bool on) {
    waitCursorDepth += on ? 1 : -1;
    events.push_back({.kind = UiEvent::Kind::WaitCursor, .on = on});
}

std::vector<std::string> RecordingUi::Messages() const {
    std::vector<std::string> out;
    for (const auto& e : events)
        if (e.kind == UiEvent::Kind::Message) out.push_back(Bracketed(e));
    return out;
}

std::vector<std::string> RecordingUi::Questions() const {
    std::vector<std::string> out;
    for (const auto& e : events)
        if (e.kind == UiEvent::Kind::Question) out.push_back(Bracketed(e));
    return out;
}

const UiEvent* RecordingUi::LastOf(UiEvent::Kind kind) const {
    for (auto it = events.rbegin(); it != events.rend(); ++it)
        if (it->kind == kind) return &*it;
    return nullptr;
}

int RecordingUi::Count(UiEvent::Kind kind) const {
    return static_cast<int>(std::count_if(events.begin(), events.end(), [&](const UiEvent& e) { return e.kind == kind; }));
}

std::string MemorySettings::KeyOf(std::string_view section, std::string_view key) {
    std::string k = std::string(section) + "/" + std::string(key);
    for (auto& c : k) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return k;
}

std::optional<std::string> MemorySettings::Read(std::string_view section, std::string_view key) {
    auto it = values.find(KeyOf(section, key));
    if (it == values.end()) return std::nullopt;
    return it->second;
}

bool MemorySettings::Write(std::string_view section, std::string_view key, std::string_view value) {
    values[KeyOf(section, key)] = std::string(value);
    return true;
}

bool RecordingClipboard::SetText(std::string_view text) {
    if (refuse) return false;
    ++writes;
    plain = std::string(text);
    rtf.clear();
    return true;
}

bool RecordingClipboard::SetRichText(std::string_view rich, std::string_view text) {
    if (refuse) return false;
    ++writes;
    rtf = std::string(rich);
    plain = std::string(text);
    return true;
}

std::string Describe(Color c) { return Format("rgb(%d,%d,%d)", int(c.r), int(c.g), int(c.b)); }

std::string DrawCommand::ToString() const {
    using O = Op;
    switch (op) {
    case O::Fill: return Format("fill %d,%d,%d,%d ", rect.left, rect.top, rect.right, rect.bottom) + Describe(color);
    case O::Frame:
        return Format("frame %d,%d,%d,%d w%d ", rect.left, rect.top, rect.right, rect.bottom, width) + Describe(color);
    case O::Line:
        return Format("line %d,%d-%d,%d w%d ", rect.left, rect.top, rect.right, rect.bottom, width) +
               (flag ? "dotted " : "") + Describe(color);
    case O::Font: return Format("font '%s' %d", text, width);
    case O::TextColor: return "textcolor " + Describe(color);
    case O::TextBackground: return std::string("textbackground ") + (flag ? "opaque " : "transparent ") + Describe(color);
    case O::Text: return Format("text %d,%d '%s' ", at.x, at.y, text) + Describe(textColor);
    case O::TextInRect: {
        const char* a = align == TextAlign::Left ? "left" : align == TextAlign::Centre ? "centre" : "right";
        return Format("text %d,%d,%d,%d %s%s '%s' ", rect.left, rect.top, rect.right, rect.bottom, a,
                      flag ? " clip" : "", text) +
               Describe(textColor);
    }
    case O::ExcludeClip: return Format("exclude %d,%d,%d,%d", rect.left, rect.top, rect.right, rect.bottom);
    case O::ResetClip: return "resetclip";
    case O::Icon: return Format("icon %d,%d %s", at.x, at.y, text);
    }
    return {};
}

void RecordingCanvas::FillRect(const Rect& r, Color c) {
    commands.push_back({.op = DrawCommand::Op::Fill, .rect = r, .color = c});
}
void RecordingCanvas::FrameRect(const Rect& r, Color c, int penWidth) {
    commands.push_back({.op = DrawCommand::Op::Frame, .rect = r, .color = c, .width = penWidth});
}
void RecordingCanvas::DrawLine(Point from, Point to, Color c, int penWidth, PenStyle style) {
    commands.push_back({.op = DrawCommand::Op::Line, .rect = {from.x, from.y, to.x, to.y}, .color = c,
                        .width = penWidth, .flag = style == PenStyle::Dotted});
}
void RecordingCanvas::SelectFont(const FontSpec& font) {
    commands.push_back({.op = DrawCommand::Op::Font, .width = font.height, .text = font.face});
}
FontMetrics RecordingCanvas::Metrics() {
    FontMetrics m;
    m.height = charHeight;
    m.ascent = charHeight * 3 / 4;
    m.descent = charHeight - m.ascent;
    m.averageCharWidth = charWidth;
    m.maxCharWidth = charWidth * 2;
    return m;
}
int RecordingCanvas::TextWidth(std::string_view text) { return static_cast<int>(text.size()) * charWidth; }
void RecordingCanvas::SetTextColor(Color c) {
    text_ = c;
    commands.push_back({.op = DrawCommand::Op::TextColor, .color = c});
}
void RecordingCanvas::SetTextBackground(Color c, bool opaque) {
    commands.push_back({.op = DrawCommand::Op::TextBackground, .color = c, .flag = opaque});
}
void RecordingCanvas::DrawText(Point p, std::string_view text) {
    commands.push_back({.op = DrawCommand::Op::Text, .at = p, .text = std::string(text), .textColor = text_});
}
void RecordingCanvas::DrawTextInRect(const Rect& r, std::string_view text, TextAlign align, bool clip) {
    commands.push_back({.op = DrawCommand::Op::TextInRect, .rect = r, .flag = clip, .align = align,
                        .text = std::string(text), .textColor = text_});
}
void RecordingCanvas::ExcludeClip(const Rect& r) { commands.push_back({.op = DrawCommand::Op::ExcludeClip, .rect = r}); }
void RecordingCanvas::ResetClip() { commands.push_back({.op = DrawCommand::Op::ResetClip}); }
void RecordingCanvas::DrawIcon(Point p, std::string_view name) {
    commands.push_back({.op = DrawCommand::Op::Icon, .at = p, .text = std::string(name)});
}

std::vector<std::string> RecordingCanvas::Lines() const {
    std::vector<std::string> out;
    out.reserve(commands.size());
    for (const auto& c : commands) out.push_back(c.ToString());
    return out;
}

std::vector<std::string> RecordingCanvas::With(std::string_view prefix) const {
    std::vector<std::string> out;
    for (const auto& c : commands) {
        std::string s = c.ToString();
        if (s.starts_with(prefix)) out.push_back(std::move(s));
    }
    return out;
}

std::vector<std::string> RecordingCanvas::Texts() const {
    std::vector<std::string> out;
    for (const auto& c : commands)
        if (c.op == DrawCommand::Op::Text || c.op == DrawCommand::Op::TextInRect) out.push_back(c.text);
    return out;
}

} // namespace tq::test

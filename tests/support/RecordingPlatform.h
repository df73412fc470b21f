#pragma once
#include "imports/PairingLoadDialog.h"
#include "platform/Canvas.h"
#include "platform/Platform.h"
#include "shell/Views.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tq::test {

// Every call the core makes of the user interface, in order, with its exact texts.
struct UiEvent {
    enum class Kind { Message, Question, OpenFile, OpenFiles, SaveFile, List, Progress, Beep, WaitCursor };
    Kind kind{};
    std::string text;    // message or question text; list title; progress caption
    std::string caption; // caption of a message or question; title of a file dialog
    Buttons buttons = Buttons::Ok;
    MessageIcon icon = MessageIcon::None;
    Answer answer = Answer::Ok;
    std::vector<std::string> lines; // list lines; progress texts as they were set
    bool on = false;                // wait cursor
    std::string folder;             // file dialogs: the folder they start in
    std::string filter;             // file dialogs: the filter of their file type
};

class RecordingUi : public UserInterface {
public:
    // Answers for the questions, in order; when they run out every question is answered Yes
    // (Ok for an OK/Cancel question).
    std::deque<Answer> answers;
    // Paths the file dialogs return, in order; when they run out a dialog is cancelled.
    std::deque<std::vector<std::string>> files;
    std::vector<UiEvent> events;
    int waitCursorDepth = 0;
    // Stands for what the scheduler does while a list dialog is open (by its title).
    std::function<void(std::string_view title)> onList;

    void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
    Answer Ask(std::string_view text, std::string_view caption, Buttons buttons, MessageIcon icon) override;
    std::optional<std::string> ChooseOpenFile(const FileRequest& request) override;
    std::vector<std::string> ChooseOpenFiles(const FileRequest& request) override;
    std::optional<std::string> ChooseSaveFile(const FileRequest& request) override;
    void ShowList(std::string_view title, const std::vector<std::string>& lines) override;
    std::unique_ptr<ProgressView> OpenProgress(std::string_view caption, bool withCancel) override;
    void Beep() override;
    void SetWaitCursor(bool on) override;

    // Conveniences for assertions.
    std::vector<std::string> Messages() const;  // "[caption] text" of each message
    std::vector<std::string> Questions() const; // "[caption] text" of each question
    const UiEvent* LastOf(UiEvent::Kind kind) const;
    int Count(UiEvent::Kind kind) const;
};

class FixedClock : public Clock {
public:
    LocalDateTime now{2026, 12, 11, 9, 7, 0};
    LocalDateTime Now() override { return now; }
};

class MemorySettings : public SettingsStore {
public:
    std::map<std::string, std::string> values; // "SECTION/key" in lower case
    std::optional<std::string> Read(std::string_view section, std::string_view key) override;
    bool Write(std::string_view section, std::string_view key, std::string_view value) override;
    static std::string KeyOf(std::string_view section, std::string_view key);
};

class RecordingClipboard : public Clipboard {
public:
    std::string plain, rtf;
    bool refuse = false;
    int writes = 0;
    bool SetText(std::string_view text) override;
    bool SetRichText(std::string_view rich, std::string_view text) override;
    std::string Text() override { return plain; }
};

class RecordingMailer : public Mailer {
public:
    bool available = true;
    std::vector<std::string> sent;
    bool Available() override { return available; }
    void SendDocument(std::string_view path) override { sent.emplace_back(path); }
};

class RecordingEventLog : public EventLog {
public:
    bool open = true;
    std::string text;
    bool IsOpen() const override { return open; }
    void Write(std::string_view line) override {
        if (open) text.append(line);
    }
};

// All the fakes together, handed to the core as one Platform.
struct RecordingPlatform {
    RecordingUi ui;
    FixedClock clock;
    MemorySettings settings;
    RecordingClipboard clipboard;
    RecordingMailer mailer;
    Platform platform{ui, clock, settings, clipboard, mailer};
};

// One drawing command as the painter issued it.
struct DrawCommand {
    enum class Op { Fill, Frame, Line, Font, TextColor, TextBackground, Text, TextInRect, ExcludeClip, ResetClip, Icon };
    Op op{};
    Rect rect{};      // Fill, Frame, TextInRect, ExcludeClip; Line: left,top = from, right,bottom = to
    Point at{};       // Text, Icon
    Color color{};    // Fill, Frame, Line, TextColor, TextBackground
    int width = 0;    // pen width; font height
    bool flag = false; // dotted line, opaque background, clipped text
    TextAlign align = TextAlign::Left;
    std::string text; // text, icon name, font face
    Color textColor{}; // the text colour in effect for Text and TextInRect

    // "fill 0,0,20,20 rgb(192,192,192)", "text 4,4 'SU' rgb(0,0,255)", "line 1,0-1,40 w1 dotted rgb(...)"...
    std::string ToString() const;
};

// A canvas that records every drawing command, for painter tests and benchmarks.
class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(Rect update = {0, 0, 100000, 100000}) : update_(update) {}

    std::vector<DrawCommand> commands;
    // Metrics reported for every font: a fixed cell so that painter layouts are predictable.
    int charWidth = 7;
    int charHeight = 16;

    void FillRect(const Rect& r, Color c) override;
    void FrameRect(const Rect& r, Color c, int penWidth) override;
    void DrawLine(Point from, Point to, Color c, int penWidth, PenStyle style) override;
    void SelectFont(const FontSpec& font) override;
    FontMetrics Metrics() override;
    int TextWidth(std::string_view text) override;
    void SetTextColor(Color c) override;
    void SetTextBackground(Color c, bool opaque) override;
    void DrawText(Point p, std::string_view text) override;
    void DrawTextInRect(const Rect& r, std::string_view text, TextAlign align, bool clip) override;
    void ExcludeClip(const Rect& r) override;
    void ResetClip() override;
    Rect UpdateRect() const override { return update_; }
    void DrawIcon(Point p, std::string_view name) override;

    std::vector<std::string> Lines() const;
    // The lines of the commands that start with the given prefix ("text", "fill", "line", ...).
    std::vector<std::string> With(std::string_view prefix) const;
    // The texts drawn, in order.
    std::vector<std::string> Texts() const;

private:
    Rect update_;
    Color text_{};
};

// A Views that records what the core asked of the windows.
class RecordingViews : public Views {
public:
    std::vector<std::string> calls;
    bool pairingsOpen = false, toolboxOpen = false, bidsOpen = false;
    // What the scheduler leaves in the pairing load dialog at each OK, in order; then Cancel.
    std::deque<PairingLoadDialogInput> pairingLoadInputs;
    bool EditPairingLoadSettings(PairingLoadDialogInput& input) override {
        calls.push_back("EditPairingLoadSettings");
        if (pairingLoadInputs.empty()) return false;
        input = pairingLoadInputs.front();
        pairingLoadInputs.pop_front();
        return true;
    }
    void RepaintGrid() override { calls.push_back("RepaintGrid"); }
    void RepaintLine(int e, int d, int n) override {
        calls.push_back("RepaintLine " + std::to_string(e) + " " + std::to_string(d) + " " + std::to_string(n));
    }
    void GridMetricsChanged() override { calls.push_back("GridMetricsChanged"); }
    void OpenTimeChanged(int total, int open) override {
        calls.push_back("OpenTime " + std::to_string(total) + " " + std::to_string(open));
    }
    void TimeBankChanged(std::string_view text) override { calls.push_back("TimeBank" + std::string(text)); }
    void StatusText(std::string_view text) override { calls.push_back("Status " + std::string(text)); }
    void StatusGauge(int position, int maximum, std::string_view caption) override {
        calls.push_back("Gauge " + std::to_string(position) + "/" + std::to_string(maximum) + " " + std::string(caption));
    }
    void FileStateChanged() override { calls.push_back("FileStateChanged"); }
    bool PairingsWindowOpen() const override { return pairingsOpen; }
    bool ToolboxWindowOpen() const override { return toolboxOpen; }
    bool BidsWindowOpen() const override { return bidsOpen; }
    void CloseToolWindows() override { calls.push_back("CloseToolWindows"); }
    void RefreshPairingsWindow() override { calls.push_back("RefreshPairingsWindow"); }
    void OpenPairingsWindow() override {
        calls.push_back("OpenPairingsWindow");
        pairingsOpen = true;
    }
    void ClosePairingsWindow() override {
        calls.push_back("ClosePairingsWindow");
        pairingsOpen = false;
    }
    void ClearGridSelection() override { calls.push_back("ClearGridSelection"); }
    void SetGridScrollRange(int columns, int rows) override {
        calls.push_back("SetGridScrollRange " + std::to_string(columns) + " " + std::to_string(rows));
    }
    void ApplyBlockFilters() override { calls.push_back("ApplyBlockFilters"); }
    void RepaintBalanceCell(int column) override { calls.push_back("RepaintBalanceCell " + std::to_string(column)); }
    void RepaintCredit(int employee) override { calls.push_back("RepaintCredit " + std::to_string(employee)); }
    void OpenPairingEditor(int pairing) override { calls.push_back("OpenPairingEditor " + std::to_string(pairing)); }
    std::vector<std::string> reportLines;
    void ShowExceptionsReport(const std::vector<std::string>& lines) override {
        calls.push_back("ShowExceptionsReport");
        reportLines = lines;
    }
    void CloseToolboxWindow() override {
        calls.push_back("CloseToolboxWindow");
        toolboxOpen = false;
    }
    void OpenToolboxWindow() override {
        calls.push_back("OpenToolboxWindow");
        toolboxOpen = true;
    }
    std::vector<std::string> historyLines, globalInformationLines;
    void ShowHistory(const std::vector<std::string>& lines) override {
        calls.push_back("ShowHistory");
        historyLines = lines;
    }
    void ShowGlobalInformation(const std::vector<std::string>& lines) override {
        calls.push_back("ShowGlobalInformation");
        globalInformationLines = lines;
    }
};

std::string Describe(Color c);

} // namespace tq::test

// The pairing-file reader on arbitrary bytes: the whole load, from the first-line check through
// the re-linking of assignments, the report, the USA scan, the clock change and the city pairs.
// The first byte picks the crew type, the month and the manual settings; the rest is the file.
#include "imports/PairingFile.h"
#include "shell/Workspace.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

namespace {

class NullUi : public tq::UserInterface {
public:
    void ShowMessage(std::string_view, std::string_view, tq::MessageIcon) override {}
    tq::Answer Ask(std::string_view, std::string_view, tq::Buttons, tq::MessageIcon) override {
        return tq::Answer::Yes;
    }
    std::optional<std::string> ChooseOpenFile(const tq::FileRequest&) override { return std::nullopt; }
    std::vector<std::string> ChooseOpenFiles(const tq::FileRequest&) override { return {}; }
    std::optional<std::string> ChooseSaveFile(const tq::FileRequest&) override { return std::nullopt; }
    void ShowList(std::string_view, const std::vector<std::string>& lines) override {
        for (const auto& l : lines) sink += l.size();
    }
    std::unique_ptr<tq::ProgressView> OpenProgress(std::string_view, bool) override {
        struct Silent : tq::ProgressView {
            void SetText(std::string_view) override {}
            void SetGauge(int, std::string_view) override {}
            bool CancelRequested() override { return false; }
        };
        return std::make_unique<Silent>();
    }
    void Beep() override {}
    void SetWaitCursor(bool) override {}
    std::size_t sink = 0;
};

class FixedClock : public tq::Clock {
public:
    tq::LocalDateTime Now() override { return {2026, 2, 10, 9, 0, 0}; }
};

class NullSettings : public tq::SettingsStore {
public:
    std::optional<std::string> Read(std::string_view, std::string_view) override { return std::nullopt; }
    bool Write(std::string_view, std::string_view, std::string_view) override { return true; }
};

class NullClipboard : public tq::Clipboard {
public:
    bool SetText(std::string_view) override { return true; }
    bool SetRichText(std::string_view, std::string_view) override { return true; }
    std::string Text() override { return {}; }
};

class NullMailer : public tq::Mailer {
public:
    bool Available() override { return false; }
    void SendDocument(std::string_view) override {}
};

// An open log that keeps nothing, so that every log line is formatted.
class OpenLog : public tq::EventLog {
public:
    bool IsOpen() const override { return true; }
    void Write(std::string_view line) override { written += line.size(); }
    std::size_t written = 0;
};

struct World {
    NullUi ui;
    FixedClock clock;
    NullSettings settings;
    NullClipboard clipboard;
    NullMailer mailer;
    tq::Platform platform{ui, clock, settings, clipboard, mailer};
    tq::Views views;
    OpenLog log;
    tq::Workspace ws{platform, views, log};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static World* world = new World; // the fixed tables are made once, as in the program
    if (size < 1) return 0;
    const std::uint8_t choice = data[0];
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    tq::Schedule& s = world->ws.schedule;
    const int months[] = {3, 7, 11};
    const int month = months[(choice >> 2) % 3];
    s.SetMonthDates(tq::Date::FromDmy(1, month, 2026), tq::Date::FromDmy(month == 11 ? 30 : 31, month, 2026));
    s.CrewType = static_cast<std::uint8_t>(choice & 3);
    s.FileKey = "YYZDH8CAZ";
    // Two lines holding assignments, some pointing past any table the file could fill.
    s.EmployeeCount = 2;
    for (int e = 0; e < 2; ++e) {
        auto& days = s.Employees[static_cast<std::size_t>(e)].DayPairing;
        for (std::size_t d = 0; d < days.size(); ++d)
            days[d] = static_cast<int>((d * 37 + static_cast<std::size_t>(e) * 11) % 3100) - 2;
    }
    std::istringstream in(bytes);
    const bool manual = (choice & 0x40) != 0;
    const bool allEquipment = (choice & 0x80) != 0;
    tq::LoadPairingInput(world->ws, in, bytes.size(), manual ? "Z8" : "", allEquipment);
    return 0;
}

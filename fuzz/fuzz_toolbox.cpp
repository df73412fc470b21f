// The toolbox file reader on arbitrary bytes: header, code records, airport records, then the
// lookups that read what it stored (station values, codes by tracking code).
// The first byte picks the crew type and whether an airports table is already there.
#include "imports/ToolboxFile.h"
#include "model/Schedule.h"
#include "platform/UserInterface.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

class NullUi : public tq::UserInterface {
public:
    void ShowMessage(std::string_view text, std::string_view, tq::MessageIcon) override {
        sink += text.size();
    }
    tq::Answer Ask(std::string_view, std::string_view, tq::Buttons, tq::MessageIcon) override {
        return tq::Answer::Yes;
    }
    std::optional<std::string> ChooseOpenFile(const tq::FileRequest&) override { return std::nullopt; }
    std::vector<std::string> ChooseOpenFiles(const tq::FileRequest&) override { return {}; }
    std::optional<std::string> ChooseSaveFile(const tq::FileRequest&) override { return std::nullopt; }
    void ShowList(std::string_view, const std::vector<std::string>&) override {}
    std::unique_ptr<tq::ProgressView> OpenProgress(std::string_view, bool) override { return nullptr; }
    void Beep() override {}
    void SetWaitCursor(bool) override {}
    std::size_t sink = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static tq::Schedule* schedule = new tq::Schedule(tq::Date::FromDmy(10, 2, 2026)); // tables made once
    static NullUi ui;
    if (size < 1) return 0;
    const std::uint8_t choice = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    tq::Schedule& s = *schedule;
    s.CrewType = static_cast<std::uint8_t>(choice & 3);
    s.CodeCount = 0;
    s.ToolboxDate.clear();
    s.StationTable = (choice & 4) != 0 ? "YOW,05:00,00:30,Y,YQX,03:30,00:15,N," : "";
    tq::ParseToolboxText(s, ui, text);
    if (s.CodeCount < 0 || s.CodeCount > tq::kMaxCodes) std::abort();

    for (int i = 0; i < s.CodeCount; ++i) {
        const tq::TAbsence& code = s.Codes[static_cast<std::size_t>(i)];
        ui.sink += static_cast<std::size_t>(code.Length());
        if (const auto found = s.FindCodeByTracking(code.TrackingCode, s.CrewType))
            ui.sink += found->Code.size();
    }
    for (std::size_t at = 0; at + 3 <= s.StationTable.size(); at = s.StationTable.find(',', at) + 1) {
        ui.sink += static_cast<std::size_t>(s.StationValue(std::string_view(s.StationTable).substr(at, 3)));
        if (s.StationTable.find(',', at) == std::string::npos) break;
    }
    return 0;
}

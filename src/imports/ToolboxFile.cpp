#include "imports/ToolboxFile.h"

#include "model/Schedule.h"
#include "model/Time.h"
#include "platform/Format.h"
#include "shell/Workspace.h"

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace tq {

namespace {
constexpr const char* kCaption = "Tarvelstrand";

// The lines of the text as a text-mode read gives them: a line ends at a line feed, a carriage
// return before it is dropped, and a last line without a line feed still counts.
class TextLines {
public:
    explicit TextLines(std::string_view text) : text_(text) {}

    // The next line; nothing at the end of the text.
    std::optional<std::string_view> Next() {
        if (pos_ >= text_.size()) return std::nullopt;
        const std::size_t end = text_.find('\n', pos_);
        std::string_view line =
            text_.substr(pos_, end == std::string_view::npos ? std::string_view::npos : end - pos_);
        pos_ = end == std::string_view::npos ? text_.size() : end + 1;
        if (!line.empty() && line.back() == '\r' && end != std::string_view::npos) line.remove_suffix(1);
        return line;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// A count line: its leading decimal integer (blanks and a sign before it allowed), 0 when it does
// not start with one or is missing; held within the int range.
int CountOf(std::optional<std::string_view> line) {
    if (!line) return 0;
    std::size_t i = 0;
    while (i < line->size() && ((*line)[i] == ' ' || (*line)[i] == '\t')) ++i;
    bool negative = false;
    if (i < line->size() && ((*line)[i] == '-' || (*line)[i] == '+')) negative = (*line)[i++] == '-';
    long long value = 0;
    for (; i < line->size() && (*line)[i] >= '0' && (*line)[i] <= '9'; ++i)
        if (value <= INT_MAX) value = value * 10 + ((*line)[i] - '0');
    if (value > INT_MAX) value = INT_MAX;
    return static_cast<int>(negative ? -value : value);
}

bool FlagOf(std::string_view line) {
    return line == "Y";
}

bool KeptForCrew(std::string_view crewKind, int crewType) {
    if (crewKind == "Cabin") return crewType == kCabinCrew;
    if (crewKind == "Pilot") return crewType == kCaptains || crewType == kFirstOfficers;
    return false;
}

// Reads one 13-line code record into `code`; false when the text ends inside it.
bool ReadCode(TextLines& lines, TAbsence& code, std::string& crewKind) {
    std::string_view field[kToolboxCodeLines];
    for (auto& f : field) {
        const auto line = lines.Next();
        if (!line) return false;
        f = *line;
    }
    code.Code = std::string(field[0]);
    crewKind = std::string(field[1]);
    code.TrackingCode = std::string(field[2]);
    code.Caption = std::string(field[3]);
    code.StartTime = ParseTime(field[4], true);
    code.EndTime = ParseTime(field[5], true);
    code.Credit = ParseTime(field[6], false);
    code.HardTime = ParseTime(field[7], false);
    code.ContainsDuty = FlagOf(field[8]);
    code.CarsDuty = FlagOf(field[9]);
    code.CountsCredit = FlagOf(field[10]);
    code.InToolbox = FlagOf(field[11]);
    return true;
}

// Reads the codes; false when the text ends inside a record. Records of the other crew kind and
// those beyond the table's 300 are read and dropped.
bool ReadCodes(Schedule& s, TextLines& lines, int count) {
    TAbsence dropped;
    std::string crewKind;
    for (int i = 0; i < count; ++i) {
        TAbsence& slot = s.CodeCount < kMaxCodes ? s.Codes[static_cast<std::size_t>(s.CodeCount)] : dropped;
        if (!ReadCode(lines, slot, crewKind)) return false;
        if (KeptForCrew(crewKind, s.CrewType) && s.CodeCount < kMaxCodes) ++s.CodeCount;
    }
    return true;
}

// Appends the code, zone, station value and daylight-saving flag of each airport record read
// whole; false when the text ends inside a record.
bool ReadAirports(Schedule& s, TextLines& lines, int count) {
    for (int i = 0; i < count; ++i) {
        std::string_view field[kToolboxAirportLines];
        for (auto& f : field) {
            const auto line = lines.Next();
            if (!line) return false;
            f = *line;
        }
        for (int k = 0; k < 4; ++k) s.StationTable.append(field[k]).push_back(',');
    }
    return true;
}

void ReportCorrupt(Schedule& s, UserInterface& ui) {
    ui.ShowMessage("Error Loading Absences. File may be Currupt", kCaption);
    s.ToolboxDate.clear();
    s.CodeCount = 0;
}
} // namespace

void ParseToolboxText(Schedule& s, UserInterface& ui, std::string_view text) {
    TextLines lines(text);
    if (lines.Next() != std::optional<std::string_view>(kToolboxMagic)) {
        ui.ShowMessage("Not a Valid ToolBox. Using default ToolBox. Import new ToolBox File.", kCaption);
        s.CodeCount = 0;
        return;
    }
    lines.Next();
    s.ToolboxDate = std::string(lines.Next().value_or(std::string_view()));
    lines.Next();
    const int codes = CountOf(lines.Next());
    s.CodeCount = 0;
    if (codes < 1) {
        ui.ShowMessage("No Absences to Load from File", kCaption);
        return;
    }
    if (!ReadCodes(s, lines, codes)) return ReportCorrupt(s, ui);

    lines.Next();
    const int airports = CountOf(lines.Next());
    if (airports < 1) {
        ui.ShowMessage("No Airport Details to Load from File", kCaption);
        return;
    }
    s.StationTable.clear();
    if (!ReadAirports(s, lines, airports)) return ReportCorrupt(s, ui);
}

bool LoadToolboxFile(Workspace& ws) {
    FileRequest request{.type = &ws.fileTypes.toolboxFiles, .title = "Load ToolBox Absences"};
    request.initialFolder = ws.platform.settings.Read("TQ", "LastBoxPath").value_or("");
    const auto chosen = ws.Ui().ChooseOpenFile(request);
    if (!chosen) return false;
    ws.fileTypes.toolboxFiles.lastFileName = *chosen;
    return LoadToolboxFile(ws, *chosen);
}

bool LoadToolboxFile(Workspace& ws, const std::string& fileName) {
    const std::filesystem::path path(fileName);
    std::error_code ec;
    std::ifstream in;
    if (!std::filesystem::is_directory(path, ec)) in.open(path, std::ios::binary);
    if (!in.is_open() || !in) {
        ws.Ui().ShowMessage(Format("Unable to Open File %s", fileName), kCaption);
        return false;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();

    Schedule& s = ws.schedule;
    if (ws.views.ToolboxWindowOpen()) ws.views.CloseToolboxWindow();
    ParseToolboxText(s, ws.Ui(), text);
    if (s.BlocksBuilt) ws.views.OpenToolboxWindow();

    ws.platform.settings.Write("TQ", "LastBoxPath",
                               std::filesystem::absolute(path, ec).parent_path().string());
    s.Modified = true;
    return true;
}

} // namespace tq

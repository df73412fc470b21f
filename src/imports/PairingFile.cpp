#include "imports/PairingFile.h"

#include "imports/CityPairReport.h"
#include "imports/PrgLineReader.h"
#include "imports/UsaSegments.h"
#include "platform/Format.h"
#include "platform/ProgressDialog.h"
#include "rules/PairingReport.h"
#include "shell/Workspace.h"
#include "views/PairingText.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

namespace tq {

namespace {
constexpr const char* kCaption = "Tarvelstrand";

struct BaseAirport {
    const char* code;
    char letter;
};
constexpr std::array<BaseAirport, 9> kBaseAirports = {{{"YYJ", 'J'},
                                                       {"YVR", 'V'},
                                                       {"YYC", 'C'},
                                                       {"YXE", 'S'},
                                                       {"YYZ", 'Z'},
                                                       {"YXU", 'U'},
                                                       {"YUL", 'M'},
                                                       {"YQB", 'Q'},
                                                       {"YHZ", 'H'}}};
struct EquipmentCode {
    const char* code;
    char digit;
};
constexpr std::array<EquipmentCode, 4> kEquipmentCodes = {
    {{"DH8", '8'}, {"E75", '5'}, {"DH4", '4'}, {"CRJ", '7'}}};

Date TodayOf(Clock& clock) {
    const LocalDateTime now = clock.Now();
    return Date::FromDmy(now.day, now.month, now.year);
}

// Numbers of a record may carry a sign; a length out of any sense is kept in the byte's range
// for the validation to report.
std::uint8_t LengthOf(int days) {
    return static_cast<std::uint8_t>(std::clamp(days, 0, 255));
}

// The date a header operates on: its date, the next day when it reports at 24:00.
Date OperatingDate(const PrgRecord& header, int reportTime) {
    Date date = header.DateAt(71);
    if (reportTime == kMinutesPerDay && date.Valid()) date = date.AddDays(1);
    return date;
}

// Assembles the pairings of one file, record by record, into a table of its own; the schedule
// takes them only when the whole file was read.
class PairingAssembler {
public:
    PairingAssembler(Workspace& ws, PairingFilter filter)
        : ws_(ws), s_(ws.schedule), filter_(filter), blank_(TodayOf(ws.platform.clock)), current_(blank_) {
        stored_.reserve(kMaxPairings);
        for (int d = 0; d < std::clamp(s_.DaysInMonth, 0, kMaxMonthDays); ++d) {
            const DayMonthYear& m = s_.MonthDays[static_cast<std::size_t>(d)];
            monthDates_[static_cast<std::size_t>(d)] = Date::FromDmy(m.day, m.month, m.year);
        }
    }

    // One line of the file; false when the line ends the load (file error or full table).
    bool Take(std::string_view line) {
        PrgRecord r(line, &ws_.log);
        if (!filter_.Accepts(r)) return true;
        switch (r.Type()) {
        case '1':
            Header(r);
            break;
        case '2':
            Leg(r);
            break;
        case '3':
            Duty(r);
            break;
        case '4':
            Deadhead(r);
            break;
        case '5':
            Detail(r);
            break;
        default:
            break;
        }
        if (r.Failed()) failed_ = true;
        return !failed_ && !tableFull_;
    }

    void FinishAtEnd() {
        if (building_ && !tableFull_ && !failed_) Finish(true);
    }

    bool Failed() const { return failed_; }
    const std::string& ProgressList() const { return progress_; }
    std::vector<TPair>& Stored() { return stored_; }

private:
    void Header(PrgRecord& r) {
        const int number = r.Int(3, 4);
        ws_.LogLine(Format("Loading Pair %d  Index is %d\n", number, static_cast<int>(stored_.size())));
        progress_ += Format("%d ", number);
        const int report = r.Int(79, 4);
        if (building_ && number == lastNumber_) {
            // The same pairing on a further date: only the date counts.
            accepting_ = false;
            MarkOperatingDate(r, report);
            return;
        }
        if (building_) {
            Finish(false);
            if (tableFull_) return;
        }
        StartPairing(r, number, report);
    }

    void StartPairing(PrgRecord& r, int number, int report) {
        current_ = blank_;
        building_ = accepting_ = true;
        lastNumber_ = number;
        previousDay_ = 0;
        TPair& p = current_;
        p.PairingNumber = number;
        p.BaseEqp = r.Text(2, 2);
        p.DutyStartTime = report == kMinutesPerDay ? 0 : report;
        p.Tafb = r.Int(108, 5);
        p.LengthDays = LengthOf((p.DutyStartTime + p.Tafb) / kMinutesPerDay + 1);
        p.DutyEndTime = p.DutyStartTime + p.Tafb;
        while (p.DutyEndTime > kMinutesPerDay) p.DutyEndTime -= kMinutesPerDay;
        p.MinRestAfter = r.Int(146, 4);
        p.TotalCredit = r.Int(300, 4);
        p.OvernightDuty = r.Text(113, 1) == "Y" ? 1 : 0;
        for (int k = 0; k < 6; ++k) p.DailyHardTime[static_cast<std::size_t>(k)] = r.Int(151 + 4 * k, 4);
        CountSeats(r.Text(114, 32));
        startDate_ = OperatingDate(r, report);
        p.PrgText.append(r.Line()).push_back('\n');
        AppendHeaderText(p, r);
        MarkOperatingDate(r, report);
    }

    // Seats of the schedule's crew type from the crew complement ("CA01FO01", "PU01FA02"...).
    void CountSeats(const std::string& complement) {
        auto count = [&](std::string_view code) {
            const std::size_t at = complement.find(code);
            return at == std::string::npos ? 0 : GetInt(complement, static_cast<int>(at) + 2, 2, &ws_.log);
        };
        pursers_ = 0;
        switch (s_.CrewType) {
        case kCaptains:
            seats_ = count("CA");
            position_ = "CA";
            break;
        case kFirstOfficers:
            seats_ = count("FO");
            position_ = "FO";
            break;
        case kCabinCrew:
            pursers_ = count("PU");
            seats_ = count("FA");
            position_ = "FA";
            break;
        default:
            seats_ = 1;
            position_.clear();
            break;
        }
    }

    void MarkOperatingDate(const PrgRecord& r, int report) {
        const Date date = OperatingDate(r, report);
        if (!date.Valid()) return;
        for (int d = 0; d < std::clamp(s_.DaysInMonth, 0, kMaxMonthDays); ++d)
            if (monthDates_[static_cast<std::size_t>(d)] == date)
                current_.OperatesOn[static_cast<std::size_t>(d)] = 1;
    }

    void Leg(PrgRecord& r) {
        if (!accepting_) return;
        current_.PrgText.append(r.Line()).push_back('\n');
        AppendLegText(current_, r);
        current_.FatigueUnits += 60;
    }

    void Deadhead(PrgRecord& r) {
        if (!accepting_) return;
        current_.PrgText.append(r.Line()).push_back('\n');
        AppendDeadheadText(current_, r);
        current_.FatigueUnits += 60;
    }

    void Detail(PrgRecord& r) {
        if (!accepting_) return;
        current_.PrgText.append(r.Line()).push_back('\n');
        AppendDetailText(current_, r);
    }

    void Duty(PrgRecord& r) {
        if (!accepting_) return;
        TPair& p = current_;
        p.PrgText.append(r.Line()).push_back('\n');
        if (r.Blank(31, 2)) return; // no duty: the text only
        const Date date = r.DateAt(23);
        if (!date.Valid() || !startDate_.Valid()) return;
        const int k = DaysBetween(startDate_, date);
        if (k < 0 || k >= kMaxMonthDays) return;
        const std::size_t day = static_cast<std::size_t>(k);

        const int start = r.Int(31, 4), end = r.Int(43, 4), duty = r.Int(48, 4);
        p.DailyCredit[day] += r.Int(127, 4);
        p.DailyStartTime[day] = start;
        p.DailyDutyTime[day] = duty;
        AddStation(r.Text(57, 3), k);
        p.FatigueUnits += duty;
        AppendDutyText(p, r);
        if (s_.CrewType == kCaptains || s_.CrewType == kFirstOfficers) {
            // A duty much longer than its clock times shows a large time-zone change: more rest after.
            const int elapsed = start < end ? end - start : kMinutesPerDay - start + end;
            p.MinRestAfter = std::abs(elapsed - duty) > 179 ? 780 : 660;
        }
        previousDay_ = k;
    }

    // Stations keeps the layover station of each pairing day: a second duty on the same day
    // replaces the day's station, and each day without duty at a layover repeats the station.
    void AddStation(std::string station, int k) {
        std::string& stations = current_.Stations;
        station.resize(3, ' ');
        if (k == previousDay_ && stations.size() >= 2)
            stations.erase(stations.size() - std::min<std::size_t>(3, stations.size()));
        if (k - previousDay_ > 1) {
            const std::string last = stations.size() > 2 ? stations.substr(stations.size() - 3) : station;
            for (int gap = 1; gap < k - previousDay_; ++gap) stations += last;
        }
        stations += station;
    }

    // The pairing is complete: drop the return to base and store one copy per seat.
    void Finish(bool atEnd) {
        building_ = false;
        std::string& stations = current_.Stations;
        if (stations.size() > 2 || atEnd)
            stations.erase(stations.size() - std::min<std::size_t>(3, stations.size()));
        if (s_.CrewType == kCabinCrew) StoreCopies("PU", pursers_);
        StoreCopies(position_, seats_);
    }

    void StoreCopies(const std::string& position, int count) {
        for (int i = 0; i < count && !tableFull_; ++i) {
            if (static_cast<int>(stored_.size()) >= kMaxPairings) {
                tableFull_ = true;
                ws_.Ui().ShowMessage("Maximum Number of Pairings Reached. Not all Pairings Loaded", kCaption);
                return;
            }
            stored_.push_back(current_);
            stored_.back().CrewPosition = position;
        }
    }

    Workspace& ws_;
    Schedule& s_;
    PairingFilter filter_;
    const TPair blank_;
    TPair current_;
    std::array<Date, kMaxMonthDays> monthDates_{};
    std::vector<TPair> stored_;
    std::string progress_;
    std::string position_;
    int seats_ = 0, pursers_ = 0;
    int lastNumber_ = -1;
    int previousDay_ = 0;
    Date startDate_;
    bool building_ = false, accepting_ = false;
    bool failed_ = false, tableFull_ = false;
};

// Differences between the daily credits and the total go to the last day, or to the day before it
// when the last day carries no credit.
void BalanceCredits(TPair& p) {
    const int days = std::clamp<int>(p.LengthDays, 1, kMaxMonthDays);
    int sum = 0;
    for (int k = 0; k < days; ++k) sum += p.DailyCredit[static_cast<std::size_t>(k)];
    if (sum != p.TotalCredit) {
        int target = days - 1;
        if (p.DailyCredit[static_cast<std::size_t>(target)] <= 0 && days >= 2) --target;
        p.DailyCredit[static_cast<std::size_t>(target)] += p.TotalCredit - sum;
    }
    p.LengthDays = LengthOf((p.DutyStartTime + p.Tafb - 1) / kMinutesPerDay + 1);
    if (p.Tafb < 900 && p.DutyEndTime < p.DutyStartTime && p.DutyEndTime < 120) p.OvernightDuty = 1;
}

// Employees keep an assignment only where its pairing still operates, open, on that day.
void RelinkAssignments(Schedule& s) {
    const int days = std::clamp(s.DaysInMonth, 0, kMaxMonthDays);
    for (int e = 0; e < std::min(s.EmployeeCount, kEmployeeSlots); ++e) {
        TPilot& line = s.Employees[static_cast<std::size_t>(e)];
        for (int d = 0; d < days; ++d) {
            int& index = line.DayPairing[static_cast<std::size_t>(d)];
            if (index < 0) continue;
            if (s.ValidPairingIndex(index)) {
                int& status =
                    s.Pairings[static_cast<std::size_t>(index)].OperatesOn[static_cast<std::size_t>(d)];
                if (status == kOpen || status == -kOpen) {
                    status = status > 0 ? kHeld : -kHeld;
                    continue;
                }
            }
            index = kNoPairing;
        }
    }
}

// A pairing whose first trip spans the month's clock change releases an hour earlier or later.
void ApplyDaylightSaving(Schedule& s) {
    if (!s.DetermineDst()) return;
    const int change = s.DstChangeTime, shift = s.DstShift;
    for (int i = 0; i <= s.LastPairingIndex; ++i) {
        TPair& p = s.Pairings[static_cast<std::size_t>(i)];
        int first = -1;
        for (int d = 0; d < std::clamp(s.DaysInMonth, 0, kMaxMonthDays) && first < 0; ++d)
            if (p.OperatesOn[static_cast<std::size_t>(d)] != 0) first = d;
        if (first < 0) continue;
        const int start = p.DutyStartTime + first * kMinutesPerDay;
        if (start >= change || start + p.Tafb < change) continue;
        p.DutyEndTime += shift;
        while (p.DutyEndTime > kMinutesPerDay) p.DutyEndTime -= kMinutesPerDay;
        while (p.DutyEndTime < 1) p.DutyEndTime += kMinutesPerDay;
        p.LengthDays = LengthOf((p.DutyStartTime + p.Tafb + shift) / kMinutesPerDay + 1);
    }
}

// The schedule takes the assembled pairings in place of its own.
void CommitPairings(Schedule& s, std::vector<TPair>& stored) {
    for (auto& slot : s.Pairings) slot.Reset();
    for (std::size_t i = 0; i < stored.size() && i < s.Pairings.size(); ++i) {
        const Date created = s.Pairings[i].CreatedDate;
        s.Pairings[i] = std::move(stored[i]);
        s.Pairings[i].CreatedDate = created;
    }
    s.LastPairingIndex = s.LastLoadedPairingIndex = static_cast<int>(stored.size()) - 1;
    s.CityPairReport.clear();
}

// The file-read gauge and progress window follow the position in the file.
class ReadProgress {
public:
    ReadProgress(Workspace& ws, std::uint64_t size)
        : ws_(ws), size_(size), dialog_(std::in_place, ws.Ui(),
                                        TProgressDialog::Options{.caption = "Loading PRG Pairings",
                                                                 .textFormat = "Read %d%% of the file"}) {}

    void At(std::uint64_t position) {
        const int percent =
            size_ == 0 ? 100 : static_cast<int>(std::min<std::uint64_t>(100, position * 100 / size_));
        if (percent != percent_ && dialog_) dialog_->Update(percent);
        percent_ = percent;
        const int kilobytes = static_cast<int>(std::min<std::uint64_t>(position / 1000, 1u << 30));
        if (kilobytes != kilobytes_) ws_.views.StatusGauge(kilobytes, GaugeMaximum(size_), "Loading Pairs");
        kilobytes_ = kilobytes;
    }
    void Close() { dialog_.reset(); }

    static int GaugeMaximum(std::uint64_t size) {
        return static_cast<int>(
            std::clamp<std::int64_t>(static_cast<std::int64_t>(size / 1000) - 3, 0, 1 << 30));
    }

private:
    Workspace& ws_;
    std::uint64_t size_;
    std::optional<TProgressDialog> dialog_;
    int percent_ = 0, kilobytes_ = 0;
};

void ReportFileError(Workspace& ws, const std::string& progressList) {
    ws.Ui().ShowMessage(
        "File Error - Unable to Load Pairings from this file. See Next Message Box for Progress", kCaption);
    ws.Ui().ShowMessage(progressList, "Pair Loading Progress");
}
} // namespace

bool PairingFilter::Accepts(const PrgRecord& r) const {
    if (r.At(2) != base || base == 0) return false;
    if (allEquipment) return true;
    const char e = r.At(3);
    return e != 0 && (e == equipment || e == alternate);
}

PairingFilter MakePairingFilter(std::string_view fileKey, std::string_view selection, bool allEquipment) {
    PairingFilter f;
    f.allEquipment = allEquipment;
    if (!selection.empty()) {
        f.base = selection[0];
        f.equipment = selection.size() > 1 ? selection[1] : 0;
        return f;
    }
    f.base = fileKey.size() >= 9 ? fileKey[8] : 0;
    for (const auto& b : kBaseAirports)
        if (fileKey.find(b.code) != std::string_view::npos) {
            f.base = b.letter;
            break;
        }
    if (!allEquipment)
        for (const auto& e : kEquipmentCodes)
            if (fileKey.find(e.code) != std::string_view::npos) {
                f.equipment = e.digit;
                if (std::string_view(e.code) == "CRJ") f.alternate = '2';
                break;
            }
    return f;
}

bool LoadPairingFile(Workspace& ws, const std::string& fileName, std::string_view selection,
                     bool allEquipment) {
    std::error_code ec;
    const std::filesystem::path path(fileName);
    const std::filesystem::path folder = std::filesystem::absolute(path, ec).parent_path();
    ws.platform.settings.Write("TQ", "LastPrgPath", folder.string());

    std::ifstream in(path, std::ios::binary);
    const auto size = std::filesystem::file_size(path, ec);
    if (!in || ec || std::filesystem::is_directory(path)) {
        ws.Ui().ShowMessage(fileName, "Unable to Open File");
        return false;
    }
    return LoadPairingInput(ws, in, size, selection, allEquipment);
}

bool LoadPairingInput(Workspace& ws, std::istream& in, std::uint64_t size, std::string_view selection,
                      bool allEquipment) {
    Schedule& s = ws.schedule;
    ws.views.StatusGauge(0, ReadProgress::GaugeMaximum(size), "Loading Pairs");
    PrgLineReader reader(in);
    std::string line;
    if (!reader.Next(line) || line.empty() || line[0] != '1') {
        ws.Ui().ShowMessage("This does not appear to be a valid PRG file. The first char should be 1",
                            kCaption);
        ws.views.StatusGauge(0, 0, "");
        return false;
    }

    ws.LogLine("BeginLoadPRGPairs\n");
    PairingAssembler assembler(ws, MakePairingFilter(s.FileKey, selection, allEquipment));
    ReadProgress progress(ws, size);
    bool more = true;
    do {
        more = assembler.Take(line);
        progress.At(reader.Position());
    } while (more && reader.Next(line));
    assembler.FinishAtEnd();

    std::vector<TPair>& stored = assembler.Stored();
    const bool loaded = !assembler.Failed() && !stored.empty();
    if (assembler.Failed())
        ReportFileError(ws, assembler.ProgressList());
    else if (stored.empty())
        ws.Ui().ShowMessage("Unable to load pairings from this file", kCaption);
    if (!loaded) {
        progress.Close();
        ws.views.StatusGauge(0, 0, "");
        ws.LogLine("EndLoadPRGPairs\n");
        return false;
    }

    CommitPairings(s, stored);
    for (int i = 0; i <= s.LastPairingIndex; ++i) BalanceCredits(s.Pairings[static_cast<std::size_t>(i)]);
    RelinkAssignments(s);
    ShowPairingReport(ws);
    ws.views.FileStateChanged(); // the caption names the file again
    progress.Close();
    ws.views.StatusGauge(0, 0, "");
    MarkUsaSegments(s, ws.Ui());
    ApplyDaylightSaving(s);
    s.Modified = true;

    in.clear();
    in.seekg(0);
    s.CityPairReport = BuildCityPairReport(in);
    ws.LogLine("EndLoadPRGPairs\n");
    return true;
}

} // namespace tq

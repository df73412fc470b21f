#include "views/PairingText.h"

#include "platform/Format.h"

#include <array>

namespace tq {

namespace {
std::string Clock(int minutes) {
    return FormatTime(minutes, false, true);
}
std::string Duration(int minutes) {
    return FormatTime(minutes, true, true);
}

// The piece before always ends in a blank (or in the line feed that a duty's figures take back).
void EndLine(std::string& text) {
    if (text.empty())
        text.push_back('\n');
    else
        text.back() = '\n';
}

// Day of the pairing (1 = its first day) of a record date, counted from the pairing start date
// that the detail records carry in columns 8-15; 0 when either is not a calendar date.
int DayOfPairing(Date recordDate, Date startDate) {
    if (!recordDate.Valid() || !startDate.Valid()) return 0;
    return DaysBetween(startDate, recordDate) + 1;
}

int FirstSixDays(const DayInts& days) {
    int sum = 0;
    for (int k = 0; k < 6; ++k) sum += days[static_cast<std::size_t>(k)];
    return sum;
}

const std::array<const char*, 7> kDayNames = {"MON ", "TUE ", "WED ", "THU ", "FRI ", "SAT ", "SUN "};

void AppendOperatingDays(std::string& text, const std::string& flags) {
    int balance = 0;
    for (char f : flags) balance += f == 'Y' ? 1 : (f == 'N' ? -1 : 0);
    // Mostly operating: name the days it does not operate.
    const char listed = balance > 0 ? 'N' : 'Y';
    if (balance > 0) text += "EXCEPT ";
    for (std::size_t i = 0; i < flags.size() && i < kDayNames.size(); ++i)
        if (flags[i] == listed) text += kDayNames[i];
}

void AppendReportAndRelease(std::string& text, PrgRecord& duty) {
    text += Format("    REPT: %s ", Clock(duty.Int(31, 4)));
    text += Format("D-END: %s ", Clock(duty.Int(43, 4)));
}
} // namespace

void AppendHeaderText(TPair& pairing, PrgRecord& header) {
    std::string& t = pairing.PairingText;
    t += "    " + header.Text(2, 5) + "   ";
    t += Format("BSE REPT:%sL", Clock(pairing.DutyStartTime)) + "   OPERATES - ";
    t += Format("%s.%d-", MonthCode(header.Int(20, 2)), header.Int(22, 2));
    t += Format("%s.%d ", MonthCode(header.Int(28, 2)), header.Int(30, 2));
    AppendOperatingDays(t, header.Text(32, 7));
    EndLine(t);

    t += "    " + header.Text(114, 32);
    bool first = true;
    for (int i = 0; i < 4; ++i) {
        const int month = header.Int(39 + 4 * i, 2);
        const int day = header.Int(41 + 4 * i, 2);
        if (day <= 0) continue;
        if (first) t += "EXCEPT ";
        first = false;
        t += Format("%s.%02d ", MonthCode(month), day);
    }
    t += "  ";
    EndLine(t);
    t += "  ";
    EndLine(t);
}

void AppendLegText(TPair& pairing, PrgRecord& leg) {
    std::string& t = pairing.PairingText;
    t += Format("  %d", DayOfPairing(leg.DateAt(32), leg.DateAt(8)));
    t += leg.At(62) == 'D' ? "  DH" : "    ";
    std::string flight = leg.Text(16, 4);
    if (!flight.empty() && flight[0] == '0') flight[0] = ' ';
    t += flight + "   ";
    t += leg.Text(29, 3) + "-" + leg.Text(44, 3) + "   ";
    t += Clock(leg.Int(40, 4)) + " " + Clock(leg.Int(55, 4)) + "  " + Duration(leg.Int(65, 4)) + " ";
    EndLine(t);
}

void AppendDeadheadText(TPair& pairing, PrgRecord& deadhead) {
    std::string& t = pairing.PairingText;
    t += Format("  %d", DayOfPairing(deadhead.DateAt(27), deadhead.DateAt(8))) + " DH";
    std::string flight = deadhead.Text(19, 7);
    if (flight.size() > 2 && flight[2] == '0') flight[2] = ' ';
    t += flight + " ";
    t += deadhead.Text(35, 3) + "-" + deadhead.Text(50, 3) + "   ";
    t += Clock(deadhead.Int(46, 4)) + " " + Clock(deadhead.Int(61, 4)) + std::string(9, ' ');
    t += deadhead.Text(84, 3) + " ";
    EndLine(t);
}

void AppendDetailText(TPair& pairing, PrgRecord& detail) {
    std::string& t = pairing.PairingText;
    t += Format("  %d     ", DayOfPairing(detail.DateAt(33), detail.DateAt(8)));
    t += detail.Text(19, 3) + "   " + detail.Text(30, 3) + "-" + detail.Text(45, 3) + "   ";
    t += Clock(detail.Int(41, 4)) + " " + Clock(detail.Int(56, 4)) + std::string(13, ' ');
    EndLine(t);
}

void AppendDutyText(TPair& pairing, PrgRecord& duty) {
    std::string& t = pairing.PairingText;
    // The duty's figures continue the last leg line.
    if (!t.empty()) t.back() = ' ';
    const int dutyTime = duty.Int(48, 4);
    for (int column : {115, 131, 123}) t += Duration(duty.Int(column, 4)) + "  ";
    t += Duration(dutyTime) + "  ";

    if (!duty.Blank(60, 15)) { // the duty ends away from base
        if (dutyTime == 0) {
            EndLine(t);
            t += "     CREW ON DUTY " + duty.Text(60, 40);
        } else {
            t += duty.Text(57, 3) + Format(" %s ", Duration(duty.Int(52, 5)));
            EndLine(t);
            AppendReportAndRelease(t, duty);
            t += duty.Text(60, 40);
        }
    } else { // the last duty: report, release and the pairing's totals
        EndLine(t);
        AppendReportAndRelease(t, duty);
        EndLine(t);
        t += Format("   TOTALS  TAFB %s  ", Clock(pairing.Tafb));
        t += Format(" BLOCK %s  ", Duration(FirstSixDays(pairing.DailyHardTime)));
        t += Format(" CREDIT %s  ", Duration(pairing.TotalCredit));
        t += Format(" FAT UNITS: %s  ", Duration(pairing.FatigueUnits));
        t += Format(" DUTY: %s  ", Duration(FirstSixDays(pairing.DailyDutyTime)));
    }
    EndLine(t);
}

std::string PairingTextCaption(const TPair& pairing, bool flightAttendants) {
    int legal = pairing.DutyEndTime + (flightAttendants ? 720 : pairing.MinRestAfter);
    if (legal > 1440) legal -= 1440;
    return Format("ON %s OFF %s CREDIT %s LEGAL AT ", Clock(pairing.DutyStartTime),
                  Clock(pairing.DutyEndTime), Clock(pairing.TotalCredit)) +
           Clock(legal) + " Type " + pairing.CrewPosition + " Fat Unit " + Clock(pairing.FatigueUnits) +
           " Duty " + Clock(FirstSixDays(pairing.DailyDutyTime));
}

int PairingTextLineCount(std::string_view text) {
    int lines = 0;
    for (std::size_t i = 1; i < text.size(); ++i)
        if (text[i] == '\n') ++lines;
    return lines;
}

} // namespace tq

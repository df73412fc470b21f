#include "model/BuiltInCodes.h"

#include "model/Schedule.h"
#include "model/Time.h"
#include "platform/Services.h"

#include <algorithm>
#include <array>

namespace tq {

namespace {

// The code list as the crew system prints it, trailing blanks of its 200 columns left off. The
// columns the program does not read (status letters, second and third codes, yes/no flags) are
// kept as the list has them.
// clang-format off
constexpr std::array<std::string_view, kBuiltInCodeRows> kRows = {
//                                                                                                       1111111111111111111111111111111111111111
//             1111111111222222222233333333334444444444555555555566666666667777777777888888888899999999990000000000111111111122222222223333333333
//   01234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789
    "5HS B C   B   N    D   I   5:00 5HS       D    N  HEALTH AND SAFETY 5  5H   N     N   Y       Y     Y   P         N 00    8:00 18:00 P Y N",
    "4HS B P   B   N    D   I   4:00 4HS       D    P  HEALTH AND SAFETY 4  4H   N     N   N       Y     N       N     N 00    9:00 17:00   Y N N",
    "ALP B P   B   N    D   I   4:30 ALP       N    P  Union Leave Paid     AL   N     N   N       N     N             N 00   12:00 16:00   Y N",
    "ALU B P   B   N    D   I        ALU       N    B  Union Leave Unpaid   --   N     N   N       N     N             N 00                 N N",
    "ATJ B C   B   N    D   I   5:00 ATJ       D    N  Jumpseat Training    AJ   N     N   N   T   N     Y       N     N 00    8:00 18:00   Y N N",
    "TQ  B C   B   N    D   I   5:00 TQD       D    P  Tarvelstrand Day     TQ   N     N   N       Y     N       N     N 00    8:00 18:00   Y N N",
    "TQ  B P   B   N    D   I   4:30 TQD       D    P  Tarvelstrand Day     TQ   N     N   N       Y     N       N     N 00    9:00 17:00   Y N N",
    "BRG B C   B   N    D   I   2:00 BRG       D    P  Briefing             BR   N     N   N       Y     N       N     N 00    9:00 11:00   Y N N",
    "BST B C   B   N    D   I   5:00 BST       N    P  Banked Stat Holiday  BT   N     N   N       N     N             N 00   12:00 16:00   Y N",
    "COB B C   B   N    D   I   5:00 COB       D    P  Company Business     CB   N     N   N       Y     N       N     N 00    8:00 18:00   Y N N",
    "COB B P   B   N    D   I   4:30 COB       D    P  Company Business     CB   N     N   N       Y     N       N     N 00    9:00 17:00   Y N N",
    "CPT B P   B   N    D   I   4:00 CPT       DD   N  Procedures Trainer   CP   N     N   N   T   N     Y       N     N 00    9:00 15:00   Y N N",
    "CBT B P   B   N    D   I   4:30 CBT       D    N  Computer Based Trng  CT   N     N   N   T   N     Y       N     N 00    9:00 17:00   Y N N",
    "CIR B P   B   N    D   I   4:30 CIR       DD   N  Circuit Training     CR   N     N   N   T   N     Y       N     N 00    9:00 17:00   Y N N",
    "CRI B P   B   N    D   I   4:00 CRI       DD   N  Check Ride           CI   N     N   N   T   N     Y       N     N 00    9:00 15:00   Y N N",
    "CRM B C   B   N    D   I   5:00 CRM       D    N  Crew Resource Mgmt   CM   N     N   N   T   N     Y       N     N 00    8:00 18:00   Y N N",
    "CRM B P   B   N    D   I   4:30 CRM       D    N  Crew Resource Mgmt   CM   N     N   N   T   N     Y       N     N 00    9:00 17:00   Y N N",
    "DFD B P   B   N    D   I        DFD       N    B  Day Free of Duty     DD   N     N   N       N     N             N 00                 N N",
    "DOR B C   B   N    D   I        DOR       N    B  Day Off Requested    --   N     N   N       N     N             N 00                 N N",
    "FAT B C   B   N    D   I   5:00 FAT       D    N  Flt Attendant Trng   FT   N     N   N   T   N     Y       N     N 00    8:00 18:00   Y N N",
    "FLS B P   B   N    D   I   4:00 FLS       DD   N  Flight Simulator     FS   N     N   N   T   N     Y       N     N 00    9:00 15:00   Y N N",
    "FOC B C   B   N    D   I   5:00 FOC       D    N  Familiarization Crse FC   N     N   N   T   N     Y       N     N 00    8:00 18:00   Y N N",
    "FRN B C   B   N    D   I   5:00 FRN       D    N  French Language Test FN   N     N   N   T   N     Y       N     N 00    8:00 18:00   Y N N",
    "FSA B C   B   N    D   I   5:00 FSA       D    N  Flight Safety Trng   FA   N     N   N   T   N     Y       N     N 00    8:00 18:00   Y N N",
    "GO  B C   B   N    D   I        GO        N    B  Guaranteed Day Off   GO   N     N   N       N     N             N 00                 N N",
    "GO  B P   B   N    D   I        GO        N    B  Guaranteed Day Off   GO   N     N   N       N     N             N 00                 N N",
    "GS  B P   B   N    D   I   4:30 GS        D    N  Ground School        GS   N     N   N   T   N     Y       N     N 00    9:00 17:00   Y N N",
    "GSI B P   B   N    D   I   4:30 GSI       D    P  Ground School Instr  GI   N     N   N       Y     N       N     N 00    9:00 17:00   Y N N",
    "HTL B C   B   N    D   I        HTL       N    B  Hotel Night          HO   N     N   N       N     N             N 00                 N N",
    "IDO B P   B   N    D   I   4:30 IDO       N    P  Interrupted Day Off  I8   N     N   N       N     N             N 00   12:00 16:00   Y N",
    "INS B C   B   N    D   I   5:00 INS       D    P  Instructor Duty      IS   N     N   N       Y     N       N     N 00    8:00 18:00   Y N N",
    "IPT B P   B   N    D   I   4:00 IPT       DD   N  Integrated Proc Trnr IP   N     N   N   T   N     Y       N     N 00    9:00 15:00   Y N N",
    "ITR B P   B   N    D   I   4:30 ITR       D    N  Initial Training     IT   N     N   N   T   N     Y       N     N 00    9:00 17:00   Y N N",
    "LDS B C   B   N    D   I   5:00 LDS       D    N  Leadership Training  LS   N     N   N   T   N     Y       N     N 00    8:00 18:00   Y N N",
    "LOA B C   B   N    D   I        LOA       N    B  Leave of Absence     LA   N     N   N       N     N             N 00                 N N",
    "LOA B P   B   N    D   I        LOA       N    B  Leave of Absence     LA   N     N   N       N     N             N 00                 N N",
    "MAT B C   B   N    D   I        MAT       N    B  Maternity Leave      MT   N     N   N       N     N             N 00                 N N",
    "MAT B P   B   N    D   I        MAT       N    B  Maternity Leave      MT   N     N   N       N     N             N 00                 N N",
    "MED B C   B   N    D   I        MED       N    B  Medical Leave        MD   N     N   N       N     N             N 00                 N N",
    "MED B P   B   N    D   I        MED       N    B  Medical Leave        MD   N     N   N       N     N             N 00                 N N",
    "MOV B C   B   N    D   I   5:00 MOV       N    P  Moving Day           MV   N     N   N       N     N             N 00   12:00 16:00   Y N",
    "MOV B P   B   N    D   I   4:30 MOV       N    P  Moving Day           MV   N     N   N       N     N             N 00   12:00 16:00   Y N",
    "MOD B C   B   N    D   I        MOD       N    B  Modified Work        MW   N     N   N       N     N             N 00                 N N",
    "OF  B C   B   N    D   I   5:00 OFF       D    P  Office Day           OC   N     N   N       Y     N       N     N 00    8:00 18:00   Y N N",
    "OF  B P   B   N    D   I   4:30 OFF       D    P  Office Day           OC   N     N   N       Y     N       N     N 00    9:00 17:00   Y N N",
    "REC B C   B   N    D   I   5:00 REC       D    N  Recurrent Training   RT   N     N   N   T   N     Y       N     N 00    8:00 18:00   Y N N",
    "RA  B C   O   N    D   I        RSA       D    N  Reserve A            RA   Y     N   N       N     N       N     Y 00    4:00 18:00   N N N",
    "RA  B P   O   N    D   I        RSA       DD   N  Reserve A            RA   Y     N   N       N     N       N     Y 00    4:00 18:00   N N N",
    "RB  B C   O   N    D   I        RSB       D    N  Reserve B            RB   Y     N   N       N     N       N     Y 00   12:00 02:00   N N N",
    "RB  B P   O   N    D   I        RSB       DD   N  Reserve B            RB   Y     N   N       N     N       N     Y 00   12:00 02:00   N N N",
    "RE  B C   O   N    D   I        RSE       D    N  Reserve E            RE   Y     N   N       N     N       N     Y 00    8:00 22:00   N N N",
    "RCK B P   O   N    D   I        RCK       DD   N  Reserve Check Pilot  RK   Y     N   N       N     N       N     Y 00    6:00 20:00   N N N",
    "SDO B P   B   N    D   I        SDO       N    B  Scheduled Day Off    SO   N     N   N       N     N             N 00                 N N",
    "SEC B C   B   N    D   I   5:00 SEC       D    N  Security Training    SC   N     N   N   T   N     Y       N     N 00    8:00 18:00   Y N N",
    "SEC B P   B   N    D   I   4:30 SEC       D    N  Security Training    SC   N     N   N   T   N     Y       N     N 00    9:00 17:00   Y N N",
    "SEW B P   B   N    D   E   4:30 SEW       D    N  Safety Emerg OutWin  SW   N     N   N   T   N     Y       N     N 00    9:00 17:00   Y N N",
    "SIM B P   B   N    D   I   4:00 SIM       DD   N  Simulator Day        SM   N     N   N   T   N     Y       N     N 00    9:00 15:00   Y N N",
    "STA B P   B   N    D   I   4:30 STA       N    P  Statutory Holiday    SA   N     N   N       N     N             N 00   12:00 16:00   Y N",
    "STA B C   B   N    D   I   5:00 STA       N    P  Statutory Holiday    SA   N     N   N       N     N             N 00   12:00 16:00   Y N",
    "STT B P   B   N    D   I   4:30 STT       N    P  Stat Holiday Taken   ST   N     N   N       N     N             N 00   12:00 16:00   Y N",
    "STT B C   B   N    D   I   5:00 STT       N    P  Stat Holiday Taken   ST   N     N   N       N     N             N 00   12:00 16:00   Y N",
    "TBK B C   B   N    D   I   5:00 TBK       N    P  Time Bank Day        TK   N     N   N       N     N             N 00   12:00 16:00   Y N",
    "TEA B C   B   N    D   I   5:00 TEA       D    N  Team Training        TE   N     N   N   T   N     Y       N     N 00    8:00 18:00   Y N N",
    "TRN B C   B   N    D   I   5:00 TRN       D    N  Training             TN   N     N   N   T   N     Y       N     N 00    8:00 18:00   Y N N",
    "TRN B P   B   N    D   I   4:30 TRN       D    N  Training             TN   N     N   N   T   N     Y       N     N 00    9:00 17:00   Y N N",
    "TVL B C   B   N    D   I   2:00 TVL       D    N  Travel               TL   N     N   N       N     N       N     N 00   10:00 14:00   Y N N",
    "TVL B P   B   N    D   I   2:00 TVL       DD   N  Travel               TL   N     N   N       N     N       N     N 00   10:00 14:00   Y N N",
    "TVU B C   B   N    D   I        TVU       D    N  Travel No Credit     TU   N     N   N       N     N       N     N 00   10:00 14:00   N N N",
    "TVU B P   B   N    D   I        TVU       DD   N  Travel No Credit     TU   N     N   N       N     N       N     N 00   10:00 14:00   N N N",
    "TVS B P   B   N    D   I   2:00 TVS       DD   N  Travel to Simulator  TS   N     N   N       N     N       N     N 00   10:00 14:00   Y N N",
    "UNF B C   B   N    D   I        UNF       N    B  Unfit for Duty       UN   N     N   N       N     N             N 00                 N N",
    "UTF B C   B   N    D   I        UTF       N    B  Unfit to Fly         UF   N     N   N       N     N             N 00                 N N",
    "UTF B P   B   N    D   I        UTF       N    B  Unfit to Fly         UF   N     N   N       N     N             N 00                 N N",
    "VAC B C   B   N    D   I   2:50 VAC       N    P  Vacation             VC   N     N   N   V   N     N             N 00   12:00 16:00   Y N",
    "VAC B P   B   N    D   I   2:50 VAC       N    P  Vacation             VC   N     N   N   V   N     N             N 00   12:00 16:00   Y N",
    "VAU B P   B   N    D   I        VAU       N    B  Vacation Unpaid      VU   N     N   N   V   N     N             N 00                 N N",
    "VAU B C   B   N    D   I        VAU       N    B  Vacation Unpaid      VU   N     N   N   V   N     N             N 00                 N N",
    "SIW B P   B   N    D   E   4:00 SIW       DD   N  Simulator Day OutWin 74   N     N   N   T   N     Y       N     N 00    9:00 15:00   Y N N",
    "CRW B P   B   N    D   E   4:30 CRW       D    N  CRM OutWin           CW   N     N   N   T   N     Y       N     N 00    9:00 17:00   Y N N",
    "GRW B P   B   N    D   E   4:30 GRW       D    N  Ground School OutWin GW   N     N   N   T   N     Y       N     N 00    9:00 17:00   Y N N",
    "LCK B P   B   N    D   I   4:30 LCK       DD   N  Line Check           LC   N     N   N   T   N     Y       N     N 00    9:00 17:00   Y N N",
    "SMI B P   B   N    D   I   4:00 SMI       DD   N  Simulator Instructor SI   N     N   N   T   N     Y       N     N 00    9:00 15:00   Y N N",
    "VTP B P   B   N    D   I   5:18 VTP       N    P  Vacation Time Paid   VT   N     N   N   V   N     N             N 00   12:00 16:00   Y N",
    "WCB B C   B   N    D   I        WCB       N    B  Workers Compensation 64   N     N   N       N     N             N 00                 N N",
    "WCB B P   B   N    D   I        WCB       N    B  Workers Compensation 64   N     N   N       N     N             N 00                 N N",
    "LTD B C   B   N    D   I        LTD       N    B  Long Term Disability LD   N     N   N       N     N             N 00                 N N",
    "LTD B P   B   N    D   I        LTD       N    B  Long Term Disability LD   N     N   N       N     N             N 00                 N N",
    "PSD B C   B   N    D   I        PSD       N    B  Sick Disability      PD   N     N   N       N     N             N 00                 N N",
    "PSD B P   B   N    D   I        PSD       N    B  Sick Disability      PD   N     N   N       N     N             N 00                 N N",
    "IPW B P   B   N    D   E   4:00 IPW       DD   N  Proc Trainer OutWin  IW   N     N   N   T   N     Y       N     N 00    9:00 15:00   Y N N",
    "CPW B P   B   N    D   E   4:00 CPW       DD   N  CPT OutWin           68   N     N   N   T   N     Y       N     N 00    9:00 15:00   Y N N",
    "CBW B P   B   N    D   E   4:30 CBW       D    N  CBT OutWin           BW   N     N   N   T   N     Y       N     N 00    9:00 17:00   Y N N",
    "SEW B P   B   N    D   E   4:30 SEW       D    N  Safety Emerg OutWin  SW   N     N   N   T   N     Y       N     N 00    9:00 17:00   Y N N",
    "TVW B P   B   N    D   E   2:00 TVW       DD   N  Travel OutWin        TW   N     N   N       N     N       N     N 00   10:00 14:00   Y N N",
    "ALP B P   B   N    D   I   4:30 ALP       N    P  Union Leave Paid     53   N     N   N       N     N             N 00   12:00 16:00   Y N",
    "SCK B P   B   N    D   I   4:00 SCK       DD   N  Simulator Check      54   N     N   N   T   N     Y       N     N 00    9:00 15:00   Y N N",
    "LCK B P   B   N    D   I   4:30 LCK       DD   N  Line Check           62   N     N   N   T   N     Y       N     N 00    9:00 17:00   Y N N",
    "LCP B P   B   N    D   I   4:30 LCP       DD   N  Line Check Pilot     59   N     N   N   T   N     Y       N     N 00    9:00 17:00   Y N N",
    "SMI B P   B   N    D   I   4:00 SMI       DD   N  Simulator Instructor SU   N     N   N   T   N     Y       N     N 00    9:00 15:00   Y N N",
    "LPC B P   B   N    D   I   4:00 LPC       DD   N  Licence Prof Check   LC   N     N   N   T   N     Y       N     N 00    9:00 15:00   Y N N",
    "GDV B P   B   N    D   I        GDV       N    B  Golden Day Off       GV   N     N   N       N     N             N 00                 N N",
    "DDT B P   B   N    D   I   4:30 DDT       D    N  Dangerous Goods Trng 49   N     N   N   T   N     Y       N     N 00    9:00 17:00   Y N N",
    "IPI B P   B   N    D   I   4:30 IPI       D    N  Instructor Initial   56   N     N   N   T   N     Y       N     N 00    9:00 17:00   Y N N",
    "RSF B C   B   N    D   I        RSF       N    B  Rest Free Day        67   N     N   N       N     N             N 00                 N N",
    "RSF B P   B   N    D   I        RSF       N    B  Rest Free Day        67   N     N   N       N     N             N 00                 N N",
    "OWP B C   B   N    D   I   5:00 OWP       N    P  Off With Pay         H9   N     N   N       N     N             N 00   12:00 16:00   Y N",
    "OWP B P   B   N    D   I   4:30 OWP       N    P  Off With Pay         52   N     N   N       N     N             N 00   12:00 16:00   Y N",
    "ONP B C   B   N    D   I        ONP       N    B  Off No Pay           OP   N     N   N       N     N             N 00                 N N",
    "ONP B P   B   N    D   I        ONP       N    B  Off No Pay           OP   N     N   N       N     N             N 00                 N N",
    "FPG B C   B   N    D   I   5:00 FPG       N    P  Pay Guarantee        FG   N     N   N       N     N             N 00   12:00 16:00   Y N",
    "FPG B P   B   N    D   I   4:30 FPG       N    P  Pay Guarantee        FG   N     N   N       N     N             N 00   12:00 16:00   Y N",
    "BEV B C   B   N    D   I   5:00 BEV       N    P  Bereavement Leave    BV   N     N   N       N     N             N 00   12:00 16:00   Y N",
    "BEV B P   B   N    D   I   4:30 BEV       N    P  Bereavement Leave    BV   N     N   N       N     N             N 00   12:00 16:00   Y N",
    "SKU B C   B   N    D   I        SKU       N    B  Sick Unpaid          61   N     N   N       N     N             N 00                 N N",
    "SKU B P   B   N    D   I        SKU       N    B  Sick Unpaid          61   N     N   N       N     N             N 00                 N N",
    "RTA B C   B   N    D   I        RTA       N    B  Rest Time Away       69   N     N   N       N     N             N 00                 N N",
    "RTA B P   B   N    D   I        RTA       N    B  Rest Time Away       69   N     N   N       N     N             N 00                 N N",
};
// clang-format on

std::string TrimmedRight(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::string(text);
}

char At(std::string_view row, std::size_t pos) {
    return pos < row.size() ? row[pos] : ' ';
}

int ClockOf(std::string_view row, int hours, int minutes, EventLog* log) {
    return GetInt(row, hours, 2, log) * 60 + GetInt(row, minutes, 2, log);
}

} // namespace

std::string_view BuiltInCodeRow(int index) {
    if (index < 0 || index >= kBuiltInCodeRows) return {};
    return kRows[static_cast<std::size_t>(index)];
}

std::optional<BuiltInCode> ReadBuiltInCodeRow(std::string_view row, EventLog* log) {
    if (row.size() < static_cast<std::size_t>(kBuiltInRowMinimum)) {
        if (log && log->IsOpen()) log->Write("Bornemann Codes Data Error\n");
        return std::nullopt;
    }
    BuiltInCode code;
    TAbsence& a = code.fields;
    a.Code = TrimmedRight(row.substr(0, 3));
    a.TrackingCode = std::string(row.substr(71, 2));
    a.Caption = TrimmedRight(row.substr(50, 20));
    a.Credit = ClockOf(row, 26, 29, log);
    a.StartTime = ClockOf(row, 121, 124, log);
    a.EndTime = ClockOf(row, 127, 130, log);
    a.HardTime = 0;
    a.ContainsDuty = At(row, 42) == 'D';
    a.CarsDuty = At(row, 43) == 'D';
    a.CountsCredit = true;
    a.InToolbox = true;
    code.crewKind = At(row, 6);
    code.outsideWindow = At(row, 23) == 'E';
    return code;
}

char CrewKindOf(int crewType) {
    return crewType == kCabinCrew ? 'C' : 'P';
}

std::optional<TAbsence> Schedule::FindCodeByTracking(std::string_view trackingCode, int crewType) const {
    if (CodeCount > 0) {
        const int count = std::min(CodeCount, kMaxCodes);
        for (int i = 0; i < count; ++i)
            if (Codes[static_cast<std::size_t>(i)].TrackingCode == trackingCode)
                return Codes[static_cast<std::size_t>(i)];
        return std::nullopt;
    }
    const char kind = CrewKindOf(crewType);
    for (int i = 0; i < kBuiltInCodeRows; ++i) {
        const std::optional<BuiltInCode> row = ReadBuiltInCodeRow(BuiltInCodeRow(i), Log);
        if (!row || row->crewKind != kind || row->fields.TrackingCode != trackingCode) continue;
        TAbsence found = row->fields;
        if (kind == 'C') found.CarsDuty = false; // the CARs duty column is the pilots'
        return found;
    }
    return std::nullopt;
}

} // namespace tq

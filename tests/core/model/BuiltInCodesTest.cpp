#include "model/BuiltInCodes.h"
#include "model/Schedule.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tq {
namespace {

// The crew system's list: code/crew kind/tracking code of each row, in table order.
constexpr const char* kListOrder =
    "5HS/C/5H 4HS/P/4H ALP/P/AL ALU/P/-- ATJ/C/AJ TQ/C/TQ TQ/P/TQ BRG/C/BR BST/C/BT COB/C/CB COB/P/CB "
    "CPT/P/CP "
    "CBT/P/CT CIR/P/CR CRI/P/CI CRM/C/CM CRM/P/CM DFD/P/DD DOR/C/-- FAT/C/FT FLS/P/FS FOC/C/FC FRN/C/FN "
    "FSA/C/FA "
    "GO/C/GO GO/P/GO GS/P/GS GSI/P/GI HTL/C/HO IDO/P/I8 INS/C/IS IPT/P/IP ITR/P/IT LDS/C/LS LOA/C/LA "
    "LOA/P/LA "
    "MAT/C/MT MAT/P/MT MED/C/MD MED/P/MD MOV/C/MV MOV/P/MV MOD/C/MW OF/C/OC OF/P/OC REC/C/RT RA/C/RA RA/P/RA "
    "RB/C/RB RB/P/RB RE/C/RE RCK/P/RK SDO/P/SO SEC/C/SC SEC/P/SC SEW/P/SW SIM/P/SM STA/P/SA STA/C/SA "
    "STT/P/ST "
    "STT/C/ST TBK/C/TK TEA/C/TE TRN/C/TN TRN/P/TN TVL/C/TL TVL/P/TL TVU/C/TU TVU/P/TU TVS/P/TS UNF/C/UN "
    "UTF/C/UF "
    "UTF/P/UF VAC/C/VC VAC/P/VC VAU/P/VU VAU/C/VU SIW/P/74 CRW/P/CW GRW/P/GW LCK/P/LC SMI/P/SI VTP/P/VT "
    "WCB/C/64 "
    "WCB/P/64 LTD/C/LD LTD/P/LD PSD/C/PD PSD/P/PD IPW/P/IW CPW/P/68 CBW/P/BW SEW/P/SW TVW/P/TW ALP/P/53 "
    "SCK/P/54 "
    "LCK/P/62 LCP/P/59 SMI/P/SU LPC/P/LC GDV/P/GV DDT/P/49 IPI/P/56 RSF/C/67 RSF/P/67 OWP/C/H9 OWP/P/52 "
    "ONP/C/OP "
    "ONP/P/OP FPG/C/FG FPG/P/FG BEV/C/BV BEV/P/BV SKU/C/61 SKU/P/61 RTA/C/69 RTA/P/69";

TEST(BuiltInCodes, RowsInTheOrderOfTheList) {
    std::istringstream list(kListOrder);
    std::string item;
    int index = 0;
    int toolboxPilots = 0, toolboxCabin = 0;
    while (list >> item) {
        const std::optional<BuiltInCode> row = ReadBuiltInCodeRow(BuiltInCodeRow(index), nullptr);
        ASSERT_TRUE(row) << index;
        EXPECT_EQ(row->fields.Code + "/" + row->crewKind + "/" + row->fields.TrackingCode, item) << index;
        EXPECT_GE(BuiltInCodeRow(index).size(), 132u) << item;
        if (index < kBuiltInToolboxRows && BuiltInCodeRow(index)[71] != ' ')
            ++(row->crewKind == 'P' ? toolboxPilots : toolboxCabin);
        ++index;
    }
    EXPECT_EQ(index, kBuiltInCodeRows);
    EXPECT_EQ(BuiltInCodeRow(117), "");
    EXPECT_EQ(BuiltInCodeRow(-1), "");
    // The toolbox of a schedule without codes: 48 pilot buttons, 41 cabin buttons.
    EXPECT_EQ(toolboxPilots, 48);
    EXPECT_EQ(toolboxCabin, 41);
}

TEST(BuiltInCodes, TheListedRowsAreExact) {
    struct Case {
        int index;
        const char* row;
    } cases[] = {
        {0, "5HS B C   B   N    D   I   5:00 5HS       D    N  HEALTH AND SAFETY 5  5H   N     N   Y       Y "
            "    Y   P  "
            "       N 00    8:00 18:00 P Y N"},
        {49, "RB  B P   O   N    D   I        RSB       DD   N  Reserve B            RB   Y     N   N       "
             "N     N      "
             " N     Y 00   12:00 02:00   N N N"},
        {74, "VAC B P   B   N    D   I   2:50 VAC       N    P  Vacation             VC   N     N   N   V   "
             "N     N      "
             "       N 00   12:00 16:00   Y N"},
        {77, "SIW B P   B   N    D   E   4:00 SIW       DD   N  Simulator Day OutWin 74   N     N   N   T   "
             "N     Y      "
             " N     N 00    9:00 15:00   Y N N"},
        {5, "TQ  B C   B   N    D   I   5:00 TQD       D    P  Tarvelstrand Day     TQ   N     N   N       Y "
            "    N       "
            "N     N 00    8:00 18:00   Y N N"},
        {6, "TQ  B P   B   N    D   I   4:30 TQD       D    P  Tarvelstrand Day     TQ   N     N   N       Y "
            "    N       "
            "N     N 00    9:00 17:00   Y N N"},
    };
    for (const auto& c : cases) EXPECT_EQ(BuiltInCodeRow(c.index), c.row) << c.index;
}

TEST(BuiltInCodes, FieldsOfARow) {
    const auto siw = ReadBuiltInCodeRow(BuiltInCodeRow(77), nullptr);
    ASSERT_TRUE(siw);
    EXPECT_EQ(siw->fields.Code, "SIW");
    EXPECT_EQ(siw->fields.Caption, "Simulator Day OutWin");
    EXPECT_EQ(siw->fields.Credit, 240);
    EXPECT_EQ(siw->fields.StartTime, 540);
    EXPECT_EQ(siw->fields.EndTime, 900);
    EXPECT_TRUE(siw->fields.ContainsDuty);
    EXPECT_TRUE(siw->fields.CarsDuty);
    EXPECT_TRUE(siw->outsideWindow);
    EXPECT_TRUE(siw->fields.CountsCredit);
    EXPECT_EQ(siw->fields.HardTime, 0);

    const auto hs = ReadBuiltInCodeRow(BuiltInCodeRow(0), nullptr);
    EXPECT_EQ(hs->fields.Caption, "HEALTH AND SAFETY 5");
    EXPECT_EQ(hs->fields.Credit, 300);
    EXPECT_FALSE(hs->fields.CarsDuty);
    EXPECT_FALSE(hs->outsideWindow);
}

TEST(BuiltInCodes, AShortRowIsADataError) {
    test::RecordingEventLog log;
    EXPECT_FALSE(ReadBuiltInCodeRow("5HS B C   B   N    D   I   5:00", &log));
    EXPECT_EQ(log.text, "Bornemann Codes Data Error\n");
    log.text.clear();
    // Long enough for the tracking code but not for the times: those read as 0.
    const auto cut = ReadBuiltInCodeRow(BuiltInCodeRow(77).substr(0, 73), &log);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->fields.TrackingCode, "74");
    EXPECT_EQ(cut->fields.StartTime, 0);
    EXPECT_EQ(cut->fields.EndTime, 0);
    std::string fourShortReads;
    for (int i = 0; i < 4; ++i) fourShortReads += "Cannot GetInt. String too Short\n";
    EXPECT_EQ(log.text, fourShortReads);
}

TEST(FindCodeByTracking, BuiltInRowsOfTheScheduleCrewKind) {
    Schedule s;
    struct Case {
        const char* tracking;
        int crewType;
        const char* code; // empty: not found
        int credit, start, length;
        bool duty, cars;
    } cases[] = {
        {"OC", kCaptains, "OF", 270, 540, 480, true, false},
        {"OC", kCabinCrew, "OF", 300, 480, 600, true, false},
        {"RB", kFirstOfficers, "RB", 0, 720, 840, true, true},
        {"RB", kCabinCrew, "RB", 0, 720, 840, true, false},
        {"TQ", kCabinCrew, "TQ", 300, 480, 600, true, false},
        {"TQ", kCaptains, "TQ", 270, 540, 480, true, false},
        {"74", kCaptains, "SIW", 240, 540, 360, true, true},
        {"74", kCabinCrew, "", 0, 0, 0, false, false},
        {"5H", kCaptains, "", 0, 0, 0, false, false},
        {"5H", kCabinCrew, "5HS", 300, 480, 600, true, false},
        {"VC", kCaptains, "VAC", 170, 720, 240, false, false},
        {"LC", kFirstOfficers, "LCK", 270, 540, 480, true, true}, // the first of two rows with LC
        {"SM", kCaptains, "SIM", 240, 540, 360, true, true},
        {"DD", kCaptains, "DFD", 0, 0, 0, false, false},
        {"ZZ", kCaptains, "", 0, 0, 0, false, false},
        {"", kCaptains, "", 0, 0, 0, false, false},
    };
    for (const auto& c : cases) {
        const std::optional<TAbsence> found = s.FindCodeByTracking(c.tracking, c.crewType);
        if (std::string(c.code).empty()) {
            EXPECT_FALSE(found) << c.tracking << " " << c.crewType;
            continue;
        }
        ASSERT_TRUE(found) << c.tracking << " " << c.crewType;
        EXPECT_EQ(found->Code, c.code) << c.tracking;
        EXPECT_EQ(found->TrackingCode, c.tracking);
        EXPECT_EQ(found->Credit, c.credit) << c.tracking;
        EXPECT_EQ(found->StartTime, c.start) << c.tracking;
        EXPECT_EQ(found->Length(), c.length) << c.tracking;
        EXPECT_EQ(found->ContainsDuty, c.duty) << c.tracking;
        EXPECT_EQ(found->CarsDuty, c.cars) << c.tracking;
        EXPECT_TRUE(found->CountsCredit);
        EXPECT_EQ(found->HardTime, 0);
    }
}

TEST(FindCodeByTracking, TheCodeTableComesFirst) {
    Schedule s;
    s.Codes[0].Code = "RSV";
    s.Codes[0].TrackingCode = "RA";
    s.Codes[1].Code = "SIM";
    s.Codes[1].TrackingCode = "SM";
    s.Codes[1].Credit = 300;
    s.Codes[1].CountsCredit = false;
    s.Codes[2].Code = "SM2";
    s.Codes[2].TrackingCode = "SM";
    s.Codes[3].TrackingCode = "OC"; // beyond CodeCount
    s.CodeCount = 3;
    const auto sim = s.FindCodeByTracking("SM", kCaptains);
    ASSERT_TRUE(sim);
    EXPECT_EQ(sim->Code, "SIM");
    EXPECT_EQ(sim->Credit, 300);
    EXPECT_FALSE(sim->CountsCredit);
    EXPECT_FALSE(s.FindCodeByTracking("OC", kCaptains)); // no fall-back to the built-in rows
    s.CodeCount = 5000;                                  // a count beyond the table is bounded
    EXPECT_TRUE(s.FindCodeByTracking("OC", kCaptains));
}

} // namespace
} // namespace tq

#include "model/TPair.h"
#include "model/StationTable.h"
#include "platform/Format.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

// A two-day pairing that passes validation in a 30-day month: 07:00 report, released 18:00 on
// the second day, operating on day 3.
TPair TwoDayPairing() {
    TPair p(Date::FromDmy(11, 12, 2026));
    p.DutyStartTime = 420;
    p.DutyEndTime = 1080;
    p.LengthDays = 2;
    p.Tafb = 1440 + 660;
    p.TotalCredit = 600;
    p.DailyCredit[0] = 300;
    p.DailyCredit[1] = 300;
    p.DailyStartTime[0] = 420;
    p.DailyStartTime[1] = 360;
    p.OperatesOn[3] = kOpen;
    p.PairingNumber = 8123;
    p.BaseEqp = "Z8";
    return p;
}

// A duty-period record of a pairing file: duty at columns 48-51, rest at 52-56, station at 57-59.
std::string DutyRecord(int duty, int rest, const std::string& station) {
    std::string line(60, ' ');
    line[0] = '3';
    line.replace(47, 4, Format("%04d", duty));
    line.replace(51, 5, Format("%05d", rest));
    line.replace(56, 3, station);
    return line + "\n";
}

TEST(TPair, ResetGivesTheDefaultsAndKeepsTheCreationDate) {
    TPair p = TwoDayPairing();
    p.MinRestAfter = 780;
    p.PrgText = "1Z8123\n";
    p.OvernightDuty = 1;
    p.Reset();
    EXPECT_EQ(p.CreatedDate, Date::FromDmy(11, 12, 2026));
    EXPECT_EQ(p.MinRestAfter, 660);
    EXPECT_EQ(p.DutyStartTime, 0);
    EXPECT_EQ(p.LengthDays, 0);
    EXPECT_EQ(p.OvernightDuty, 0);
    EXPECT_EQ(p.OperatesOn[3], 0);
    EXPECT_EQ(p.PrgText, "");
    EXPECT_EQ(p.BaseEqp, "");
}

TEST(TPairValidate, AGoodPairingPasses) {
    TPair p = TwoDayPairing();
    EXPECT_TRUE(p.Validate(30, ""));
    EXPECT_EQ(p.Valid, 1);
    EXPECT_EQ(p.ValidationMessage, "");
    EXPECT_EQ(p.CountedDays, 2);
    EXPECT_EQ(p.DutyStartOfDay[0], 420);
    EXPECT_EQ(p.DutyStartOfDay[1], -1);
}

TEST(TPairValidate, EachFailureHasItsMessage) {
    struct Case {
        const char* name;
        void (*change)(TPair&);
        const char* message;
    } cases[] = {
        {"credits 300+200 of 510", [](TPair& p) { p.DailyCredit[1] = 200, p.TotalCredit = 510; },
         "Credit for each Day does not add up to Total Credit\n"},
        {"start 1441", [](TPair& p) { p.DutyStartTime = 1441; }, "Duty Start Time < 00:01 or > 24:00. "},
        {"start -1", [](TPair& p) { p.DutyStartTime = -1; }, "Duty Start Time < 00:01 or > 24:00. "},
        {"length 0", [](TPair& p) { p.LengthDays = 0, p.TotalCredit = 0; },
         "Pairing Length < 1 day or > 31 days. "},
        {"length 32", [](TPair& p) { p.LengthDays = 32; }, "Pairing Length < 1 day or > 31 days. "},
        {"only beyond the month", [](TPair& p) { p.OperatesOn[3] = 0, p.OperatesOn[30] = kOpen; },
         "Never Operates "},
        {"credit day 2", [](TPair& p) { p.DailyCredit[1] = -5, p.DailyCredit[0] = 605; },
         "Daily Credit < 00:00 on Day 2. "},
        {"hard day 1", [](TPair& p) { p.DailyHardTime[0] = -1; }, "Daily HardTime < 00:00 on Day 1. "},
        {"start day 2", [](TPair& p) { p.DailyStartTime[1] = 1440; },
         "Daily Start Time < 00:00 or > 23:59 on Day 2. "},
        {"duty day 2", [](TPair& p) { p.DailyDutyTime[1] = -60; }, "Daily Duty Time < 00:00 on Day 2. "},
    };
    for (const auto& c : cases) {
        TPair p = TwoDayPairing();
        c.change(p);
        EXPECT_FALSE(p.Validate(30, "")) << c.name;
        EXPECT_EQ(p.Valid, 0) << c.name;
        EXPECT_EQ(p.ValidationMessage, c.message) << c.name;
    }
}

TEST(TPairValidate, FailuresAccumulateInTheOrderOfTheSteps) {
    TPair p = TwoDayPairing();
    p.DailyStartTime[1] = -1;
    p.DailyDutyTime[1] = -1;
    p.DailyCredit[0] = -10;
    p.OperatesOn[3] = 0;
    p.DutyStartTime = 2000;
    EXPECT_FALSE(p.Validate(30, ""));
    EXPECT_EQ(p.ValidationMessage, "Credit for each Day does not add up to Total Credit\n"
                                   "Duty Start Time < 00:01 or > 24:00. "
                                   "Never Operates "
                                   "Daily Credit < 00:00 on Day 1. "
                                   "Daily Start Time < 00:00 or > 23:59 on Day 2. "
                                   "Daily Duty Time < 00:00 on Day 2. ");
    // A second run starts afresh.
    p = TwoDayPairing();
    p.ValidationMessage = "old";
    p.Valid = 0;
    EXPECT_TRUE(p.Validate(30, ""));
    EXPECT_EQ(p.ValidationMessage, "");
}

TEST(TPairValidate, CountedDaysAndTheMidnightRelease) {
    struct Case {
        int end, length, counted;
    } cases[] = {{90, 2, 1}, {119, 3, 2}, {120, 2, 2}, {90, 1, 1}, {0, 2, 2}, {1440, 2, 2}};
    for (const auto& c : cases) {
        TPair p = TwoDayPairing();
        p.DutyEndTime = c.end;
        p.LengthDays = static_cast<std::uint8_t>(c.length);
        p.TotalCredit = c.length >= 2 ? 600 : 300;
        p.Validate(30, "");
        EXPECT_EQ(p.CountedDays, c.counted) << c.end << " " << c.length;
        p.Validate(30, "");
        EXPECT_EQ(p.CountedDays, c.counted) << "again " << c.end << " " << c.length;
    }
    TPair p = TwoDayPairing();
    p.DutyEndTime = 0;
    p.Validate(30, "");
    EXPECT_EQ(p.DutyEndTime, 1440);
}

TEST(TPairValidate, OvernightDutyAndUsaSegments) {
    TPair p = TwoDayPairing();
    p.PrgText = std::string(112, ' ') + "Y\n";
    p.Validate(30, "");
    EXPECT_EQ(p.OvernightDuty, 1);

    p = TwoDayPairing(); // short pairing-file text: released after 01:59 on the next calendar day
    p.Tafb = 800;
    p.DutyStartTime = 1200;
    p.DutyEndTime = 560;
    p.Validate(30, "");
    EXPECT_EQ(p.OvernightDuty, 1);
    p.DutyEndTime = 119; // released before 02:00: the pairing-file load marks those by its own rule
    p.OvernightDuty = 0;
    p.Validate(30, "");
    EXPECT_EQ(p.OvernightDuty, 0);

    p = TwoDayPairing(); // never cleared here
    p.OvernightDuty = 1;
    p.PrgText = std::string(120, 'N');
    p.Validate(30, "");
    EXPECT_EQ(p.OvernightDuty, 1);

    p.PairingText = "Z8123 ... USA SEGMENTS 2";
    p.Validate(30, "");
    EXPECT_EQ(p.UsaSegments, 1);
    p.PairingText = "Z8123";
    p.Validate(30, "");
    EXPECT_EQ(p.UsaSegments, 0);
}

TEST(TPairValidate, DutyStartsAndLayoverRestsFromThePairingFileLines) {
    const std::string stations = "YUL,-5:00,00:45,Y,YYZ,-5:00,00:20,Y,";
    TPair p = TwoDayPairing();
    p.Tafb = 1320 + 540; // duty 10:00, rest 12:00, then a 9:00 duty
    p.PrgText = "1Z8123 header\n" + DutyRecord(600, 720, "   ") + DutyRecord(0, 720, "YUL") +
                DutyRecord(540, 0, "   ") + DutyRecord(0, 700, "XYZ") + "4trailer\n";
    p.Validate(30, stations);
    EXPECT_EQ(p.DutyStartOfDay[0], 420);
    EXPECT_EQ(p.DutyStartOfDay[1], 300); // 07:00 + 22:00
    EXPECT_EQ(p.DutyStartOfDay[2], -1);  // the walk stops once the offset reaches the time away
    EXPECT_EQ(p.LayoverRest[1], 720 - 60 - 2 * 45);

    p.Tafb = 5000;
    p.Validate(30, stations);
    EXPECT_EQ(p.LayoverRest[1], 700 - 60 - 2 * 30); // the later record of the same day; XYZ is not listed
    EXPECT_EQ(p.LayoverRest[0], 0);
}

TEST(TPairValidate, TheWalkNeverLeavesThe31Days) {
    test::RecordingEventLog log;
    TPair p = TwoDayPairing();
    p.Tafb = 1000000;
    for (int i = 0; i < 40; ++i) p.PrgText += DutyRecord(1000, 440, "YUL") + DutyRecord(0, 700, "YUL");
    p.Validate(30, "", &log);
    EXPECT_EQ(p.DutyStartOfDay[30], 420);
    EXPECT_EQ(log.text, "");

    for (int start : {50000, -5000, 2147483000}) {
        p.DutyStartTime = start;
        p.Validate(30, "", &log);
        EXPECT_FALSE(p.Valid);
    }
    p = TwoDayPairing();
    p.LengthDays = 255;
    p.PrgText = "3short\n";
    EXPECT_FALSE(p.Validate(40, "", &log));
    EXPECT_EQ(log.text, "Cannot GetInt. String too Short\nCannot GetInt. String too Short\n");
}

TEST(TPair, CreditClass) {
    struct Case {
        int total, counted;
        bool overnight;
        int creditClass;
    } cases[] = {
        {598, 2, false, 0}, {600, 2, false, 1}, {719, 2, false, 1}, {720, 2, false, 2}, {839, 2, false, 2},
        {840, 2, false, 3}, {300, 0, false, 0}, {500, 2, true, 3},  {299, 1, true, 0},
    };
    for (const auto& c : cases) {
        TPair p;
        p.TotalCredit = c.total;
        p.CountedDays = static_cast<std::uint8_t>(c.counted);
        p.OvernightDuty = c.overnight ? 1 : 0;
        p.ComputeCreditClass();
        EXPECT_EQ(p.CreditClass, c.creditClass) << c.total << "/" << c.counted;
    }
}

TPair FullPairing() {
    TPair p = TwoDayPairing();
    p.CrewPosition = "CA";
    p.PairingText = "Z8123 YUL";
    p.Stations = "YUL";
    p.FatigueUnits = 7;
    p.PrgText = "1Z8123\n3...\n";
    p.MinRestAfter = 780;
    p.Valid = 1;
    for (int d = 0; d < 31; ++d) {
        p.ExcludedCredit[static_cast<std::size_t>(d)] = d;
        p.DayType[static_cast<std::size_t>(d)] = d % 4;
        p.DailyDutyTime[static_cast<std::size_t>(d)] = 100 + d;
        p.DailyHardTime[static_cast<std::size_t>(d)] = 50 + d;
    }
    p.OperatesOn[5] = -2;
    p.OperatesOn[6] = -1;
    p.OperatesOn[7] = kHeld;
    return p;
}

TEST(TPairStream, RoundTripWritesAbsoluteStatuses) {
    const TPair p = FullPairing();
    ByteWriter w;
    p.WriteFields(w);
    const std::string& bytes = w.Bytes();
    EXPECT_EQ(bytes.size(), 13u + 12 + 31 * 4 + 31 * 16 + (4 + 9) + (4 + 3) + 4 + (4 + 2) + 4 + (4 + 2) +
                                31 * 4 + 4 + (4 + p.PrgText.size()) + 31 * 4);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xA4\x01\x00\x00", 4)); // 420, little-endian
    EXPECT_EQ(bytes[12], '\x02');                                      // LengthDays is one byte

    ByteReader r(bytes);
    TPair q;
    q.ReadFields(r, TPair::kStreamVersion);
    EXPECT_FALSE(r.Failed());
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(q.OperatesOn[5], 2);
    EXPECT_EQ(q.OperatesOn[6], 1);
    EXPECT_EQ(q.OperatesOn[7], 2);
    EXPECT_EQ(q.OperatesOn[3], 1);
    TPair expected = p;
    expected.OperatesOn[5] = 2;
    expected.OperatesOn[6] = 1;
    ByteWriter again;
    q.WriteFields(again);
    ByteWriter want;
    expected.WriteFields(want);
    EXPECT_EQ(again.Bytes(), want.Bytes());
    EXPECT_EQ(q.CreatedDate, p.CreatedDate);
    EXPECT_EQ(q.CrewPosition, "CA");
    EXPECT_EQ(q.PrgText, p.PrgText);
    EXPECT_EQ(q.MinRestAfter, 780);
}

TEST(TPairStream, OlderVersionsLeaveTheirMissingFieldsAlone) {
    const TPair p = FullPairing();
    ByteWriter w;
    p.WriteFields(w);
    const std::string all = w.Bytes();
    // Each version is the one before it plus its own fields at the end.
    const std::size_t v5 = all.size();
    const std::size_t v4 = v5 - 31 * 4;
    const std::size_t v3 = v4 - (4 + p.PrgText.size());
    const std::size_t v2 = v3 - 4;
    const std::size_t v1 = v2 - 31 * 4;
    struct Case {
        std::uint32_t version;
        std::size_t size;
        bool excluded, minRest, prg, dayType;
    } cases[] = {{1, v1, false, false, false, false},
                 {2, v2, true, false, false, false},
                 {3, v3, true, true, false, false},
                 {4, v4, true, true, true, false}};
    for (const auto& c : cases) {
        TPair q;
        q.ExcludedCredit.fill(-7);
        q.MinRestAfter = 999;
        q.PrgText = "kept";
        q.DayType.fill(-3);
        ByteReader r(std::string_view(all).substr(0, c.size));
        q.ReadFields(r, c.version);
        EXPECT_FALSE(r.Failed()) << c.version;
        EXPECT_TRUE(r.AtEnd()) << c.version;
        EXPECT_EQ(q.PairingNumber, 8123);
        EXPECT_EQ(q.CrewPosition, "CA");
        EXPECT_EQ(q.ExcludedCredit[4], c.excluded ? 4 : -7) << c.version;
        EXPECT_EQ(q.MinRestAfter, c.minRest ? 780 : 999) << c.version;
        EXPECT_EQ(q.PrgText, c.prg ? p.PrgText : "kept") << c.version;
        EXPECT_EQ(q.DayType[5], c.dayType ? 1 : -3) << c.version;
    }
}

TEST(TPairStream, ACutOrGarbledRecordFailsTheReader) {
    ByteWriter w;
    FullPairing().WriteFields(w);
    const std::string all = w.Bytes();
    for (std::size_t n = 0; n < all.size(); n += 7) {
        TPair q;
        ByteReader r(std::string_view(all).substr(0, n));
        q.ReadFields(r, TPair::kStreamVersion);
        EXPECT_TRUE(r.Failed()) << n;
    }
    std::string garbled = all;
    garbled.replace(13 + 12 + 31 * 4 + 31 * 16, 4, "\xFF\xFF\xFF\x7F"); // PairingText claims 2 GB
    TPair q;
    ByteReader r(garbled);
    q.ReadFields(r, TPair::kStreamVersion);
    EXPECT_TRUE(r.Failed());
    EXPECT_EQ(q.PairingText, "");
}

TEST(StationTable, ValueOfAListedStation) {
    const std::string table = "YUL,-5:00,00:45,Y,YYZ,-5:00,01:10,Y,YOW,-5:00,25:00,N,YHZ,-4:00,00:3";
    struct Case {
        const char* station;
        int value;
    } cases[] = {
        {"YUL", 45}, {"YYZ", 70}, {"XYZ", 30}, {"YU", 30},  {"YULX", 30},
        {"", 30},    {"Y:0", 30}, {"YOW", 30}, {"YHZ", 30}, {"   ", 30},
    };
    for (const auto& c : cases) EXPECT_EQ(StationValueIn(table, c.station), c.value) << c.station;
    // A code only matches at the start of a record.
    EXPECT_EQ(FindStationRecord("ABC,DEF,00:45,Y,DEF,-5:00,00:20,N,", "DEF"), 16u);
    EXPECT_EQ(FindStationRecord("XABC,-5:00,00:45,Y,", "ABC"), std::string_view::npos);
    EXPECT_EQ(StationValueIn("", "YUL"), 30);
}

} // namespace
} // namespace tq

#include "imports/PairingFile.h"

#include "support/PrgFixtures.h"
#include "support/TestFiles.h"
#include "support/TestWorkspace.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tq {
namespace {

using prg::Ymd;
using test::DayTrip;
using Kind = test::UiEvent::Kind;

// A July 2026 schedule of Toronto DH8 captains (or another crew type) with the loader's fakes.
struct Month : test::TestWorkspace {
    explicit Month(int crewType = kCaptains, Date start = Date::FromDmy(1, 7, 2026),
                   Date end = Date::FromDmy(31, 7, 2026)) {
        EXPECT_TRUE(schedule().SetMonthDates(start, end));
        schedule().CrewType = static_cast<std::uint8_t>(crewType);
        schedule().FileKey = crewType == kCabinCrew ? "YYZ   FAZ" : "YYZDH8CAZ";
    }

    bool Load(const std::string& bytes, std::string_view selection = "", bool allEquipment = false) {
        std::istringstream in(bytes);
        return LoadPairingInput(ws, in, bytes.size(), selection, allEquipment);
    }
    bool Load(const prg::PrgFile& file, std::string_view selection = "", bool allEquipment = false) {
        return Load(file.Text(), selection, allEquipment);
    }

    const TPair& P(int i) const { return ws.schedule.Pairings[static_cast<std::size_t>(i)]; }
    int Count() const { return ws.schedule.LastPairingIndex + 1; }
    // Month day indexes (0 = 1 July) on which pairing i operates.
    std::vector<int> Days(int i) const {
        std::vector<int> days;
        for (int d = 0; d < ws.schedule.DaysInMonth; ++d)
            if (P(i).OperatesOn[static_cast<std::size_t>(d)] != 0) days.push_back(d);
        return days;
    }
    std::vector<std::string> Messages() const { return fakes.ui.Messages(); }
};

// A schedule already holding one loaded pairing, to see what a refused load leaves.
void PreloadOne(Month& m) {
    ASSERT_TRUE(m.Load(prg::PrgFile().Add(DayTrip(8001, {2026, 7, 2}))));
    m.schedule().Modified = false;
    m.ui().events.clear();
}

TEST(PairingFile, RefusedFilesLeaveTheScheduleAsItWas) {
    const std::string header = prg::HeaderLine(DayTrip(8124, {2026, 7, 3}), {2026, 7, 3});
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> messages;
    } cases[] = {
        {"empty",
         "",
         {"[Tarvelstrand] This does not appear to be a valid PRG file. The first char should be 1"}},
        {"leg first",
         prg::PrgFile()
             .Raw(prg::LegLine(DayTrip(8123, {}), {2026, 7, 3}, {}))
             .Add(DayTrip(8123, {2026, 7, 3}))
             .Text(),
         {"[Tarvelstrand] This does not appear to be a valid PRG file. The first char should be 1"}},
        {"binary",
         std::string("\x00\x01\x89PNG\r\n\x1a\n\xff\xfe", 12) + header,
         {"[Tarvelstrand] This does not appear to be a valid PRG file. The first char should be 1"}},
        {"header cut short",
         prg::PrgFile().Add(DayTrip(8123, {2026, 7, 3})).Raw(header.substr(0, 112)).Text(),
         {"[Tarvelstrand] File Error - Unable to Load Pairings from this file. See Next Message Box for "
          "Progress",
          "[Pair Loading Progress] 8123 8124 "}},
        {"no pairing of the base",
         prg::PrgFile()
             .Add([] {
                 auto p = DayTrip(8123, {2026, 7, 3});
                 p.base = 'M';
                 return p;
             }())
             .Text(),
         {"[Tarvelstrand] Unable to load pairings from this file"}},
    };
    for (const auto& c : cases) {
        Month m;
        PreloadOne(m);
        EXPECT_FALSE(m.Load(c.bytes)) << c.name;
        EXPECT_EQ(m.Messages(), c.messages) << c.name;
        EXPECT_EQ(m.Count(), 1) << c.name;
        EXPECT_EQ(m.P(0).PairingNumber, 8001) << c.name;
        EXPECT_FALSE(m.schedule().Modified) << c.name;
        EXPECT_EQ(m.ui().Count(Kind::List), 0) << c.name;
    }
}

TEST(PairingFile, AMissingFileIsNamedInTheMessage) {
    Month m;
    PreloadOne(m);
    test::TempDir dir;
    const std::string name = (dir / "nosuch.PRG").string();
    EXPECT_FALSE(LoadPairingFile(m.ws, name, "", false));
    EXPECT_EQ(m.Messages(), std::vector<std::string>{"[Unable to Open File] " + name});
    EXPECT_EQ(m.Count(), 1);
    // The folder is remembered even so, as the file dialog had gone there.
    EXPECT_EQ(m.fakes.settings.Read("TQ", "LastPRGPath"), dir.Path().string());
}

TEST(PairingFile, LoadsAFileFromDiskAndRemembersItsFolder) {
    Month m;
    test::TempDir dir;
    ASSERT_TRUE(prg::PrgFile().Add(test::ThreeDayLayoverTrip()).Save(dir / "JUL.PRG"));
    EXPECT_TRUE(LoadPairingFile(m.ws, (dir / "JUL.PRG").string(), "", false));
    EXPECT_EQ(m.Count(), 1);
    EXPECT_EQ(m.fakes.settings.Read("TQ", "LastPrgPath"), dir.Path().string());
    EXPECT_TRUE(m.schedule().Modified);
    EXPECT_EQ(m.schedule().LastLoadedPairingIndex, 0);
}

TEST(PairingFile, HeaderFieldsAndTheLayoverPairing) {
    Month m;
    ASSERT_TRUE(m.Load(prg::PrgFile().Add(test::ThreeDayLayoverTrip())));
    const TPair& p = m.P(0);
    EXPECT_EQ(p.PairingNumber, 8123);
    EXPECT_EQ(p.BaseEqp, "Z8");
    EXPECT_EQ(PairingLabel(p), "Z8123");
    EXPECT_EQ(p.CrewPosition, "CA");
    EXPECT_EQ(p.DutyStartTime, 420);
    EXPECT_EQ(p.DutyEndTime, 780);
    EXPECT_EQ(p.Tafb, 3240);
    EXPECT_EQ(p.LengthDays, 3);
    EXPECT_EQ(p.TotalCredit, 870);
    EXPECT_EQ((std::vector<int>{p.DailyCredit[0], p.DailyCredit[1], p.DailyCredit[2]}),
              (std::vector<int>{330, 240, 300}));
    EXPECT_EQ((std::vector<int>{p.DailyStartTime[0], p.DailyStartTime[1], p.DailyStartTime[2]}),
              (std::vector<int>{420, 405, 345}));
    EXPECT_EQ((std::vector<int>{p.DailyDutyTime[0], p.DailyDutyTime[1], p.DailyDutyTime[2]}),
              (std::vector<int>{345, 180, 435}));
    EXPECT_EQ((std::vector<int>{p.DailyHardTime[0], p.DailyHardTime[1], p.DailyHardTime[2]}),
              (std::vector<int>{190, 90, 120}));
    EXPECT_EQ(p.Stations, "YHZBOS"); // the return to base is dropped
    EXPECT_EQ(p.FatigueUnits, 4 * 60 + 60 + 345 + 180 + 435);
    EXPECT_EQ(p.MinRestAfter, 660);
    // Both operating dates; the second header's detail records are not read again.
    EXPECT_EQ(m.Days(0), (std::vector<int>{5, 12}));
    const std::string prgText = prg::PrgFile()
                                    .Add([] {
                                        auto t = test::ThreeDayLayoverTrip();
                                        t.dates.resize(1);
                                        return t;
                                    }())
                                    .Text();
    EXPECT_EQ(p.PrgText, prgText);
}

TEST(PairingFile, ARepeatedHeaderOnlyAddsItsDateAndANumberReusedLaterIsASecondPairing) {
    Month m;
    prg::Pairing first = DayTrip(8123, {2026, 7, 3});
    first.dates = {{2026, 7, 3}, {2026, 7, 4}};
    prg::Pairing second = DayTrip(8124, {2026, 7, 3});
    prg::Pairing again = DayTrip(8123, {2026, 7, 10});
    again.credit = 400;
    ASSERT_TRUE(m.Load(prg::PrgFile().Add(first).Add(second).Add(again)));
    ASSERT_EQ(m.Count(), 3);
    EXPECT_EQ(m.P(0).PairingNumber, 8123);
    EXPECT_EQ(m.Days(0), (std::vector<int>{2, 3}));
    EXPECT_EQ(m.P(0).FatigueUnits, 2 * 60 + 360); // the details under the second date are ignored
    EXPECT_EQ(m.P(0).DailyCredit[0], 330);
    EXPECT_EQ(m.P(1).PairingNumber, 8124);
    EXPECT_EQ(m.P(2).PairingNumber, 8123);
    EXPECT_EQ(m.Days(2), (std::vector<int>{9}));
    EXPECT_EQ(m.P(2).TotalCredit, 400);
    // The log names every header with the count stored before it (the pairing before is stored after).
    EXPECT_EQ(m.log.text, "BeginLoadPRGPairs\nLoading Pair 8123  Index is 0\nLoading Pair 8123  Index is 0\n"
                          "Loading Pair 8124  Index is 0\nLoading Pair 8123  Index is 1\nEndLoadPRGPairs\n");
}

TEST(PairingFile, AReportAt2400OperatesOnTheNextDayFromMidnight) {
    Month m;
    prg::Pairing p = DayTrip(8123, {2026, 7, 3}, 1440);
    p.details = {
        prg::Leg{
            .day = 2, .flight = 1, .from = "YYZ", .to = "YOW", .departs = 60, .arrives = 120, .block = 60},
        prg::Duty{.day = 2, .start = 0, .end = 360, .duty = 360, .station = "YYZ", .credit = 330}};
    ASSERT_TRUE(m.Load(prg::PrgFile().Add(p)));
    EXPECT_EQ(m.P(0).DutyStartTime, 0);
    EXPECT_EQ(m.P(0).DutyEndTime, 360);
    EXPECT_EQ(m.P(0).LengthDays, 1);
    EXPECT_EQ(m.Days(0), std::vector<int>{3}); // 4 July
    EXPECT_EQ(m.P(0).DailyCredit[0], 330);     // the duty counts from the day it reports
    EXPECT_EQ(m.P(0).DailyStartTime[0], 0);
}

TEST(PairingFile, SeatsOfTheCrewTypeMakeOneRecordEach) {
    struct Case {
        int crewType;
        const char* complement;
        std::vector<std::string> positions;
    } cases[] = {
        {kCabinCrew, "PU01FA02", {"PU", "FA", "FA"}},
        {kCabinCrew, "FA03", {"FA", "FA", "FA"}},
        {kCaptains, "CA02FO01", {"CA", "CA"}},
        {kFirstOfficers, "CA02FO01", {"FO"}},
        {kCaptains, "FO01PU01FA02", {}}, // no captain's seat: not stored
        {7, "", {""}},                   // any other crew type: one seat without a position
    };
    for (const auto& c : cases) {
        Month m(c.crewType);
        const bool loaded = m.Load(prg::PrgFile().Add(DayTrip(8123, {2026, 7, 3}, 480, c.complement)), "",
                                   c.crewType != kCaptains);
        EXPECT_EQ(loaded, !c.positions.empty()) << c.complement;
        std::vector<std::string> positions;
        for (int i = 0; i < m.Count(); ++i) positions.push_back(m.P(i).CrewPosition);
        EXPECT_EQ(positions, c.positions) << c.crewType << " " << c.complement;
        for (int i = 0; i < m.Count(); ++i) EXPECT_EQ(m.Days(i), std::vector<int>{2});
    }
}

TEST(PairingFile, DailyCreditsAreBalancedToTheLastDayOrTheDayBefore) {
    struct Case {
        int day1, day2, total;
        int expected1, expected2;
    } cases[] = {
        {300, 0, 450, 450, 0}, // day 2 carries no credit: the day before takes the difference
        {300, 100, 450, 300, 150},
        {300, 200, 450, 300, 150}, // too much is taken off the last day
        {300, 150, 450, 300, 150},
    };
    for (const auto& c : cases) {
        Month m;
        prg::Pairing p = DayTrip(8123, {2026, 7, 3});
        p.tafb = 1800;
        p.credit = c.total;
        p.details = {
            prg::Duty{.day = 1,
                      .start = 480,
                      .end = 900,
                      .duty = 420,
                      .rest = 900,
                      .station = "YUL",
                      .remarks = "HOTEL",
                      .credit = c.day1},
            prg::Duty{.day = 2, .start = 360, .end = 840, .duty = 480, .station = "YYZ", .credit = c.day2}};
        ASSERT_TRUE(m.Load(prg::PrgFile().Add(p)));
        EXPECT_EQ(m.P(0).LengthDays, 2);
        EXPECT_EQ(m.P(0).DailyCredit[0], c.expected1) << c.day1 << "/" << c.day2;
        EXPECT_EQ(m.P(0).DailyCredit[1], c.expected2) << c.day1 << "/" << c.day2;
    }
}

TEST(PairingFile, LengthAndOvernightFollowTheReleaseTime) {
    struct Case {
        int report, tafb;
        int length;
        bool overnight;
    } cases[] = {
        {360, 1080, 1, false}, // release at midnight exactly: still one day
        {1320, 240, 2, false}, // 22:00 to 02:00 the next day: not before 02:00
        {1320, 180, 2, true},  // release 01:00: an overnight duty
        {480, 360, 1, false},
    };
    for (const auto& c : cases) {
        Month m;
        prg::Pairing p = DayTrip(8123, {2026, 7, 3}, c.report);
        p.tafb = c.tafb;
        ASSERT_TRUE(m.Load(prg::PrgFile().Add(p)));
        EXPECT_EQ(m.P(0).LengthDays, c.length) << c.report << "+" << c.tafb;
        EXPECT_EQ(m.P(0).OvernightDuty, c.overnight ? 1 : 0) << c.report << "+" << c.tafb;
    }
}

TEST(PairingFile, RecordsOfAnotherBaseOrEquipmentAreSkippedWhole) {
    Month m;
    prg::Pairing otherBase = DayTrip(8200, {2026, 7, 3});
    otherBase.base = 'M';
    prg::Pairing otherEqp = DayTrip(5300, {2026, 7, 3});
    prg::Pairing anyEqp = DayTrip(4400, {2026, 7, 5});
    // Headers and details alike: 8123, still being built, takes none of the others' details.
    prg::PrgFile file;
    file.Add(DayTrip(8123, {2026, 7, 3})).Add(otherBase).Add(otherEqp).Add(DayTrip(8124, {2026, 7, 4}));
    ASSERT_TRUE(m.Load(file));
    ASSERT_EQ(m.Count(), 2);
    EXPECT_EQ(m.P(0).PairingNumber, 8123);
    EXPECT_EQ(m.P(0).FatigueUnits, 2 * 60 + 360);
    EXPECT_EQ(m.P(1).PairingNumber, 8124);

    Month all;
    ASSERT_TRUE(all.Load(prg::PrgFile().Add(otherEqp).Add(anyEqp).Add(otherBase), "Z", true));
    ASSERT_EQ(all.Count(), 2);
    EXPECT_EQ(all.P(0).PairingNumber, 5300);
    EXPECT_EQ(all.P(1).PairingNumber, 4400);
}

TEST(PairingFile, ADateOutsideTheMonthAddsNoOperatingDay) {
    Month m;
    prg::Pairing p = DayTrip(8123, {2026, 6, 30});
    p.dates = {{2026, 6, 30}, {2026, 7, 1}, {2026, 8, 1}};
    prg::Pairing never = DayTrip(8124, {2026, 8, 2});
    ASSERT_TRUE(m.Load(prg::PrgFile().Add(p).Add(never)));
    ASSERT_EQ(m.Count(), 2);
    EXPECT_EQ(m.Days(0), std::vector<int>{0});
    EXPECT_EQ(m.Days(1), std::vector<int>{});
    const auto* report = m.ui().LastOf(Kind::List);
    ASSERT_NE(report, nullptr);
    EXPECT_NE(std::find(report->lines.begin(), report->lines.end(), "Pair 8124  Never Operates "),
              report->lines.end());
}

TEST(PairingFile, AssignmentsAreKeptOnlyWherePairingsStillOperate) {
    Month m;
    Schedule& s = m.schedule();
    s.EmployeeCount = 2;
    auto& a = s.Employees[0].DayPairing;
    auto& b = s.Employees[1].DayPairing;
    a.fill(kNoPairing);
    b.fill(kNoPairing);
    a[2] = 0; // operates on 3 July: held
    a[5] = 0; // no longer operates on 6 July: cleared
    a[6] = kCodeOnDay;
    b[2] = 0; // the same seat already held: cleared
    b[3] = 1; // operates on 4 July
    b[8] = 7; // no such pairing any more
    prg::Pairing p = DayTrip(8123, {2026, 7, 3});
    prg::Pairing q = DayTrip(8124, {2026, 7, 4});
    ASSERT_TRUE(m.Load(prg::PrgFile().Add(p).Add(q)));
    EXPECT_EQ(a[2], 0);
    EXPECT_EQ(a[5], kNoPairing);
    EXPECT_EQ(a[6], kCodeOnDay);
    EXPECT_EQ(b[2], kNoPairing);
    EXPECT_EQ(b[3], 1);
    EXPECT_EQ(b[8], kNoPairing);
    EXPECT_EQ(m.P(0).OperatesOn[2], kHeld);
    EXPECT_EQ(m.P(1).OperatesOn[3], kHeld);
}

TEST(PairingFile, APairingOverTheClockChangeReleasesAnHourLaterOrEarlier) {
    // March 2026 changes on Sunday 8 March (day 7) at 02:00; November 2026 on Sunday 1 November.
    struct Case {
        Date start, end;
        Ymd date;
        int report, tafb;
        int endTime, length;
    } cases[] = {
        {Date::FromDmy(1, 3, 2026), Date::FromDmy(31, 3, 2026), {2026, 3, 7}, 1200, 600, 420, 2}, // across
        {Date::FromDmy(1, 3, 2026), Date::FromDmy(31, 3, 2026), {2026, 3, 7}, 1200, 360, 180, 2}, // ends at
                                                                                                  // 02:00
        {Date::FromDmy(1, 3, 2026), Date::FromDmy(31, 3, 2026), {2026, 3, 8}, 480, 360, 840, 1},  // after
        {Date::FromDmy(1, 3, 2026), Date::FromDmy(31, 3, 2026), {2026, 3, 6}, 480, 360, 840, 1},  // before
        {Date::FromDmy(1, 10, 2026),
         Date::FromDmy(31, 10, 2026),
         {2026, 10, 31},
         1200,
         600,
         360,
         2}, // none in Oct
        {Date::FromDmy(1, 11, 2026), Date::FromDmy(30, 11, 2026), {2026, 11, 1}, 60, 360, 360, 1}, // back an
                                                                                                   // hour
    };
    for (const auto& c : cases) {
        Month m(kCaptains, c.start, c.end);
        prg::Pairing p = DayTrip(8123, c.date, c.report);
        p.tafb = c.tafb;
        ASSERT_TRUE(m.Load(prg::PrgFile().Add(p)));
        EXPECT_EQ(m.P(0).DutyEndTime, c.endTime) << c.date.month << "/" << c.date.day << " " << c.report;
        EXPECT_EQ(m.P(0).LengthDays, c.length) << c.date.month << "/" << c.date.day << " " << c.report;
    }
}

TEST(PairingFile, SegmentsLeavingUsAirportsMarkThePairing) {
    Month m;
    prg::Pairing toBoston = DayTrip(8123, {2026, 7, 3});
    std::get<prg::Leg>(toBoston.details[0]).to = "BOS";
    std::get<prg::Leg>(toBoston.details[1]).from = "BOS";
    prg::Pairing domestic = DayTrip(8124, {2026, 7, 3});
    prg::Pairing intoUs = DayTrip(8125, {2026, 7, 3});
    std::get<prg::Leg>(intoUs.details[0]).to = "JFK"; // arriving only: "JFK-" never appears
    ASSERT_TRUE(m.Load(prg::PrgFile().Add(toBoston).Add(domestic).Add(intoUs)));
    EXPECT_EQ(m.P(0).UsaSegments, 1);
    EXPECT_TRUE(m.P(0).PairingText.ends_with("\n   USA SEGMENT "));
    EXPECT_EQ(m.P(1).UsaSegments, 0);
    EXPECT_EQ(m.P(2).UsaSegments, 0);
    EXPECT_EQ(m.P(2).PairingText.find("USA"), std::string::npos);
}

TEST(PairingFile, LayoverStationsFollowThePairingDays) {
    Month m;
    prg::Pairing p = DayTrip(8123, {2026, 7, 3});
    p.tafb = 4 * 1440;
    auto duty = [](int day, const char* station, bool layover = true) {
        return prg::Duty{.day = day,
                         .start = 480,
                         .end = 900,
                         .duty = 420,
                         .rest = layover ? 900 : 0,
                         .station = station,
                         .remarks = layover ? "HOTEL" : ""};
    };
    // Two duties on day 1 (the first ends in Montreal), two days off in Halifax, home on day 5:
    // one station for each of the four nights away.
    p.details = {duty(1, "YUL"), duty(1, "YHZ"), duty(4, "YQM"), duty(5, "YYZ", false)};
    ASSERT_TRUE(m.Load(prg::PrgFile().Add(p)));
    EXPECT_EQ(m.P(0).LengthDays, 5);
    EXPECT_EQ(m.P(0).Stations, "YHZYHZYHZYQM");
}

TEST(PairingFile, PilotsGetLongerRestAfterALargeTimeZoneChange) {
    struct Case {
        int crewType, start, end, duty;
        int rest;
    } cases[] = {
        {kCaptains, 480, 900, 420, 660},      // clock times agree with the duty
        {kFirstOfficers, 480, 900, 600, 780}, // three hours more than the clock shows
        {kCaptains, 1380, 60, 120, 660},      // across midnight
        {kCabinCrew, 480, 900, 600, 555},     // cabin crews keep the header's rest
    };
    for (const auto& c : cases) {
        Month m(c.crewType);
        prg::Pairing p = DayTrip(8123, {2026, 7, 3}, 480, "CA01FO01FA01");
        p.minRest = 555;
        p.details = {prg::Duty{.start = c.start, .end = c.end, .duty = c.duty, .station = "YYZ"}};
        ASSERT_TRUE(m.Load(prg::PrgFile().Add(p), "", c.crewType == kCabinCrew));
        EXPECT_EQ(m.P(0).MinRestAfter, c.rest) << c.start << "-" << c.end << " " << c.duty;
    }
}

TEST(PairingFile, LongLinesAreCutAtTheBufferAndNeverReadAsRecords) {
    Month m;
    prg::PrgFile file;
    file.Add(DayTrip(8123, {2026, 7, 3}));
    // A line of 1500 characters whose tail would be a header of its own.
    const std::string tail = prg::HeaderLine(DayTrip(8999, {2026, 7, 9}), {2026, 7, 9});
    file.Raw("5Z8123" + std::string(999 - 6, ' ') + tail);
    file.Add(DayTrip(8124, {2026, 7, 4}));
    ASSERT_TRUE(m.Load(file));
    ASSERT_EQ(m.Count(), 2);
    EXPECT_EQ(m.P(0).PairingNumber, 8123);
    EXPECT_EQ(m.P(1).PairingNumber, 8124);
    // The record that was kept holds exactly the buffer's 999 characters.
    EXPECT_NE(m.P(0).PrgText.find("5Z8123" + std::string(999 - 6, ' ') + "\n"), std::string::npos);
}

TEST(PairingFile, ShortAndGarbledRecordsNeverReadOutOfBounds) {
    Month m;
    prg::PrgFile file;
    file.Add(DayTrip(8123, {2026, 7, 3}));
    file.Raw("2Z8"); // a leg too short for its first text field
    Month shortNumbers;
    prg::PrgFile numbers;
    prg::Pairing p = DayTrip(8123, {2026, 7, 3});
    numbers.Raw(prg::HeaderLine(p, {2026, 7, 3}).substr(0, 150));  // hard times and credit read 0
    numbers.Raw(std::string("3Z8123 ") + std::string(20, '\xff')); // a duty without its columns
    numbers.Raw("3");
    numbers.Raw(std::string("\0\0\0", 3));
    numbers.Raw("4Z7\r");
    EXPECT_FALSE(m.Load(file));
    EXPECT_EQ(m.Messages().back(), "[Pair Loading Progress] 8123 ");
    EXPECT_TRUE(shortNumbers.Load(numbers));
    EXPECT_EQ(shortNumbers.P(0).TotalCredit, 0);
    EXPECT_NE(shortNumbers.log.text.find("Cannot GetInt. String too Short\n"), std::string::npos);
}

TEST(PairingFile, ThreeThousandPairingsLoadAndTheNextIsRefused) {
    auto file = [](int pairings) {
        prg::PrgFile f;
        for (int i = 0; i < pairings; ++i) f.Add(DayTrip(8000 + i % 1000, {2026, 7, 1 + i % 28}));
        return f;
    };
    Month full;
    ASSERT_TRUE(full.Load(file(kMaxPairings)));
    EXPECT_EQ(full.Count(), kMaxPairings);
    EXPECT_EQ(full.Messages(), std::vector<std::string>{});

    Month over;
    ASSERT_TRUE(over.Load(file(kMaxPairings + 2)));
    EXPECT_EQ(over.Count(), kMaxPairings);
    EXPECT_EQ(over.Messages(),
              std::vector<std::string>{
                  "[Tarvelstrand] Maximum Number of Pairings Reached. Not all Pairings Loaded"});
    EXPECT_EQ(over.P(kMaxPairings - 1).PairingNumber, 8999);
    EXPECT_EQ(over.schedule().LastLoadedPairingIndex, kMaxPairings - 1);
}

TEST(PairingFile, ProgressGaugeAndCaptionDuringTheLoad) {
    Month m;
    ASSERT_TRUE(m.Load(prg::PrgFile().Add(DayTrip(8123, {2026, 7, 3})).Add(DayTrip(8124, {2026, 7, 4}))));
    std::vector<std::string> progress;
    for (const auto& e : m.ui().events)
        if (e.kind == Kind::Progress) progress.push_back(e.text);
    EXPECT_EQ(progress, (std::vector<std::string>{"Loading PRG Pairings", "Scanning for USA Segments"}));
    const auto& reading = *std::find_if(m.ui().events.begin(), m.ui().events.end(),
                                        [](const auto& e) { return e.kind == Kind::Progress; });
    EXPECT_EQ(reading.lines.back(), "gauge 100 100%");
    ASSERT_FALSE(m.views.calls.empty());
    EXPECT_EQ(m.views.calls.front(), "Gauge 0/0 Loading Pairs"); // a file of a few hundred bytes
    EXPECT_EQ(m.views.calls.back(), "Gauge 0/0 ");
    EXPECT_NE(std::find(m.views.calls.begin(), m.views.calls.end(), "FileStateChanged"), m.views.calls.end());
}

TEST(PairingFile, CityPairReportCountsBlockTimeAndDeadheadsOfEveryBase) {
    Month m;
    prg::Pairing a = DayTrip(8123, {2026, 7, 3});
    prg::Pairing b = DayTrip(8124, {2026, 7, 4});
    b.details.insert(b.details.begin() + 2,
                     prg::Deadhead{.carrierFlight = "XY0001", .from = "YOW", .to = "YYZ"});
    prg::Pairing other = DayTrip(5123, {2026, 7, 4});
    other.base = 'M';
    ASSERT_TRUE(m.Load(prg::PrgFile().Add(a).Add(b).Add(other)));
    EXPECT_EQ(m.schedule().CityPairReport, std::string(8, ' ') + " ----- Z8 -----  ----- M5 ----- \n"
                                                                 "YYZ-YOW    04:00  DH  0    02:00  DH  0\n"
                                                                 "YOW-YYZ    04:00  DH  1    02:00  DH  0\n");
}

} // namespace
} // namespace tq

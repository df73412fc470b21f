#include "e2e/CliRunner.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace tq::test {
namespace {

TEST(CliNew, AnEmptyMonthWithTheCrewDefaults) {
    TempDir dir;
    const CliResult r = RunCliProgram({"new", "--from", "2026-03-02", "--to", "2026-03-31", "--crew", "fo",
                                       "--key", "YYZDH8FOZ", "-o", (dir / "March.tq2").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto month = nlohmann::json::parse(r.out);
    EXPECT_EQ(month["FileKey"], "YYZDH8FOZ");
    EXPECT_EQ(month["CrewType"], 1);
    EXPECT_EQ(month["DaysInMonth"], 30);
    EXPECT_EQ(month["FirstWeekday"], 1);
    EXPECT_EQ(month["MonthDays"][0], nlohmann::json::array({2, 3, 2026}));
    EXPECT_EQ(month["PriorDays"][30], nlohmann::json::array({1, 3, 2026}));
    EXPECT_EQ(month["DayWeekday"][6], "SU");
    EXPECT_EQ(month["Weekend"][6], true);
    EXPECT_EQ(month["MonthText"], "Mar");
    EXPECT_EQ(month["YearText"], "2026");
    EXPECT_EQ(month["DstChangeTime"], 6 * 1440 + 120);
    EXPECT_EQ(month["DstShift"], 60);
    EXPECT_EQ(month["DaysOffBlockHolder"], 12);
    EXPECT_EQ(month["ReducedMaxBlock"], 2700);
    EXPECT_EQ(month["ReducedMinDaysOff"], 21);
    EXPECT_EQ(month["AvgBlockCredit"], 4650);
    EXPECT_EQ(month["LastPairingIndex"], -1);
    EXPECT_EQ(month["EmployeeCount"], 0);
    EXPECT_EQ(month["History"], "0000");

    const CliResult cabin = RunCliProgram({"new", "--from", "2026-11-01", "--to", "2026-11-30", "--crew",
                                           "fa", "--key", "YULCRJFAM", "-o", (dir / "Nov.tq2").string()});
    ASSERT_EQ(cabin.exitCode, 0) << cabin.err;
    const auto november = nlohmann::json::parse(cabin.out);
    EXPECT_EQ(november["CrewType"], 2);
    EXPECT_EQ(november["DaysOffBlockHolder"], 10);
    EXPECT_EQ(november["ReducedMaxBlock"], 3000);
    EXPECT_EQ(november["ReducedMinDaysOff"], 12);
    EXPECT_EQ(november["DstChangeTime"], 120);
    EXPECT_EQ(november["DstShift"], -60);
}

TEST(CliNew, RefusalsShowTheSystemsMessageAndExit1) {
    TempDir dir;
    const std::string out = (dir / "x.tq2").string();
    struct Case {
        std::vector<std::string> args;
        const char* transcript;
    } cases[] = {
        {{"new", "--from", "2026-07-01", "--to", "2026-08-01", "--crew", "ca", "--key", "YYZDH8CAZ", "-o",
          out},
         "! [Tarvelstrand] The new Month cannot contain more than 31 days.\n"},
        {{"new", "--from", "2026-07-02", "--to", "2026-07-01", "--crew", "ca", "--key", "YYZDH8CAZ", "-o",
          out},
         "! [Tarvelstrand] The new Month cannot end before it starts.\n"},
        {{"new", "--from", "2026-07-01", "--to", "2026-07-31", "--crew", "ca", "--key", "YYZDH8CA", "-o",
          out},
         "! [Tarvelstrand] YYZDH8CA Is Not a Valid Base/Eqp/Status/Pairing Combination\n"},
    };
    for (const auto& c : cases) {
        const CliResult r = RunCliProgram(c.args);
        EXPECT_EQ(r.exitCode, 1) << c.transcript;
        EXPECT_EQ(r.err, c.transcript);
        EXPECT_EQ(r.out, "");
    }
}

TEST(CliNew, UsageErrorsExit2) {
    const std::vector<std::vector<std::string>> cases = {
        {"new", "--from", "2026-07-01", "--to", "2026-07-31", "--crew", "ca", "--key", "YYZDH8CAZ"}, // no -o
        {"new", "--from", "2026-07-01", "--to", "2026-07-31", "--crew", "pu", "--key", "YYZDH8CAZ", "-o",
         "x"},
        {"new", "--from", "2026-02-30", "--to", "2026-03-31", "--crew", "ca", "--key", "YYZDH8CAZ", "-o",
         "x"},
        {"new", "--from", "July", "--to", "2026-07-31", "--crew", "ca", "--key", "YYZDH8CAZ", "-o", "x"},
    };
    for (const auto& args : cases) {
        const CliResult r = RunCliProgram(args);
        EXPECT_EQ(r.exitCode, 2) << args[2] << " " << args[6];
        EXPECT_NE(r.err.find("tarvelstrand-cli"), std::string::npos);
    }
}

} // namespace
} // namespace tq::test

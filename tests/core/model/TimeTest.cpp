#include "model/Time.h"
#include "model/TPair.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

TEST(FormatTime, FormsOfTheThreeFlags) {
    struct Case {
        int minutes;
        bool blankFill, colon;
        const char* text;
    } cases[] = {
        {0, false, true, "00:00"},    {5, true, true, " 0:05"},     {1439, false, false, "2359"},
        {450, false, false, "0730"},  {4650, false, true, "77:30"}, {1440, true, true, "24:00"},
        {-90, false, true, "-1:-30"}, {6015, true, true, "100:15"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatTime(c.minutes, c.blankFill, c.colon), c.text) << c.minutes;
}

TEST(ParseTime, SeparatorLimitAndRefusals) {
    struct Case {
        const char* text;
        bool limit24;
        int minutes;
    } cases[] = {
        {"23:59", true, 1439},
        {"24:00", true, -1},
        {"24:00", false, 1440},
        {"7.5", false, 425},
        {"-1:00", false, -1},
        {"7:30", true, 450},
        {"100:15", false, 6015},
        {"0:00", true, 0},
        {"7:60", false, -1},
        {"7:-5", false, 420},
        {" 0:05", true, 5},
        {" 9:00", true, 540},
        {"8", false, 480},
        {"25", true, -1},
        {"", false, 0},
        {"7:", true, 420},
        {"99999999999:00", false, -1},
        {"12:99999999999", false, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseTime(c.text, c.limit24), c.minutes) << '"' << c.text << '"';
}

TEST(ParseTime, ReadsBackWhatFormatTimeWrote) {
    for (int m : {0, 1, 59, 60, 61, 599, 600, 1439})
        for (bool blank : {false, true}) EXPECT_EQ(ParseTime(FormatTime(m, blank, true), true), m) << m;
}

TEST(GetInt, ReadsTheColumnsAndLogsAShortLine) {
    test::RecordingEventLog log;
    const std::string line = "AB  12x9  -7    ";
    EXPECT_EQ(GetInt(line, 2, 4, &log), 12); // blanks skipped, stops at x
    EXPECT_EQ(GetInt(line, 6, 2, &log), 0);  // starts with a non-digit
    EXPECT_EQ(GetInt(line, 8, 4, &log), -7);
    EXPECT_EQ(GetInt(line, 12, 4, &log), 0);     // blanks give 0
    EXPECT_EQ(GetInt("1234", 0, 4, &log), 1234); // the line ends exactly at the field's end
    EXPECT_EQ(log.text, "");

    const std::string hundred(100, '1');
    EXPECT_EQ(GetInt(hundred, 299, 4, &log), 0);
    EXPECT_EQ(GetInt("123", 0, 4, &log), 0);
    EXPECT_EQ(GetInt("123", -1, 2, &log), 0);
    EXPECT_EQ(log.text, "Cannot GetInt. String too Short\nCannot GetInt. String too Short\n"
                        "Cannot GetInt. String too Short\n");

    log.open = false;
    EXPECT_EQ(GetInt(hundred, 299, 4, &log), 0);
    EXPECT_EQ(GetInt(hundred, 299, 4), 0);
    EXPECT_EQ(log.text.size(), 3 * std::string("Cannot GetInt. String too Short\n").size());
    EXPECT_EQ(GetInt(std::string(40, '9'), 0, 40), 2147483647); // saturates, never overflows
}

TEST(Codes, MonthAndWeekdayCodes) {
    EXPECT_EQ(MonthCode(1), "JAN");
    EXPECT_EQ(MonthCode(7), "JUL");
    EXPECT_EQ(MonthCode(12), "DEC");
    EXPECT_EQ(MonthCode(0), "");
    EXPECT_EQ(MonthCode(13), "");
    EXPECT_EQ(WeekdayCode(0), "SU");
    EXPECT_EQ(WeekdayCode(3), "WE");
    EXPECT_EQ(WeekdayCode(6), "SA");
    EXPECT_EQ(WeekdayCode(7), "");
    EXPECT_EQ(WeekdayCode(-1), "");
}

TEST(CaseHelpers, ChangeLettersOfTheCodePageInPlace) {
    std::string text = "yyz Dh8 \xE9t\xE9 \x9A 1:30";
    ToUpper(text);
    EXPECT_EQ(text, "YYZ DH8 \xC9T\xC9 \x8A 1:30");
    ToLower(text);
    EXPECT_EQ(text, "yyz dh8 \xE9t\xE9 \x9A 1:30");
    std::string sign = "\xD7\xF7"; // multiplication and division signs are not letters
    ToUpper(sign);
    EXPECT_EQ(sign, "\xD7\xF7");
}

TEST(PairingLabel, BaseLetterAndFourDigits) {
    TPair p;
    p.BaseEqp = "Z8";
    p.PairingNumber = 8123;
    EXPECT_EQ(PairingLabel(p), "Z8123");
    p.PairingNumber = 12;
    EXPECT_EQ(PairingLabel(p), "Z0012");
    p.BaseEqp.clear();
    EXPECT_EQ(PairingLabel(p), "0012");
}

} // namespace
} // namespace tq

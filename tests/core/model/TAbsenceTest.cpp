#include "model/TAbsence.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

TEST(TAbsence, ResetValuesAndLength) {
    TAbsence a;
    EXPECT_TRUE(a.CountsCredit);
    EXPECT_TRUE(a.InToolbox);
    EXPECT_FALSE(a.ContainsDuty);
    EXPECT_FALSE(a.CarsDuty);
    EXPECT_EQ(a.Length(), 0);
    a.StartTime = 720;
    a.EndTime = 120;
    EXPECT_EQ(a.Length(), 840); // 12:00 to 02:00 is 14:00
    a.EndTime = 960;
    EXPECT_EQ(a.Length(), 240);
    a.Code = "SIM";
    a.InToolbox = false;
    a.Reset();
    EXPECT_EQ(a.Code, "");
    EXPECT_TRUE(a.InToolbox);
}

TEST(TAbsence, StreamFormHasNoFraming) {
    TAbsence a;
    a.Code = "SIM";
    a.TrackingCode = "SM";
    a.Caption = "Simulator Day";
    a.StartTime = 540;
    a.EndTime = 900;
    a.Credit = 240;
    a.HardTime = 15;
    a.ContainsDuty = true;
    a.CarsDuty = true;
    a.CountsCredit = false;
    ByteWriter w;
    a.Write(w);
    EXPECT_EQ(w.Bytes().size(), (4 + 3) + (4 + 2) + (4 + 13) + 4 * 4 + 4 * 4u);
    EXPECT_EQ(w.Bytes().substr(0, 7), std::string("\x03\x00\x00\x00SIM", 7));
    TAbsence b;
    ByteReader r(w.Bytes());
    b.Read(r);
    EXPECT_FALSE(r.Failed());
    EXPECT_TRUE(r.AtEnd());
    ByteWriter again;
    b.Write(again);
    EXPECT_EQ(again.Bytes(), w.Bytes());
}

TEST(DayOffRequests, CodesAndToolboxCaptions) {
    struct Case {
        int value;
        const char* code;
        const char* caption;
    } cases[] = {
        {0, "", ""},
        {1, "X1", "X1 First Request"},
        {4, "X4", "X4 Forth Request"},
        {9, "X9", "X9 Nineth Request"},
        {10, "XA", "XA Off in the AM"},
        {11, "XP", "X2 Off in the PM"},
        {12, "XM", "XM Off in the Middle of Day"},
        {13, "RGD", ""},
        {14, "RPD", ""},
        {15, "", ""},
        {19, "", ""},
        {20, "X1", ""},
        {51, "X32", ""},
        {52, "", ""},
        {255, "", ""},
        {-1, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CodeName(c.value), c.code) << c.value;
        EXPECT_EQ(RequestToolboxCaption(c.value), c.caption) << c.value;
    }
}

} // namespace
} // namespace tq

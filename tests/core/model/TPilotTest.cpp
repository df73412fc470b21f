#include "model/TPilot.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

TEST(TPilot, ResetValues) {
    TPilot p;
    p.Name = "SMITH J";
    p.DayPairing[4] = 17;
    p.DayDetail[4][2] = 270;
    p.RecheckDone = false;
    p.ExportMark = false;
    p.ClipMark = true;
    p.MinBlockOverride = 4000;
    p.ReservedBlock[3] = 9;
    p.Reset();
    EXPECT_EQ(p.Name, "");
    EXPECT_EQ(p.EmployeeNumber, 0);
    for (int d : p.DayPairing) EXPECT_EQ(d, kNoPairing);
    EXPECT_EQ(p.DayDetail[4][2], 0);
    EXPECT_TRUE(p.RecheckDone);
    EXPECT_TRUE(p.ExportMark);
    EXPECT_FALSE(p.ClipMark);
    for (int slot = 0; slot < 20; ++slot) EXPECT_EQ(p.Block20(slot), 0) << slot;
}

TEST(TPilot, OnLeaveAllMonth) {
    TPilot p;
    for (int d = 0; d < 31; ++d) p.DayCode[static_cast<std::size_t>(d)] = d % 2 ? "LOA" : "MED";
    p.UpdateOnLeaveAllMonth(31);
    EXPECT_TRUE(p.OnLeaveAllMonth);
    p.DayCode[12] = "VAC";
    p.UpdateOnLeaveAllMonth(31);
    EXPECT_FALSE(p.OnLeaveAllMonth);
    p.DayCode[30] = "PWC"; // a 30-day month does not look at slot 30
    p.DayCode[12] = "MOD";
    p.DayCode[31] = "VAC";
    p.UpdateOnLeaveAllMonth(30);
    EXPECT_TRUE(p.OnLeaveAllMonth);
    p.UpdateOnLeaveAllMonth(0); // no month, no leave
    EXPECT_FALSE(p.OnLeaveAllMonth);
}

TEST(TPilot, PriorHardTimeNeedsAllItsNumbers) {
    TPilot p;
    std::string text;
    for (int i = 0; i < kPriorHardDays; ++i) text += i == 5 ? " 125" : (i == 88 ? "0300" : "0000");
    p.PriorHardTimeText = text.substr(0, 355);
    p.PriorHardTime.fill(-1);
    p.ParsePriorHardTime();
    EXPECT_EQ(p.PriorHardTime[5], -1);
    p.PriorHardTimeText = text;
    p.ParsePriorHardTime();
    EXPECT_EQ(p.PriorHardTime[5], 125);
    EXPECT_EQ(p.PriorHardTime[88], 300);
    EXPECT_EQ(p.PriorHardTime[0], 0);
}

TEST(TPilot, Block20Slots) {
    TPilot p;
    for (int slot = 0; slot < 20; ++slot) p.SetBlock20(slot, 100 + slot);
    p.SetBlock20(20, 5); // outside the block: ignored
    p.SetBlock20(-1, 5);
    EXPECT_EQ(p.CreditCarriedIn, 100);
    EXPECT_EQ(p.LegalCheckIn, 101);
    EXPECT_EQ(p.FatigueCarriedIn, 102);
    EXPECT_EQ(p.BlockComplete, 104);
    EXPECT_EQ(p.MinBlockOverride, 105);
    EXPECT_EQ(p.MaxBlockOverride, 106);
    EXPECT_EQ(p.MinDaysOffOverride, 107);
    EXPECT_EQ(p.SpecialQual, 108);
    EXPECT_EQ(p.AgeMedFlags, 109);
    EXPECT_EQ(p.TrnFlag, 110);
    EXPECT_EQ(p.NoTz, 111);
    EXPECT_EQ(p.NoYcg, 112);
    EXPECT_EQ(p.ReservedBlock, (std::array<int, 8>{103, 113, 114, 115, 116, 117, 118, 119}));
    for (int slot = 0; slot < 20; ++slot) EXPECT_EQ(p.Block20(slot), 100 + slot);
    EXPECT_EQ(p.Block20(20), 0);
}

TPilot FullLine() {
    TPilot p;
    p.Name = "SMITH J";
    p.Phone1 = "416 555 0101";
    p.QuickNotes = "notes";
    p.EmployeeNumber = 123456;
    p.ReservedAfterNumber = 3;
    for (std::size_t d = 0; d < kLineDays; ++d) {
        p.DayPairing[d] = static_cast<int>(d) - 2;
        p.DayOffRequest[d] = static_cast<std::uint8_t>(d % 15);
        p.DayLocked[d] = d % 2;
        p.DayCode[d] = d % 3 ? "VAC" : "";
        p.PriorDayCode[d] = "SIM";
        for (std::size_t j = 0; j < 10; ++j) {
            p.DayDetail[d][j] = static_cast<int>(d * 10 + j);
            p.PriorDay[d][j] = -static_cast<int>(d * 10 + j);
        }
    }
    p.BidText = "bid";
    p.Qualifications = "ABCDEFGHIJKL";
    for (int slot = 0; slot < 20; ++slot) p.SetBlock20(slot, 1000 + slot);
    p.BidReserveOrLoa = 1;
    p.CreditHours = 75;
    p.CreditMinutes = 30;
    p.DraftCredits = 60;
    p.ReservedAfterDraft = 4;
    p.ExtraCredits = 90;
    p.TimeBank = 120;
    p.TrainingAtHome = 240;
    p.TrainingOutsideW = true;
    p.PriorHardTimeText = std::string(356, '0');
    return p;
}

std::string BytesOf(const TPilot& p) {
    ByteWriter w;
    p.WriteFields(w);
    return w.TakeBytes();
}

TEST(TPilotStream, RoundTrip) {
    const TPilot p = FullLine();
    const std::string bytes = BytesOf(p);
    ByteReader r(bytes);
    TPilot q;
    q.ReadFields(r, TPilot::kStreamVersion);
    EXPECT_FALSE(r.Failed());
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(BytesOf(q), bytes);
    EXPECT_EQ(q.DayPairing[0], -2);
    EXPECT_EQ(q.DayDetail[61][9], 619);
    EXPECT_EQ(q.PriorDay[1][0], -10);
    EXPECT_EQ(q.ReservedBlock[7], 1019);
    EXPECT_TRUE(q.TrainingOutsideW);
}

TEST(TPilotStream, Version1HasTenBlockIntegersAndNothingAfterTheCredits) {
    const TPilot p = FullLine();
    const std::string v3 = BytesOf(p);
    // The version-3 tail: 20 block integers, 3 bytes, 3 ints, 2 ints and a bool, the prior hard time.
    const std::size_t blockAt = v3.size() - (20 * 4 + 3 + 12 + 12 + 4 + p.PriorHardTimeText.size());
    const std::string v1 = v3.substr(0, blockAt + 10 * 4) + v3.substr(blockAt + 20 * 4, 3 + 12);

    TPilot q;
    for (int slot = 0; slot < 20; ++slot) q.SetBlock20(slot, -1);
    q.TimeBank = 7;
    q.TrainingAtHome = 8;
    q.TrainingOutsideW = false;
    q.PriorHardTimeText = "kept";
    ByteReader r(v1);
    q.ReadFields(r, 1);
    EXPECT_FALSE(r.Failed());
    EXPECT_TRUE(r.AtEnd());
    for (int slot = 0; slot < 10; ++slot) EXPECT_EQ(q.Block20(slot), 1000 + slot) << slot;
    for (int slot = 10; slot < 20; ++slot) EXPECT_EQ(q.Block20(slot), -1) << slot;
    EXPECT_EQ(q.ExtraCredits, 90);
    EXPECT_EQ(q.TimeBank, 7);
    EXPECT_EQ(q.TrainingAtHome, 8);
    EXPECT_FALSE(q.TrainingOutsideW);
    EXPECT_EQ(q.PriorHardTimeText, "kept");
}

TEST(TPilotStream, CutRecordsFailTheReader) {
    const std::string bytes = BytesOf(FullLine());
    for (std::size_t n = 0; n < bytes.size(); n += 97) {
        TPilot q;
        ByteReader r(std::string_view(bytes).substr(0, n));
        q.ReadFields(r, TPilot::kStreamVersion);
        EXPECT_TRUE(r.Failed()) << n;
    }
}

} // namespace
} // namespace tq

#include "model/History.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

TEST(History, NewestFirstAndNeverMoreThan201) {
    History h;
    for (int i = 0; i < 250; ++i) h.Insert({1, i % 31, i, 1000 + i});
    EXPECT_EQ(h.Size(), 201u);
    EXPECT_EQ(h.Front().Employee, 249);
    EXPECT_EQ(h.At(200).Employee, 49); // the oldest ones went
    h.DropFront();
    EXPECT_EQ(h.Front().Employee, 248);
    History empty;
    empty.DropFront();
    EXPECT_TRUE(empty.Empty());
}

TEST(History, TextForm) {
    History h;
    h.Insert({1, 3, 12, 2999});
    h.Insert({0, 30, 998, 7});
    EXPECT_EQ(h.ToText(), "0002"
                          "00003009980007"
                          "01000300122999");
    History back;
    back.Insert({1, 1, 1, 1});
    back.FromText(h.ToText());
    ASSERT_EQ(back.Size(), 2u);
    EXPECT_EQ(back.At(0), (TransactionRecord{0, 30, 998, 7}));
    EXPECT_EQ(back.At(1), (TransactionRecord{1, 3, 12, 2999}));
    EXPECT_EQ(History().ToText(), "0000");
}

TEST(History, ReadingNeverTrustsTheCount) {
    const std::string record = "01000300122999";
    struct Case {
        std::string text;
        std::size_t size;
    } cases[] = {
        {"", 0},
        {"00", 0},
        {"0000", 0},
        {"9999", 0},
        {"0003" + record + record, 2},          // fewer records than counted
        {"0002" + record + record + record, 2}, // more than counted
        {"0001" + record.substr(0, 13), 0},     // a cut record
        {"-001" + record, 0},
        {"abcd" + record, 0},
    };
    for (const auto& c : cases) {
        History h;
        h.FromText(c.text);
        EXPECT_EQ(h.Size(), c.size) << c.text;
    }
    std::string many = "9999";
    for (int i = 0; i < 300; ++i) many += record;
    History h;
    h.FromText(many);
    EXPECT_EQ(h.Size(), 201u);

    h.FromText("0001" + std::string("01-003xx12   7"));
    ASSERT_EQ(h.Size(), 1u);
    EXPECT_EQ(h.Front(), (TransactionRecord{1, -3, 0, 7})); // a field stops at its first non-digit
}

} // namespace
} // namespace tq

#include "platform/ProgressDialog.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

TEST(ProgressDialog, GaugeIsTruncatedAndLimited) {
    struct Case {
        int value, minimum, maximum, percent;
    } cases[] = {
        {0, 0, 200, 0},   {1, 0, 200, 0},     {100, 0, 200, 50},  {199, 0, 200, 99},
        {200, 0, 200, 100}, {250, 0, 200, 100}, {-5, 0, 200, 0},  {5, 5, 5, 0}, // empty range never divides
        {10, 0, 1005, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TProgressDialog::GaugePercent(c.value, c.minimum, c.maximum), c.percent)
            << c.value << " of " << c.minimum << ".." << c.maximum;
}

TEST(ProgressDialog, ShowsValueZeroFirstThenEachUpdate) {
    test::RecordingUi ui;
    TProgressDialog dialog(ui, {.caption = "Loading Pairings", .minimum = 0, .maximum = 40});
    dialog.Update(20);
    const auto* e = ui.LastOf(test::UiEvent::Kind::Progress);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->text, "Loading Pairings");
    EXPECT_EQ(e->lines, (std::vector<std::string>{"Completed 0 of 40", "gauge 0 0%", "Completed 20 of 40",
                                                   "gauge 50 50%"}));
}

TEST(ProgressDialog, PairingModeNamesThePairingWhileOneIsLeft) {
    test::RecordingUi ui;
    TProgressDialog dialog(ui, {.caption = "Check", .maximum = 3, .pairingLabel = [](int i) {
                                    return i < 2 ? std::string(i == 0 ? "Z8123" : "Z8124") : std::string();
                                }});
    dialog.Update(1);
    dialog.Update(2);
    const auto& lines = ui.LastOf(test::UiEvent::Kind::Progress)->lines;
    EXPECT_EQ(lines[0], "Processing Pairing Z8123");
    EXPECT_EQ(lines[2], "Processing Pairing Z8124");
    EXPECT_EQ(lines[4], "Processing Pairings");
}

} // namespace
} // namespace tq

#include "cli/BatchPlatform.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tq::cli {
namespace {

TEST(BatchTranscript, MessagesQuestionsAndListsHaveTheirPrefixes) {
    std::ostringstream t;
    BatchUi batch(t);
    ASSERT_TRUE(batch.SetAnswers("n"));
    UserInterface& ui = batch;
    ui.ShowMessage("Can't Drag a Locked in Pairing", "Tarvelstrand", MessageIcon::Stop);
    EXPECT_EQ(ui.Ask("Confirm remove VAC from Smith.\nHold Shift", "Tarvelstrand", Buttons::YesNo), Answer::No);
    ui.ShowList("Warnings from Absences Extract Load", {"line one", " "});
    ui.ShowMessage("no caption", "");
    EXPECT_EQ(t.str(), "! [Tarvelstrand] Can't Drag a Locked in Pairing\n"
                       "? [Tarvelstrand] Confirm remove VAC from Smith.\\nHold Shift -> n\n"
                       "= [Warnings from Absences Extract Load] line one\n"
                       "= [Warnings from Absences Extract Load]  \n"
                       "! [] no caption\n");
}

TEST(BatchTranscript, AnswersAreTakenInOrderThenYes) {
    struct Case {
        Buttons buttons;
        char given;
        Answer answer;
        char shown;
    } cases[] = {
        {Buttons::YesNo, 'y', Answer::Yes, 'y'},         {Buttons::YesNo, 'n', Answer::No, 'n'},
        {Buttons::YesNo, 'c', Answer::No, 'n'}, // no Cancel offered: c counts as n
        {Buttons::YesNoCancel, 'c', Answer::Cancel, 'c'}, {Buttons::YesNoCancel, 'n', Answer::No, 'n'},
        {Buttons::OkCancel, 'y', Answer::Ok, 'y'},        {Buttons::OkCancel, 'c', Answer::Cancel, 'c'},
    };
    for (const auto& c : cases) {
        std::ostringstream t;
        BatchUi batch(t);
        ASSERT_TRUE(batch.SetAnswers(std::string(1, c.given)));
        UserInterface& ui = batch;
        EXPECT_EQ(ui.Ask("Q", "C", c.buttons), c.answer) << c.given;
        EXPECT_EQ(t.str(), std::string("? [C] Q -> ") + c.shown + "\n");
        // The queue is empty now: every further question is answered y.
        EXPECT_NE(ui.Ask("Q", "C", c.buttons), Answer::No);
    }
}

TEST(BatchTranscript, BadAnswerListsAreRefused) {
    std::ostringstream t;
    BatchUi ui(t);
    EXPECT_TRUE(ui.SetAnswers(""));
    EXPECT_TRUE(ui.SetAnswers("y, n ,c"));
    EXPECT_FALSE(ui.SetAnswers("yes"));
    EXPECT_FALSE(ui.SetAnswers("y,,n"));
}

TEST(BatchTranscript, FileChoicesComeFromTheArgumentsAndMissingOnesCancel) {
    std::ostringstream t;
    BatchUi ui(t);
    ui.QueueFile("/tmp/a.prg");
    FileRequest request;
    EXPECT_EQ(ui.ChooseOpenFile(request), std::optional<std::string>("/tmp/a.prg"));
    EXPECT_EQ(ui.ChooseOpenFile(request), std::nullopt);
}

} // namespace
} // namespace tq::cli

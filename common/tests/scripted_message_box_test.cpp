#include "common/testing/scripted_message_box.h"

#include <gtest/gtest.h>

namespace {

using common::MessageAnswer;
using common::MessageButtons;
using common::testing::ScriptedMessageBox;

TEST(ScriptedMessageBox, AnswersInOrderAndRecordsWhatWasShown) {
    ScriptedMessageBox boxes;
    boxes.Answer(MessageAnswer::No).Answer(MessageAnswer::Yes);
    common::MessageBoxHost& host = boxes;

    EXPECT_FALSE(host.Confirm("Save changes?", "Brantlow"));
    host.Inform("Done", "Brantlow");  // takes no answer from the script
    EXPECT_TRUE(host.Confirm("Really?", "Brantlow"));

    ASSERT_EQ(3u, boxes.shown.size());
    EXPECT_EQ("Save changes?", boxes.shown[0].text);
    EXPECT_EQ(MessageButtons::Ok, boxes.shown[1].buttons);
    EXPECT_EQ(MessageButtons::YesNo, boxes.shown[2].buttons);
    EXPECT_EQ(0, boxes.unexpected);
    EXPECT_EQ(0u, boxes.PendingAnswers());
}

TEST(ScriptedMessageBox, AnEmptyScriptCancelsAndCountsTheSurprise) {
    ScriptedMessageBox boxes;
    EXPECT_FALSE(static_cast<common::MessageBoxHost&>(boxes).Confirm("Delete?", "x"));
    EXPECT_EQ(1, boxes.unexpected);
}

}  // namespace

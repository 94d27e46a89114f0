// Adding from the clipboard: Add single, Add multiple, Manual add, the monitor's capture,
// the failure codes and the capture state that keeps the program's own copies out.
#include <gtest/gtest.h>

#include "brantlow/commands/tests/command_fakes.h"

namespace brantlow {
namespace {

using testing::CommandFixture;
using Answer = testing::ScriptedAddDialog::Answer;

struct AddTest : ::testing::Test, CommandFixture {
    AddCommands commands{{manager, settings, rows, clipboard, addDialog, clock, messages, application, capture,
                          prompts}};
    AddTest() { capture.Joined(1); }  // monitoring: the dialogs must disarm it
};

TEST_F(AddTest, AddSingleReportsEmptyClipboardMissingURLAndDuplicate) {
    clipboard.text.reset();
    EXPECT_EQ(AddFailure::NoText, commands.AddSingle(false));
    clipboard.text = "";
    EXPECT_EQ(AddFailure::NoText, commands.AddSingle(false));
    clipboard.text = "no address in here";
    EXPECT_EQ(AddFailure::NoURL, commands.AddSingle(false));

    Add("http://a.example/", "stored");
    settings.Options.DuplicateAction = 0;
    clipboard.text = "Longer description text http://a.example/";
    EXPECT_EQ(AddFailure::DuplicateIgnored, commands.AddSingle(false));
    EXPECT_EQ(1, manager.URLList().Count());
    EXPECT_TRUE(addDialog.shown.empty());
}

TEST_F(AddTest, AddSingleTakesURLAndDescriptionWithoutAskingWhenADescriptionWasFound) {
    clipboard.text = "Example home page http://a.example/x";
    EXPECT_EQ(AddFailure::None, commands.AddSingle(false));
    ASSERT_EQ(1, manager.URLList().Count());
    EXPECT_EQ("http://a.example/x", manager.URLList().Items(0)->URL);
    EXPECT_EQ("Example home page", manager.URLList().Items(0)->Description);
    EXPECT_EQ(clock.now, manager.URLList().Items(0)->DateAdded());
    EXPECT_TRUE(addDialog.shown.empty());
    EXPECT_FALSE(manager.Saved());
    EXPECT_EQ("MOD", window.status.Modified);
}

TEST_F(AddTest, AddSingleAsksForAMissingDescriptionOrWhenShiftIsHeld) {
    clipboard.text = "http://a.example/";
    addDialog.answers.push_back({std::nullopt, "typed", false, true});
    EXPECT_EQ(AddFailure::None, commands.AddSingle(false));
    ASSERT_EQ(1u, addDialog.shown.size());
    const URLDialogRequest& asked = addDialog.shown[0];
    EXPECT_EQ(URLDialogForm::AddSingle, asked.Form);
    EXPECT_FALSE(asked.URLEditable);
    EXPECT_TRUE(asked.ShowCancelNote);
    EXPECT_FALSE(asked.ShowSkipBox);
    EXPECT_FALSE(addDialog.armedWhileOpen[0]);
    EXPECT_EQ("typed", manager.URLList().Items(0)->Description);

    // Shift opens the dialog although a description was found; Cancel adds nothing.
    clipboard.text = "Another page http://b.example/";
    EXPECT_EQ(AddFailure::None, commands.AddSingle(true));
    EXPECT_EQ(2u, addDialog.shown.size());
    EXPECT_EQ("Another page", addDialog.shown[1].Description);
    EXPECT_EQ(1, manager.URLList().Count());
}

TEST_F(AddTest, AddMultipleSkipsStoredURLsOnlyWhileDuplicatesAreRefused) {
    const std::string text = "see http://a.example/ and http://b.example/ then ftp://c.example/";
    for (const bool noDuplicates : {true, false}) {
        CommandFixture f;
        f.settings.Options.NoDuplicates = noDuplicates;
        AddCommands adder{{f.manager, f.settings, f.rows, f.clipboard, f.addDialog, f.clock, f.messages,
                           f.application, f.capture, f.prompts}};
        f.Add("http://b.example/");
        f.clipboard.text = text;
        EXPECT_EQ(AddFailure::None, adder.AddMultiple());
        EXPECT_EQ(noDuplicates ? 3 : 4, f.manager.URLList().Count());
        EXPECT_EQ(0, f.rows.locks);
        EXPECT_TRUE(f.addDialog.shown.empty());
        EXPECT_FALSE(f.manager.Saved());
    }
}

TEST_F(AddTest, AddMultipleWithNothingNewReportsCodeFourAndStaysSaved) {
    Add("http://a.example/");
    clipboard.text = "http://a.example/ again";
    EXPECT_EQ(AddFailure::NothingAdded, commands.AddMultiple());
    EXPECT_TRUE(manager.Saved());
    EXPECT_GT(window.descPanelUpdates, 0);
}

TEST_F(AddTest, ManualAddPastesUnrecognisedTextAndPrefillsARecognisedURL) {
    clipboard.text = "just words";
    commands.ManualAdd();
    ASSERT_EQ(1u, addDialog.shown.size());
    EXPECT_TRUE(addDialog.shown[0].PasteClipboard);
    EXPECT_TRUE(addDialog.shown[0].URLEditable);
    EXPECT_EQ(URLDialogForm::AddManually, addDialog.shown[0].Form);
    EXPECT_EQ(0, manager.URLList().Count());

    clipboard.text = "Some page http://a.example/";
    addDialog.answers.push_back({"http://edited.example/", "Mine", false, true});
    commands.ManualAdd();
    EXPECT_FALSE(addDialog.shown[1].PasteClipboard);
    EXPECT_EQ("http://a.example/", addDialog.shown[1].URL);
    EXPECT_EQ("Some page", addDialog.shown[1].Description);
    ASSERT_EQ(1, manager.URLList().Count());
    EXPECT_EQ("http://edited.example/", manager.URLList().Items(0)->URL);
    EXPECT_EQ("Mine", manager.URLList().Items(0)->Description);
}

TEST_F(AddTest, ManualAddOfAStoredURLAsksAndCancelAddsNothing) {
    Add("http://a.example/", "old");
    clipboard.text = "http://a.example/";
    addDialog.answers.push_back({std::nullopt, "new", false, true});
    messages.Answer(common::MessageAnswer::Cancel);
    commands.ManualAdd();
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ(0u, messages.shown[0].text.rfind("This URL already exists in the list.", 0));
    EXPECT_EQ(1, manager.URLList().Count());
    EXPECT_EQ("old", manager.URLList().Items(0)->Description);
}

TEST_F(AddTest, CapturePromptsForEachURLWithoutDescriptionUntilSkipPromptsIsTicked) {
    settings.Options.DescMultiple = false;
    clipboard.text = "http://a.example/ http://b.example/ http://c.example/";
    addDialog.answers.push_back({std::nullopt, "first", false, true});
    addDialog.answers.push_back({std::nullopt, std::nullopt, true, false});  // Cancel, and skip from now on
    EXPECT_EQ(AddFailure::None, commands.CaptureClipboard());
    ASSERT_EQ(2u, addDialog.shown.size());
    EXPECT_EQ(URLDialogForm::Captured, addDialog.shown[0].Form);
    EXPECT_TRUE(addDialog.shown[0].ShowSkipBox);
    EXPECT_TRUE(addDialog.shown[0].URLEditable);
    EXPECT_EQ((std::vector<std::string>{"http://a.example/", "http://c.example/"}), URLs());
    EXPECT_EQ("first", manager.URLList().Items(0)->Description);
    EXPECT_EQ(0, rows.locks);
}

TEST_F(AddTest, CaptureRestoresAMinimisedProgramOnlyForItsDialogs) {
    settings.Options.DescMultiple = false;
    application.minimized = true;
    clipboard.text = "http://a.example/ http://b.example/";
    addDialog.answers.push_back({std::nullopt, "one", false, true});
    addDialog.answers.push_back({std::nullopt, "two", false, true});
    EXPECT_EQ(AddFailure::None, commands.CaptureClipboard());
    EXPECT_EQ((std::vector<std::string>{"restore", "minimize"}), application.calls);

    application.calls.clear();
    settings.Options.DescPromptInCaptureMode = false;
    clipboard.text = "http://c.example/";
    EXPECT_EQ(AddFailure::None, commands.CaptureClipboard());
    EXPECT_TRUE(application.calls.empty());
}

TEST_F(AddTest, FailuresAreShownOnlyWithAlertOnFailAndRestoreAMinimisedProgram) {
    commands.ShowAddFailure(AddFailure::None);
    settings.Options.AlertonFail = false;
    commands.ShowAddFailure(AddFailure::NoURL);
    EXPECT_TRUE(messages.shown.empty());

    settings.Options.AlertonFail = true;
    application.minimized = true;
    commands.ShowAddFailure(AddFailure::NothingAdded);
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ("No URLs added: no data in clipboard or duplicate URLs ignored.", messages.shown[0].text);
    EXPECT_EQ((std::vector<std::string>{"restore", "minimize"}), application.calls);
    EXPECT_EQ("Undefined problem.", AddFailureMessage(9));
}

TEST(CaptureStateTest, IgnoresTheContentAtJoiningAndTheProgramsOwnCopyWhateverTheirTiming) {
    CaptureState state;
    EXPECT_FALSE(state.ShouldCapture(5));
    state.Joined(5);
    EXPECT_FALSE(state.ShouldCapture(5));  // the notification sent while joining
    EXPECT_TRUE(state.ShouldCapture(6));

    {
        DisarmedCapture copying(state);
        EXPECT_FALSE(state.ShouldCapture(7));
        {
            DisarmedCapture dialog(state);
        }
        EXPECT_FALSE(state.Armed());  // still inside the outer guard
        state.NoteOwnCopy(7);
    }
    EXPECT_TRUE(state.Armed());
    EXPECT_FALSE(state.ShouldCapture(7));  // the copy's late notification
    EXPECT_TRUE(state.ShouldCapture(8));

    state.Left();
    EXPECT_FALSE(state.ShouldCapture(9));
}

}  // namespace
}  // namespace brantlow

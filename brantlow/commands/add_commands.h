#pragma once
// The commands that add bookmarks from the clipboard: Add single, Add multiple, Manual add
// and the capture of the clipboard monitor, with the failure codes they report.
#include <string>

#include "brantlow/commands/capture_state.h"
#include "brantlow/commands/command_services.h"
#include "brantlow/core/bookmark_manager.h"
#include "common/message_box.h"

namespace brantlow {

enum class AddFailure {
    None = 0,
    NoText = 1,
    NoURL = 2,
    DuplicateIgnored = 3,
    NothingAdded = 4,
    NoBrowser = 5,
    NoBrowserData = 6,
};

// The message of a failure code; empty for success.
[[nodiscard]] std::string AddFailureMessage(int code);

struct AddCommandServices {
    BookmarkManager& manager;
    Settings& settings;
    BookmarkRows& rows;
    ClipboardAccess& clipboard;
    URLDialogHost& urlDialog;
    const DateTimeFormatter& clock;
    common::MessageBoxHost& messages;
    ApplicationWindow& application;
    CaptureState& capture;
    const PromptMemory& prompts;
};

class AddCommands {
public:
    explicit AddCommands(const AddCommandServices& services) : s_(services) {}

    [[nodiscard]] AddFailure AddSingle(bool shift);
    [[nodiscard]] AddFailure AddMultiple();
    void ManualAdd();
    [[nodiscard]] AddFailure CaptureClipboard();
    // Shown only when AlertonFail is on, restoring a minimised program for the message.
    void ShowAddFailure(AddFailure code);

private:
    [[nodiscard]] std::string ClipboardText();
    // Runs the URL dialog with the capture disarmed.
    [[nodiscard]] bool RunURLDialog(URLDialogRequest& request);

    AddCommandServices s_;
};

}  // namespace brantlow

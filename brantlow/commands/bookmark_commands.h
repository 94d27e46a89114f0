#pragma once
// The commands on the selected bookmarks: copying them to the clipboard, editing one in the
// URL dialog, opening one (or the collection's page) in a browser, and the text of the
// description panel.
#include <string>

#include "brantlow/commands/capture_state.h"
#include "brantlow/commands/command_services.h"
#include "brantlow/core/bookmark_manager.h"
#include "common/message_box.h"

namespace brantlow {

enum class CopyMode { URL = 0, Description = 1, URLWithDescription = 2, HTML = 3 };

// The text of one bookmark in a copy mode; no line break follows.
[[nodiscard]] std::string CopyTextOf(const TURLInfo& entry, CopyMode mode);

// What a browser start does: a process with the configured browser, or the shell's "open".
struct LaunchPlan {
    bool useBrowserPath = false;
    std::string commandLine;  // the browser and the target, or the target alone
};
[[nodiscard]] LaunchPlan PlanLaunch(const TBrantlowURLOptions& options, const std::string& target);

// "(no URL selected)", or the focused row's 1-based position, ": " and its description
// (its URL when the description is empty).
[[nodiscard]] std::string DescPanelText(const BookmarkRows& rows, int focusedRow);

struct BookmarkCommandServices {
    BookmarkManager& manager;
    Settings& settings;
    BookmarkRows& rows;
    ClipboardAccess& clipboard;
    Shell& shell;
    URLDialogHost& urlDialog;
    common::MessageBoxHost& messages;
    CaptureState& capture;
    MainWindowHost& window;
};

class BookmarkCommands {
public:
    explicit BookmarkCommands(const BookmarkCommandServices& services) : s_(services) {}

    // The text put on the clipboard, or nothing when no row was selected.
    std::optional<std::string> CopySelected(CopyMode mode);
    void EditSelected();
    void LaunchURL();
    void BrowsePage();

private:
    [[nodiscard]] int FirstSelectedRow() const;
    void Inform(const std::string& text);

    BookmarkCommandServices s_;
};

}  // namespace brantlow

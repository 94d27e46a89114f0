#include "brantlow/commands/bookmark_commands.h"

#include "brantlow/core/messages.h"

namespace brantlow {

std::string CopyTextOf(const TURLInfo& entry, CopyMode mode) {
    switch (mode) {
        case CopyMode::URL: return entry.URL;
        case CopyMode::Description: return entry.Description;
        case CopyMode::URLWithDescription: return entry.URL + "\r\n" + entry.Description;
        case CopyMode::HTML:
            return "<A HREF=\"" + entry.URL + "\">" + (entry.Description.empty() ? entry.URL : entry.Description) +
                   "</A>";
    }
    return {};
}

LaunchPlan PlanLaunch(const TBrantlowURLOptions& options, const std::string& target) {
    if (!options.BrowserPath.empty() && !options.AlwaysDefault) return {true, options.BrowserPath + " " + target};
    return {false, target};
}

std::string DescPanelText(const BookmarkRows& rows, int focusedRow) {
    if (rows.Count() == 0 || focusedRow < 0 || focusedRow >= rows.Count()) return "(no URL selected)";
    const TURLInfo& entry = *rows.Entry(focusedRow);
    return std::to_string(focusedRow + 1) + ": " + (entry.Description.empty() ? entry.URL : entry.Description);
}

void BookmarkCommands::Inform(const std::string& text) {
    s_.messages.Inform(text, std::string(kAppTitle), common::MessageIcon::Information);
}

int BookmarkCommands::FirstSelectedRow() const {
    for (int row = 0; row < s_.rows.Count(); ++row)
        if (s_.rows.IsSelected(row)) return row;
    return -1;
}

std::optional<std::string> BookmarkCommands::CopySelected(CopyMode mode) {
    if (s_.manager.URLList().Count() == 0 || FirstSelectedRow() < 0) {
        Inform("No URL selected; nothing to copy.");
        return std::nullopt;
    }
    DisarmedCapture disarmed(s_.capture);
    std::string text;
    int selected = 0;
    for (int row = 0; row < s_.rows.Count(); ++row) selected += s_.rows.IsSelected(row) ? 1 : 0;
    if (selected == 1) {
        text = CopyTextOf(*s_.rows.Entry(FirstSelectedRow()), mode);
    } else {
        for (int row = 0; row < s_.rows.Count(); ++row) {
            if (!s_.rows.IsSelected(row)) continue;
            text += CopyTextOf(*s_.rows.Entry(row), mode) + "\r\n";
            s_.rows.SetSelected(row, false);
        }
    }
    (void)s_.clipboard.WriteText(text);  // a busy clipboard keeps what it held
    return text;
}

void BookmarkCommands::EditSelected() {
    const int row = FirstSelectedRow();
    if (s_.manager.URLList().Count() == 0 || row < 0) {
        Inform("No URL selected; nothing to edit.");
        return;
    }
    DisarmedCapture disarmed(s_.capture);
    TURLInfo& entry = *s_.rows.Entry(row);
    URLDialogRequest request;
    request.URL = entry.URL;
    request.Description = entry.Description;
    request.Form = URLDialogForm::Edit;
    request.URLEditable = true;
    if (s_.urlDialog.Run(request)) {
        entry.URL = request.URL;
        entry.Description = request.Description;
        s_.rows.Refresh(row);  // texts and image follow the entry
        // Re-sorted before the save, so that the page written follows the new order.
        s_.manager.ChangeEpilogue();
        return;
    }
    s_.window.UpdateDescPanel();
}

void BookmarkCommands::LaunchURL() {
    const int row = FirstSelectedRow();
    if (s_.manager.URLList().Count() == 0 || row < 0) {
        Inform("No URL selected; nothing to launch.");
        return;
    }
    // The URL itself, whichever column shows it.
    const LaunchPlan plan = PlanLaunch(s_.settings.Options, s_.rows.Entry(row)->URL);
    if (plan.useBrowserPath) {
        if (const unsigned long error = s_.shell.StartProcess(plan.commandLine); error != 0)
            s_.messages.Inform("Could not launch URL; error code " + std::to_string(error), std::string(kAppTitle),
                               common::MessageIcon::Error);
        return;
    }
    (void)s_.shell.OpenDocument(plan.commandLine);  // a failure of the shell is not reported
}

void BookmarkCommands::BrowsePage() {
    const LaunchPlan plan = PlanLaunch(s_.settings.Options, s_.settings.Options.URLFileName);
    const std::string failure = "Could not launch browser; error code: ";
    if (plan.useBrowserPath) {
        if (const unsigned long error = s_.shell.StartProcess(plan.commandLine); error != 0)
            s_.messages.Inform(failure + std::to_string(error), std::string(kAppTitle), common::MessageIcon::Error);
        return;
    }
    if (const long result = s_.shell.OpenDocument(plan.commandLine); result <= 32)
        s_.messages.Inform(failure + std::to_string(result), std::string(kAppTitle), common::MessageIcon::Error);
}

}  // namespace brantlow

#include "brantlow/commands/add_commands.h"

#include "brantlow/core/messages.h"
#include "brantlow/core/url_recognizer.h"

namespace brantlow {

std::string AddFailureMessage(int code) {
    switch (code) {
        case 0: return {};
        case 1: return "Clipboard contains no text.";
        case 2: return "Could not find URL information in Clipboard data.";
        case 3: return "Duplicate URL ignored.";
        case 4: return "No URLs added: no data in clipboard or duplicate URLs ignored.";
        case 5: return "Cannot capture URL, because neither Netscape nor MS Internet Explorer is currently running.";
        case 6: return "Browser did not return URL data.";
        default: return "Undefined problem.";
    }
}

std::string AddCommands::ClipboardText() { return s_.clipboard.ReadText().value_or(std::string()); }

bool AddCommands::RunURLDialog(URLDialogRequest& request) {
    DisarmedCapture disarmed(s_.capture);
    return s_.urlDialog.Run(request);
}

AddFailure AddCommands::AddSingle(bool shift) {
    std::string text = ClipboardText();
    if (text.empty()) return AddFailure::NoText;
    const TBrantlowURLOptions& options = s_.settings.Options;
    const RecognizerSettings recognizer = RecognizerSettings::From(s_.settings);
    RecognizedURL found = RecognizeURL(text, options.FuzzyURLScan, options.DescSingle, recognizer);
    if (!found.Found) return AddFailure::NoURL;
    switch (s_.manager.CheckSingleDuplicate(found.URL, found.Description)) {
        case DuplicateOutcome::Ignored: return AddFailure::DuplicateIgnored;
        case DuplicateOutcome::Handled:
        case DuplicateOutcome::Cancelled: return AddFailure::None;
        case DuplicateOutcome::Add: break;
    }
    if (shift || (found.Description.empty() && options.DescPrompt)) {
        URLDialogRequest request;
        request.URL = found.URL;
        request.Description = found.Description;
        request.Form = URLDialogForm::AddSingle;
        request.ShowCancelNote = true;
        if (!RunURLDialog(request)) return AddFailure::None;
        found.Description = request.Description;
    }
    s_.manager.AddBookmark(found.URL, found.Description, s_.clock.Now());
    s_.manager.ChangeEpilogue();
    return AddFailure::None;
}

AddFailure AddCommands::AddMultiple() {
    const std::string text = ClipboardText();
    if (text.empty()) return AddFailure::NoText;
    const TBrantlowURLOptions& options = s_.settings.Options;
    const RecognizerSettings recognizer = RecognizerSettings::From(s_.settings);
    URLScanner scanner(text, recognizer);
    int added = 0;
    s_.rows.BeginUpdate();
    for (RecognizedURL found = scanner.Next(options.FuzzyURLScan, options.DescMultiple); found.Found;
         found = scanner.Next(options.FuzzyURLScan, options.DescMultiple)) {
        if (s_.manager.IsSkippedDuplicate(found.URL)) continue;
        s_.manager.AddBookmark(found.URL, found.Description, s_.clock.Now());
        ++added;
    }
    s_.rows.EndUpdate();
    s_.manager.BatchEpilogue(added);
    return added > 0 ? AddFailure::None : AddFailure::NothingAdded;
}

void AddCommands::ManualAdd() {
    const std::optional<std::string> clipboard = s_.clipboard.ReadText();
    std::string text = clipboard.value_or(std::string());
    const TBrantlowURLOptions& options = s_.settings.Options;
    const RecognizedURL found =
        RecognizeURL(text, options.FuzzyURLScan, options.DescManual, RecognizerSettings::From(s_.settings));

    URLDialogRequest request;
    request.Form = URLDialogForm::AddManually;
    request.URLEditable = true;
    request.Description = found.Description;
    // Without a recognised URL the whole clipboard text goes into the URL box, which takes
    // the focus; otherwise the description box does.
    request.PasteClipboard = !found.Found && clipboard.has_value() && !clipboard->empty();
    request.URL = found.URL;
    if (!RunURLDialog(request) || request.URL.empty()) return;

    switch (s_.manager.CheckManualDuplicate(request.URL, request.Description)) {
        case DuplicateOutcome::Cancelled: return;
        case DuplicateOutcome::Handled:
        case DuplicateOutcome::Ignored: return;  // the replacement ran its own epilogue
        case DuplicateOutcome::Add: break;
    }
    s_.manager.AddBookmark(request.URL, request.Description, s_.clock.Now());
    s_.manager.ChangeEpilogue();
}

AddFailure AddCommands::CaptureClipboard() {
    const bool wasMinimized = s_.application.IsMinimized();
    bool restored = false;
    const std::string text = ClipboardText();
    if (text.empty()) return AddFailure::NoText;
    const TBrantlowURLOptions& options = s_.settings.Options;
    bool prompt = options.DescPromptInCaptureMode;
    const RecognizerSettings recognizer = RecognizerSettings::From(s_.settings);
    URLScanner scanner(text, recognizer);
    int added = 0;
    s_.rows.BeginUpdate();
    for (RecognizedURL found = scanner.Next(options.FuzzyURLScan, options.DescMultiple); found.Found;
         found = scanner.Next(options.FuzzyURLScan, options.DescMultiple)) {
        if (s_.manager.IsSkippedDuplicate(found.URL)) continue;
        if (prompt && found.Description.empty()) {
            if (wasMinimized && !restored) {
                s_.application.Restore();
                restored = true;
            }
            URLDialogRequest request;
            request.URL = found.URL;
            request.Form = URLDialogForm::Captured;
            request.URLEditable = true;
            request.ShowCancelNote = true;
            request.ShowSkipBox = true;
            const bool accepted = RunURLDialog(request);
            // "&Skip prompts" as the dialog was left decides about the remaining URLs.
            prompt = s_.prompts.promptAgain;
            if (!accepted) continue;
            found.URL = request.URL;
            found.Description = request.Description;
        }
        s_.manager.AddBookmark(found.URL, found.Description, s_.clock.Now());
        ++added;
    }
    s_.rows.EndUpdate();
    s_.manager.BatchEpilogue(added);
    if (restored) s_.application.Minimize();
    return added > 0 ? AddFailure::None : AddFailure::NothingAdded;
}

void AddCommands::ShowAddFailure(AddFailure code) {
    if (code == AddFailure::None || !s_.settings.Options.AlertonFail) return;
    const bool minimized = s_.application.IsMinimized();
    if (minimized) s_.application.Restore();
    s_.messages.Inform(AddFailureMessage(static_cast<int>(code)), std::string(kAppTitle));
    if (minimized) s_.application.Minimize();
}

}  // namespace brantlow

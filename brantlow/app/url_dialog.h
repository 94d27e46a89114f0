#pragma once
// The URL dialog (TForm_EditURL) in all its forms, and URLDialog, which shows it for the
// main window: restoring a minimised program for it, keeping the tray from opening a second
// dialog meanwhile, and leaving "&Skip prompts" for the clipboard capture.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "brantlow/commands/command_services.h"
#include "brantlow/core/window_interfaces.h"
#include "ui/dialog.h"

namespace brantlow {

[[nodiscard]] const char* URLDialogCaption(URLDialogForm form);

class TForm_EditURL final : public ui::Dialog {
public:
    // `clipboardText`: what the URL box gets when the request pastes the clipboard.
    TForm_EditURL(URLDialogRequest& request, std::optional<std::string> clipboardText, HFONT font, bool showHints,
                  PromptMemory& prompts);

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void RememberSkipPrompts();

    URLDialogRequest& request_;
    std::optional<std::string> clipboardText_;
    HFONT font_;
    bool showHints_;
    PromptMemory& prompts_;
};

// What the dialog needs of the main window.
struct URLDialogOwner {
    std::function<HWND()> window;
    std::function<std::optional<std::string>()> clipboardText;
    std::function<HFONT()> dialogFont;  // Verdana or the main window's font
    std::function<bool()> showHints;
    std::function<void(bool)> enableTrayCommands;
    ApplicationWindow* application = nullptr;
    PromptMemory* prompts = nullptr;
};

class URLDialog final : public URLDialogHost {
public:
    explicit URLDialog(URLDialogOwner owner) : owner_(std::move(owner)) {}
    [[nodiscard]] bool Run(URLDialogRequest& request) override;

private:
    URLDialogOwner owner_;
};

}  // namespace brantlow

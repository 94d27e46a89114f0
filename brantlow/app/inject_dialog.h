#pragma once
// The inject dialog (TForm_InjectUrl): the address, the saved page and its title, and the
// four options of the inject command. The page is rewritten by the command after OK.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "brantlow/core/browser_page.h"
#include "brantlow/exchange/inject_command.h"
#include "common/message_box.h"
#include "ui/dialog.h"

namespace brantlow {

struct InjectDialogServices {
    const Settings& settings;  // SuggestFileName, Path and the program's folder
    FileSystem& files;
    common::MessageBoxHost& messages;
    std::function<std::optional<std::string>()> clipboardText;
    // Asks a running browser for its page (and says so when none answers); no function
    // leaves "From &browser" disabled.
    std::function<std::optional<BrowserPage>()> fromBrowser;
};

class TForm_InjectUrl final : public ui::Dialog {
public:
    // `request` gives the URL and the check boxes and receives every field on OK.
    // `removeAfterwards` is cleared as soon as the URL field is changed.
    TForm_InjectUrl(InjectRequest& request, bool& removeAfterwards, InjectDialogServices services, HFONT font);

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    void FirstActivation();
    void FileChanged();
    void UpdateChecks();
    void SuggestFile(bool emptyWhenNone);
    void BrowseFile();
    void FromBrowser();
    void Inject();
    void FocusField(int id);

    InjectRequest& request_;
    bool& removeAfterwards_;
    InjectDialogServices services_;
    HFONT font_;
    bool activated_ = false;
};

}  // namespace brantlow

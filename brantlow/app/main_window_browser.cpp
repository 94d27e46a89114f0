// TForm_Main: getting the page a running browser shows, and importing Favorites.
#include <windows.h>

#include "brantlow/app/favorites_dialog.h"
#include "brantlow/app/favorites_dialog_ids.h"
#include "brantlow/app/main_window.h"
#include "brantlow/browser/system_folder_lister.h"
#include "platform/shell_folder.h"
#include "ui/menu.h"

namespace brantlow {

BrowserCapture& TForm_Main::Browsers() {
    if (!browserCapture_) {
        WwwDDE_ = std::make_unique<TWwwDde>(messages_);
        browsers_ = std::make_unique<SystemBrowsers>(*WwwDDE_, [this] { return ShowBrowserMenu(); });
        browserCapture_ = std::make_unique<BrowserCapture>(*manager_, clock_, *browsers_);
    }
    return *browserCapture_;
}

BrowserChoice TForm_Main::ShowBrowserMenu() {
    const HMENU menu = ::CreatePopupMenu();
    if (!menu) return BrowserChoice::Cancel;
    ::AppendMenuA(menu, MF_STRING | MF_GRAYED, IDM_BROWSER_HEADING, "Get URL from which browser?");
    ::AppendMenuA(menu, MF_STRING, IDM_BROWSER_NETSCAPE, "&Netscape");
    ::AppendMenuA(menu, MF_STRING, IDM_BROWSER_EXPLORER, "&Internet Explorer");
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(menu, MF_STRING, IDM_BROWSER_CANCEL, "&Cancel");
    const int chosen = ui::TrackPopup(menu, handle());
    ::DestroyMenu(menu);
    switch (chosen) {
        case IDM_BROWSER_NETSCAPE: return BrowserChoice::Netscape;
        case IDM_BROWSER_EXPLORER: return BrowserChoice::InternetExplorer;
        default: return BrowserChoice::Cancel;
    }
}

void TForm_Main::GetFromBrowser() { adder_->ShowAddFailure(Browsers().GetFromBrowser()); }

std::optional<BrowserPage> TForm_Main::AskBrowserForPage() {
    BrowserAnswer answer = Browsers().AskBrowserForPage();
    adder_->ShowAddFailure(answer.failure);
    return std::move(answer.page);
}

void TForm_Main::ImportFavorites() {
    // Re-armed as it was before when the command ends.
    const DisarmedCapture disarmed(capture_);
    SystemFolderLister folders;
    FavoritesRequest request;
    request.Folder = platform::ShellFolder("FAVORITES");
    EnableTrayCommands(false);
    TForm_Favorites dialog(request, messages_, folders, DialogFont());
    const bool accepted = dialog.ShowModal(handle()) == IDOK;
    EnableTrayCommands(true);
    if (!accepted) return;
    (void)brantlow::ImportFavorites({*manager_, list_, *this, files_, folders, messages_, clock_}, request.Folder,
                                    request.SubFolders);
}

}  // namespace brantlow

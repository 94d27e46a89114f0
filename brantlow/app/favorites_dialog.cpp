#include "brantlow/app/favorites_dialog.h"

#include <shlobj.h>

#include "brantlow/app/dialog_fonts.h"
#include "brantlow/app/favorites_dialog_ids.h"
#include "brantlow/core/messages.h"

namespace brantlow {

TForm_Favorites::TForm_Favorites(FavoritesRequest& request, common::MessageBoxHost& messages, FolderLister& folders,
                                 HFONT font)
    : Dialog(IDD_FAVORITES), request_(request), messages_(messages), folders_(folders), font_(font) {}

bool TForm_Favorites::OnInitDialog() {
    ApplyDialogFont(handle(), font_);
    SetItemText(IDC_FAVORITES_PATH, request_.Folder);
    SetChecked(IDC_FAVORITES_SUBFOLDERS, request_.SubFolders);
    return true;
}

bool TForm_Favorites::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) return false;
    switch (id) {
        case IDC_FAVORITES_BROWSE:
            BrowseForFolder();
            return true;
        case IDOK: {
            const std::string folder = ItemText(IDC_FAVORITES_PATH);
            if (!FavoritesFolderUsable(folders_, folder)) {
                messages_.Inform("The Favorites folder you specified is blank or the folder does not exist.",
                                 std::string(kAppTitle), common::MessageIcon::Error);
                ::SetFocus(Item(IDC_FAVORITES_PATH));
                return true;
            }
            request_.Folder = folder;
            request_.SubFolders = IsChecked(IDC_FAVORITES_SUBFOLDERS);
            End(IDOK);
            return true;
        }
        default:
            return false;
    }
}

void TForm_Favorites::BrowseForFolder() {
    char chosen[MAX_PATH] = {};
    BROWSEINFOA browse{};
    browse.hwndOwner = handle();
    browse.pszDisplayName = chosen;
    browse.lpszTitle = "Favorites folder";
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    PIDLIST_ABSOLUTE folder = ::SHBrowseForFolderA(&browse);
    if (!folder) return;
    if (::SHGetPathFromIDListA(folder, chosen)) SetItemText(IDC_FAVORITES_PATH, chosen);
    ::CoTaskMemFree(folder);
}

}  // namespace brantlow

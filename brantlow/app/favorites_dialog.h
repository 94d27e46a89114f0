#pragma once
// The Favorites dialog (TForm_Favorites): the folder whose Internet shortcuts are imported
// and whether its sub-folders are searched too. "&Import" is refused while the folder field
// is blank or names no existing folder.
#include <windows.h>

#include <string>

#include "brantlow/browser/favorites.h"
#include "common/message_box.h"
#include "ui/dialog.h"

namespace brantlow {

struct FavoritesRequest {
    std::string Folder;  // FavoritesPath
    bool SubFolders = true;  // CheckBox_SubFolders
};

class TForm_Favorites final : public ui::Dialog {
public:
    TForm_Favorites(FavoritesRequest& request, common::MessageBoxHost& messages, FolderLister& folders, HFONT font);

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void BrowseForFolder();

    FavoritesRequest& request_;
    common::MessageBoxHost& messages_;
    FolderLister& folders_;
    HFONT font_;
};

}  // namespace brantlow

#pragma once
// Importing the Internet shortcuts (".url" files) of a Favorites folder: which files, in
// which order, what each one gives, and the import command after its dialog.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "brantlow/core/bookmark_manager.h"
#include "brantlow/core/file_system.h"
#include "common/message_box.h"

namespace brantlow {

// The folder listings the collection needs, in the order in which the file system lists.
class FolderLister {
public:
    virtual ~FolderLister() = default;
    [[nodiscard]] virtual bool FolderExists(const std::string& folder) = 0;
    // Full paths of the files of `folder` matching "*.url" (any attributes; not folders).
    [[nodiscard]] virtual std::vector<std::string> ShortcutFiles(const std::string& folder) = 0;
    // Full paths of its sub-folders, without "." and "..". Links to folders elsewhere are
    // left out, so that a link back up the tree cannot make the walk endless.
    [[nodiscard]] virtual std::vector<std::string> SubFolders(const std::string& folder) = 0;
};

// The folder listings of the standard library (the native build and its tests).
class StdFolderLister final : public FolderLister {
public:
    bool FolderExists(const std::string& folder) override;
    std::vector<std::string> ShortcutFiles(const std::string& folder) override;
    std::vector<std::string> SubFolders(const std::string& folder) override;
};

// The shortcut files of a folder first, then, with `includeSubfolders`, those of each
// sub-folder in listing order, depth first.
[[nodiscard]] std::vector<std::string> CollectShortcutFiles(FolderLister& folders, const std::string& folder,
                                                            bool includeSubfolders);

// The file name without its folder and without its first ".url" in any letter case.
[[nodiscard]] std::string ShortcutDescription(std::string_view path);

// The rest of the first line starting with "url=" in any letter case; nothing when the file
// has no such line or cannot be read. The lines after it are not read.
[[nodiscard]] std::optional<std::string> ReadShortcutURL(FileSystem& files, const std::string& path);

// The dialog's check before it closes with "&Import".
[[nodiscard]] bool FavoritesFolderUsable(FolderLister& folders, const std::string& folder);

struct FavoritesImportServices {
    BookmarkManager& manager;
    BookmarkRows& rows;
    MainWindowHost& window;  // the hourglass while the files are read
    FileSystem& files;
    FolderLister& folders;
    common::MessageBoxHost& messages;
    const DateTimeFormatter& clock;
};

// Adds a bookmark for every shortcut with an address (no duplicate check), runs the change
// epilogue and reports the outcome. Returns the number added.
int ImportFavorites(const FavoritesImportServices& services, const std::string& folder, bool includeSubfolders);

}  // namespace brantlow

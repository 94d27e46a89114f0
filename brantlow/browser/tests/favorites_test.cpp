// Importing the Internet shortcuts of a Favorites folder: which files are found and in
// which order, what each gives, and the messages of the import.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "brantlow/browser/favorites.h"
#include "brantlow/tests/fakes.h"

namespace brantlow {
namespace {

using testing::WriteFile;

// A tree of folders given as listings, to pin down the order of the walk.
class ListedFolders final : public FolderLister {
public:
    std::map<std::string, std::vector<std::string>> files, folders;
    bool FolderExists(const std::string& folder) override { return files.count(folder) > 0; }
    std::vector<std::string> ShortcutFiles(const std::string& folder) override { return files[folder]; }
    std::vector<std::string> SubFolders(const std::string& folder) override { return folders[folder]; }
};

TEST(FavoritesCollection, AFoldersOwnShortcutsComeFirstThenItsSubFoldersDepthFirst) {
    ListedFolders tree;
    tree.files = {{"f", {"f/z.url", "f/a.url"}}, {"f/b", {"f/b/1.url"}}, {"f/b/c", {"f/b/c/2.url"}},
                  {"f/a", {"f/a/3.url"}}};
    tree.folders = {{"f", {"f/b", "f/a"}}, {"f/b", {"f/b/c"}}};
    EXPECT_EQ((std::vector<std::string>{"f/z.url", "f/a.url", "f/b/1.url", "f/b/c/2.url", "f/a/3.url"}),
              CollectShortcutFiles(tree, "f", true));
    EXPECT_EQ((std::vector<std::string>{"f/z.url", "f/a.url"}), CollectShortcutFiles(tree, "f", false));
}

TEST(FavoritesCollection, TheDescriptionIsTheFileNameWithoutItsFirstURLExtension) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Windows\\Favorites\\News.URL", "News"},
        {"/tmp/fav/Weather.url", "Weather"},
        {"c:Mixed.Url", "Mixed"},
        {"d:\\f\\My.url.backup.url", "My.backup.url"},
        {"d:\\f.url\\plain.url", "plain"},
    };
    for (const auto& [path, description] : cases) EXPECT_EQ(description, ShortcutDescription(path)) << path;
}

// A real folder tree in the test's temporary folder.
struct FavoritesTest : ::testing::Test, testing::ManagerFixture {
    StdFileSystem realFiles;
    StdFolderLister lister;
    std::string root = folder.Path("favorites");
    FavoritesImportServices services{manager, rows, window, realFiles, lister, messages, clock};

    FavoritesTest() {
        settings.Options.AutoSave = false;
        std::filesystem::create_directories(root + "/sub/deeper");
        std::filesystem::create_directories(root + "/odd.url");  // a folder, not a shortcut
        WriteFile(root + "/News.URL", "[InternetShortcut]\r\nurl=http://news.example/Today\r\nURL=http://second/\r\n");
        WriteFile(root + "/Shop.url", "[InternetShortcut]\nURL=https://shop.example/\n");
        WriteFile(root + "/notes.txt", "URL=http://not-a-shortcut.example/\r\n");
        WriteFile(root + "/sub/Inner.url", "[DEFAULT]\rBASEURL=http://base/\rURL=ftp://inner.example/\r");
        WriteFile(root + "/sub/deeper/Deep.url", "URL=http://deep.example/");
        WriteFile(root + "/sub/deeper/Blank.url", "[InternetShortcut]\r\nIconIndex=0\r\nURL=\r\n");
    }
    [[nodiscard]] std::map<std::string, std::string> Imported() {
        std::map<std::string, std::string> byURL;
        for (int i = 0; i < manager.URLList().Count(); ++i)
            byURL[manager.URLList().Items(i)->URL] = manager.URLList().Items(i)->Description;
        return byURL;
    }
};

// The names of listed paths, sorted: the order of one folder's listing is the system's.
std::vector<std::string> SortedNames(const std::vector<std::string>& paths) {
    std::vector<std::string> names;
    for (const std::string& path : paths) names.push_back(std::filesystem::path(path).filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(FavoritesTest, TheRealFolderListsShortcutFilesAndSubFolders) {
    EXPECT_EQ((std::vector<std::string>{"News.URL", "Shop.url"}), SortedNames(lister.ShortcutFiles(root)));
    EXPECT_EQ((std::vector<std::string>{"odd.url", "sub"}), SortedNames(lister.SubFolders(root)));
    EXPECT_TRUE(FavoritesFolderUsable(lister, root));
    EXPECT_FALSE(FavoritesFolderUsable(lister, root + "/missing"));
    EXPECT_FALSE(FavoritesFolderUsable(lister, root + "/News.URL"));
    EXPECT_FALSE(FavoritesFolderUsable(lister, ""));
}

TEST_F(FavoritesTest, EveryShortcutWithAnAddressBecomesABookmarkAndTheCountIsReported) {
    EXPECT_EQ(4, ImportFavorites(services, root, true));
    EXPECT_EQ((std::map<std::string, std::string>{{"http://news.example/Today", "News"},
                                                  {"https://shop.example/", "Shop"},
                                                  {"ftp://inner.example/", "Inner"},
                                                  {"http://deep.example/", "Deep"}}),
              Imported());
    EXPECT_EQ(clock.now, manager.URLList().Items(0)->DateAdded());
    EXPECT_EQ(0, rows.locks);
    EXPECT_FALSE(window.busy);
    EXPECT_FALSE(manager.Saved());
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ("Imported 4 Internet Shortcuts.", messages.shown[0].text);
    EXPECT_EQ(common::MessageIcon::Information, messages.shown[0].icon);

    // No duplicate check: a second import adds every shortcut again.
    settings.Options.NoDuplicates = true;
    EXPECT_EQ(4, ImportFavorites(services, root, true));
    EXPECT_EQ(8, manager.URLList().Count());
}

TEST_F(FavoritesTest, WithoutSubFoldersOnlyTheFoldersOwnShortcutsAreImported) {
    EXPECT_EQ(2, ImportFavorites(services, root, false));
    EXPECT_EQ(2, manager.URLList().Count());
    EXPECT_EQ(0, Imported().count("ftp://inner.example/"));
}

TEST_F(FavoritesTest, AFolderWithoutShortcutsOrWithoutAddressesSaysSo) {
    EXPECT_EQ(0, ImportFavorites(services, root + "/odd.url", true));
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ("Could not find any Internet Shortcuts in folder " + root + "/odd.url", messages.shown[0].text);

    // Shortcuts without an address line or with an empty address add nothing.
    const std::string empty = folder.Path("empty");
    std::filesystem::create_directories(empty);
    WriteFile(empty + "/None.url", "[InternetShortcut]\r\nWorkingDirectory=C:\\\r\n");
    WriteFile(empty + "/Blank.url", "URL=\r\nURL=http://too-late.example/\r\n");
    EXPECT_EQ(0, ImportFavorites(services, empty, true));
    ASSERT_EQ(2u, messages.shown.size());
    EXPECT_EQ("Did not find any Internet Shortcuts in the specified directory.", messages.shown[1].text);
    EXPECT_EQ(0, manager.URLList().Count());
    EXPECT_TRUE(manager.Saved());
    EXPECT_EQ(0, rows.locks);
}

}  // namespace
}  // namespace brantlow

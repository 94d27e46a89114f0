// Copying, editing and launching the selected bookmarks, and the description panel.
#include <gtest/gtest.h>

#include "brantlow/commands/tests/command_fakes.h"

namespace brantlow {
namespace {

using testing::CommandFixture;

struct BookmarkTest : ::testing::Test, CommandFixture {
    BookmarkCommands commands{{manager, settings, rows, clipboard, shell, urlDialog, messages, capture, window}};
    BookmarkTest() {
        capture.Joined(1);
        Add("http://a.example/", "Alpha");
        Add("http://b.example/", "");
        Add("http://c.example/", "Gamma");
    }
};

TEST_F(BookmarkTest, CopyingOneRowGivesOneLineAndKeepsItSelected) {
    const std::pair<CopyMode, const char*> cases[] = {
        {CopyMode::URL, "http://a.example/"},
        {CopyMode::Description, "Alpha"},
        {CopyMode::URLWithDescription, "http://a.example/\r\nAlpha"},
        {CopyMode::HTML, "<A HREF=\"http://a.example/\">Alpha</A>"},
    };
    rows.SetSelected(0, true);
    for (const auto& [mode, expected] : cases) {
        EXPECT_EQ(expected, commands.CopySelected(mode));
        EXPECT_EQ(expected, clipboard.text);
        EXPECT_TRUE(rows.IsSelected(0));
    }
    EXPECT_TRUE(capture.Armed());
}

TEST_F(BookmarkTest, CopyingSeveralRowsAsHTMLEndsEveryLineAndDeselectsThem) {
    settings.Options.URLFirst = false;  // the texts do not depend on the column order
    manager.SelectAll();
    EXPECT_EQ("<A HREF=\"http://a.example/\">Alpha</A>\r\n"
              "<A HREF=\"http://b.example/\">http://b.example/</A>\r\n"
              "<A HREF=\"http://c.example/\">Gamma</A>\r\n",
              clipboard.text = commands.CopySelected(CopyMode::HTML));
    for (int row = 0; row < rows.Count(); ++row) EXPECT_FALSE(rows.IsSelected(row));
}

TEST_F(BookmarkTest, CommandsWithoutASelectionSayWhy) {
    EXPECT_EQ(std::nullopt, commands.CopySelected(CopyMode::URL));
    commands.EditSelected();
    commands.LaunchURL();
    EXPECT_EQ((std::vector<std::string>{"No URL selected; nothing to copy.", "No URL selected; nothing to edit.",
                                        "No URL selected; nothing to launch."}),
              Texts());
    EXPECT_EQ(0, clipboard.writes);
    EXPECT_TRUE(shell.documents.empty());
}

TEST_F(BookmarkTest, EditWritesTheEntryAndTheRowAndMarksTheListChanged) {
    rows.SetSelected(1, true);
    urlDialog.descriptions.push_back("Beta");
    commands.EditSelected();
    ASSERT_EQ(1u, urlDialog.shown.size());
    EXPECT_EQ(URLDialogForm::Edit, urlDialog.shown[0].Form);
    EXPECT_TRUE(urlDialog.shown[0].URLEditable);
    EXPECT_FALSE(urlDialog.shown[0].ShowCancelNote);
    EXPECT_EQ("Beta", manager.URLList().Items(1)->Description);
    EXPECT_EQ("Beta", rows.Texts(1).SubItem1);
    EXPECT_EQ(1, rows.refreshed[1]);
    EXPECT_FALSE(manager.Saved());
    EXPECT_EQ(1, window.descPanelUpdates);
    EXPECT_TRUE(capture.Armed());

    // Cancel changes nothing.
    commands.EditSelected();
    EXPECT_EQ("Beta", manager.URLList().Items(1)->Description);
}

TEST_F(BookmarkTest, AnEditedBookmarkIsSortedBeforeTheSaveWritesThePage) {
    settings.Options.AutoSave = true;
    settings.Options.KeepSorted = true;
    manager.ColumnClick(0);  // by URL, ascending
    rows.SetSelected(0, true);
    urlDialog.descriptions.push_back("Alpha");
    commands.EditSelected();  // the scripted dialog keeps the URL: nothing moves
    EXPECT_TRUE(manager.Saved());

    for (int row = 0; row < rows.Count(); ++row) rows.SetSelected(row, false);
    rows.SetSelected(0, true);
    // An edit that moves the row to the end of the sorted view.
    struct RenamingDialog final : URLDialogHost {
        bool Run(URLDialogRequest& request) override {
            request.URL = "http://z.example/";
            return true;
        }
    } renaming;
    BookmarkCommands renamer{{manager, settings, rows, clipboard, shell, renaming, messages, capture, window}};
    renamer.EditSelected();
    EXPECT_EQ((std::vector<std::string>{"http://b.example/", "http://c.example/", "http://z.example/"}),
              rows.Captions());
    const std::string page = testing::ReadFile(PageFile());
    EXPECT_LT(page.find("http://c.example/"), page.find("http://z.example/"));
    EXPECT_TRUE(manager.Saved());
}

TEST_F(BookmarkTest, LaunchOpensTheURLThroughTheShellOrTheChosenBrowser) {
    settings.Options.URLFirst = false;
    rows.SetSelected(2, true);
    commands.LaunchURL();
    EXPECT_EQ((std::vector<std::string>{"http://c.example/"}), shell.documents);

    settings.Options.BrowserPath = "c:\\browser\\run.exe";
    settings.Options.AlwaysDefault = false;
    shell.processError = 2;
    commands.LaunchURL();
    EXPECT_EQ((std::vector<std::string>{"c:\\browser\\run.exe http://c.example/"}), shell.processes);
    EXPECT_EQ("Could not launch URL; error code 2", messages.shown.back().text);
}

TEST_F(BookmarkTest, BrowsePageReportsShellAndProcessFailures) {
    shell.openResult = 2;
    commands.BrowsePage();
    EXPECT_EQ((std::vector<std::string>{PageFile()}), shell.documents);
    EXPECT_EQ("Could not launch browser; error code: 2", messages.shown.back().text);

    settings.Options.BrowserPath = "c:\\b.exe";
    settings.Options.AlwaysDefault = false;
    shell.processError = 5;
    commands.BrowsePage();
    EXPECT_EQ("c:\\b.exe " + PageFile(), shell.processes.at(0));
    EXPECT_EQ("Could not launch browser; error code: 5", messages.shown.back().text);
}

TEST_F(BookmarkTest, DescriptionPanelShowsPositionAndDescriptionOrURL) {
    EXPECT_EQ("(no URL selected)", DescPanelText(rows, -1));
    EXPECT_EQ("1: Alpha", DescPanelText(rows, 0));
    EXPECT_EQ("2: http://b.example/", DescPanelText(rows, 1));
    testing::FakeRows none;
    EXPECT_EQ("(no URL selected)", DescPanelText(none, 0));
}

}  // namespace
}  // namespace brantlow

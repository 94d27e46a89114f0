// The bookmark list and its rows: adding, the duplicate rules, removal, the filter,
// sorting and the status texts.
#include <gtest/gtest.h>

#include <random>

#include "brantlow/tests/fakes.h"

namespace brantlow {
namespace {

using common::MessageAnswer;
using testing::ManagerFixture;

struct ListSetup : ManagerFixture {
    ListSetup() {
        settings.Options.AutoSave = false;
        settings.Options.ConfirmRemove = false;
    }
    void AddThree() {
        manager.AddBookmark("http://b.example/", "Bravo", 100.25);
        manager.AddBookmark("ftp://a.example/", "", 101.5);
        manager.AddBookmark("HTTP://c.example/", "Alpha", 99.0);
    }
    [[nodiscard]] std::vector<std::string> ListURLs() {
        std::vector<std::string> urls;
        for (int i = 0; i < manager.URLList().Count(); ++i) urls.push_back(manager.URLList().Items(i)->URL);
        return urls;
    }
};

struct ListTest : ::testing::Test, ListSetup {};

TEST(SchemeIndex, ComesFromTheFirstSixteenCharactersOfTheURL) {
    const std::pair<const char*, int> cases[] = {
        {"file://c:/x", 1}, {"ftp://h", 2},        {"gopher://h", 3}, {"http://h", 4},    {"HTTP://H", 4},
        {"https://h", 5},   {"mailto:a@b", 6},     {"news:x", 7},     {"nntp://h", 8},    {"telnet://h", 9},
        {"wais://h", 10},   {"www.example.com", 0}, {"", 0},          {" http://h", 0}};
    for (const auto& [url, index] : cases) EXPECT_EQ(index, SchemeIndexOf(url)) << url;
}

TEST_F(ListTest, AddBookmarkAppendsEntryAndRowWithoutSavingOrSorting) {
    AddThree();
    ASSERT_EQ(3, rows.Count());
    const TURLInfo& first = *manager.URLList().Items(0);
    EXPECT_EQ(rows.rows[0].entry, &first);
    EXPECT_EQ(&first, first.ListItem);
    EXPECT_TRUE(first.Shown());
    EXPECT_EQ(100.25, first.DateAdded());
    EXPECT_EQ("http://b.example/", rows.Texts(0).Caption);
    EXPECT_EQ("Bravo", rows.Texts(0).SubItem1);
    EXPECT_EQ("day100 06:00:00", rows.Texts(0).SubItem2);
    EXPECT_EQ(2, rows.Texts(1).ImageIndex);
    EXPECT_EQ(4, rows.Texts(2).ImageIndex);
    EXPECT_TRUE(manager.Saved());
    // Reserved bytes of a new entry are 0.
    for (std::size_t i : {1u, 10u, 11u, 12u, 13u, 14u}) EXPECT_EQ(0, first.State[i]);
}

TEST_F(ListTest, URLFirstOffSwapsCaptionAndFirstSubItem) {
    settings.Options.URLFirst = false;
    manager.AddBookmark("http://x/", "Ex", 1);
    EXPECT_EQ("Ex", rows.Texts(0).Caption);
    EXPECT_EQ("http://x/", rows.Texts(0).SubItem1);
    settings.Options.URLFirst = true;
    manager.SwapColumns();
    EXPECT_EQ("http://x/", rows.Texts(0).Caption);
    EXPECT_EQ("Ex", rows.Texts(0).SubItem1);
}

TEST_F(ListTest, SingleAddDuplicateRulesFollowDuplicateAction) {
    struct Case {
        int action;
        std::string url, description;
        DuplicateOutcome outcome;
        std::string storedAfter;
        int dialogs;
    };
    const Case cases[] = {
        {0, "http://b.example/", "Much longer text", DuplicateOutcome::Ignored, "Bravo", 0},
        {1, "http://b.example/", "Longer!", DuplicateOutcome::Handled, "Longer!", 0},
        {1, "http://b.example/", "Short", DuplicateOutcome::Ignored, "Bravo", 0},  // equally long counts as not longer
        {2, "http://b.example/", "Asked", DuplicateOutcome::Handled, "Edited", 1},
        {2, "http://b.example/", "", DuplicateOutcome::Ignored, "Bravo", 0},
        {0, "http://B.example/", "x", DuplicateOutcome::Add, "Bravo", 0},  // letter case differs: no duplicate
    };
    for (const Case& c : cases) {
        ListSetup fresh;
        fresh.AddThree();
        fresh.settings.Options.DuplicateAction = static_cast<std::uint8_t>(c.action);
        fresh.urlDialog.descriptions.push_back("Edited");
        EXPECT_EQ(c.outcome, fresh.manager.CheckSingleDuplicate(c.url, c.description)) << c.action << c.description;
        EXPECT_EQ(c.storedAfter, fresh.manager.URLList().Items(0)->Description) << c.action << c.description;
        EXPECT_EQ(c.dialogs, static_cast<int>(fresh.urlDialog.shown.size()));
        if (c.outcome == DuplicateOutcome::Handled) {
            EXPECT_FALSE(fresh.manager.Saved());
            EXPECT_EQ(c.storedAfter, fresh.rows.Texts(0).SubItem1);
            EXPECT_EQ(1, fresh.rows.refreshed[0]);  // the list view repaints the row
        }
    }
}

TEST_F(ListTest, DuplicatesAreNotCheckedWhenAllowed) {
    AddThree();
    settings.Options.NoDuplicates = false;
    EXPECT_EQ(DuplicateOutcome::Add, manager.CheckSingleDuplicate("http://b.example/", "x"));
    EXPECT_EQ(DuplicateOutcome::Add, manager.CheckManualDuplicate("http://b.example/", "x"));
    EXPECT_FALSE(manager.IsSkippedDuplicate("http://b.example/"));
    settings.Options.NoDuplicates = true;
    EXPECT_TRUE(manager.IsSkippedDuplicate("http://b.example/"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ListTest, ManualAddAsksAndEachAnswerHasItsOutcome) {
    AddThree();
    messages.Answer(MessageAnswer::Yes).Answer(MessageAnswer::Cancel).Answer(MessageAnswer::No);
    EXPECT_EQ(DuplicateOutcome::Add, manager.CheckManualDuplicate("http://b.example/", "New"));
    EXPECT_EQ(DuplicateOutcome::Cancelled, manager.CheckManualDuplicate("http://b.example/", "New"));
    urlDialog.descriptions.push_back("From dialog");
    EXPECT_EQ(DuplicateOutcome::Handled, manager.CheckManualDuplicate("http://b.example/", "New"));
    EXPECT_EQ("From dialog", manager.URLList().Items(0)->Description);
    ASSERT_EQ(1u, urlDialog.shown.size());
    EXPECT_EQ(URLDialogForm::ReplaceDuplicate, urlDialog.shown[0].Form);
    EXPECT_EQ("http://b.example/", urlDialog.shown[0].URL);
    EXPECT_EQ("This URL already exists in the list. Add it anyway?\r\rClick Yes to add. Click No to replace the "
              "existing URL. Click Cancel to abort.",
              messages.shown[0].text);

    // Without the prompt setting, No replaces without the dialog.
    settings.Options.DuplicateAction = 0;
    messages.Answer(MessageAnswer::No);
    EXPECT_EQ(DuplicateOutcome::Handled, manager.CheckManualDuplicate("http://b.example/", "Quiet"));
    EXPECT_EQ("Quiet", manager.URLList().Items(0)->Description);
    EXPECT_EQ(1u, urlDialog.shown.size());
}

TEST_F(ListTest, ReplaceDescriptionCancelledChangesNothing) {
    AddThree();
    urlDialog.descriptions.push_back(std::nullopt);
    manager.ReplaceDescription(0, "New", true);
    EXPECT_EQ("Bravo", manager.URLList().Items(0)->Description);
    EXPECT_TRUE(manager.Saved());
}

TEST_F(ListTest, RemoveSelectedNeedsASelection) {
    manager.RemoveSelected(false);
    AddThree();
    manager.RemoveSelected(false);
    EXPECT_EQ(std::vector<std::string>(2, "No URLs selected: nothing to remove."), Texts());
    EXPECT_EQ(3, manager.URLList().Count());
}

TEST_F(ListTest, RemoveSelectedAsksAndDeletesEntriesAndRows) {
    AddThree();
    settings.Options.ConfirmRemove = true;
    rows.Select({0, 2});
    messages.Answer(MessageAnswer::No).Answer(MessageAnswer::Yes);
    manager.RemoveSelected(false);
    EXPECT_EQ(3, manager.URLList().Count());
    manager.RemoveSelected(false);
    EXPECT_EQ(std::vector<std::string>({"Delete selected URL(s)?", "Delete selected URL(s)?"}), Texts());
    EXPECT_EQ(std::vector<std::string>{"ftp://a.example/"}, ListURLs());
    EXPECT_EQ(1, rows.Count());
    EXPECT_FALSE(manager.Saved());
    EXPECT_EQ("MOD", window.status.Modified);
    EXPECT_EQ(0, rows.locks);
}

TEST_F(ListTest, RemovingDescriptionsKeepsBookmarksDatesAndRowsDeselected) {
    AddThree();
    settings.Options.ConfirmRemove = true;
    rows.Select({0, 2});
    messages.Answer(MessageAnswer::Yes);
    manager.RemoveSelected(true);
    EXPECT_EQ("Delete description for the selected URL?", messages.shown[0].text);
    ASSERT_EQ(3, rows.Count());
    EXPECT_EQ("", manager.URLList().Items(0)->Description);
    EXPECT_EQ("", manager.URLList().Items(2)->Description);
    EXPECT_EQ(100.25, manager.URLList().Items(0)->DateAdded());
    EXPECT_EQ("", rows.Texts(0).SubItem1);
    EXPECT_FALSE(rows.IsSelected(0) || rows.IsSelected(2));
}

TEST_F(ListTest, RemoveAllWarnsThatNothingWasSavedWhenAutoSaveIsOff) {
    AddThree();
    messages.Answer(MessageAnswer::No).Answer(MessageAnswer::Yes);
    manager.RemoveAll();
    EXPECT_EQ(3, manager.URLList().Count());
    manager.RemoveAll();
    EXPECT_EQ(0, manager.URLList().Count());
    EXPECT_EQ(0, rows.Count());
    EXPECT_EQ("Are you sure you want to remove all URLs from the Brantlow file?", messages.shown[0].text);
    EXPECT_EQ("Auto save feature is OFF. You may still recover the deleted bookmarks by exiting the program without "
              "saving the file manually.",
              messages.shown.back().text);
}

TEST_F(ListTest, SortingReordersRowsOnlyAndClickingAgainReverses) {
    AddThree();
    manager.ColumnClick(1);  // descriptions: "", "Alpha", "Bravo"
    EXPECT_EQ(std::vector<std::string>({"ftp://a.example/", "HTTP://c.example/", "http://b.example/"}), rows.Captions());
    EXPECT_FALSE(manager.Saved());
    manager.ColumnClick(1);
    EXPECT_EQ(std::vector<std::string>({"http://b.example/", "HTTP://c.example/", "ftp://a.example/"}), rows.Captions());
    manager.ColumnClick(2);  // by date
    EXPECT_EQ(std::vector<std::string>({"HTTP://c.example/", "http://b.example/", "ftp://a.example/"}), rows.Captions());
    manager.ColumnClick(0);  // URLs, without regard to letter case
    EXPECT_EQ(std::vector<std::string>({"ftp://a.example/", "http://b.example/", "HTTP://c.example/"}), rows.Captions());
    EXPECT_EQ(std::vector<std::string>({"http://b.example/", "ftp://a.example/", "HTTP://c.example/"}), ListURLs());
}

TEST_F(ListTest, KeepSortedResortsAfterTheChange) {
    AddThree();
    manager.ColumnClick(0);
    settings.Options.KeepSorted = true;
    manager.AddBookmark("aaa://first", "", 1);
    manager.ChangeEpilogue();
    EXPECT_EQ("aaa://first", rows.Captions()[0]);
}

TEST_F(ListTest, FilterShowsOnlyShownEntriesAndTheStatusSaysSo) {
    AddThree();
    settings.Options.URLFileName = "c:\\data\\my.html";
    manager.URLList().Items(1)->SetShown(false);
    manager.RebuildView();
    manager.SetFilterActive(true);
    manager.UpdateStatus();
    EXPECT_EQ(2, rows.Count());
    EXPECT_EQ(nullptr, manager.URLList().Items(1)->ListItem);
    EXPECT_TRUE(window.clearFilterEnabled);
    EXPECT_EQ("URLs: 2/3", window.status.Count);
    EXPECT_EQ("[my.html]", window.status.FileName);
    EXPECT_EQ("c:\\data\\my.html", window.status.StatusHint);
    EXPECT_EQ("Brantlow (3 URLs)", window.status.TrayHint);
    EXPECT_EQ("auto", window.status.Modified);

    // Adding to a filtered list shows the new row; the filter stays.
    manager.AddBookmark("http://new/", "", 5);
    EXPECT_EQ(3, rows.Count());
    EXPECT_TRUE(manager.FilterActive());

    manager.ClearFilter(true);
    EXPECT_EQ(4, rows.Count());
    EXPECT_FALSE(window.clearFilterEnabled);
    EXPECT_EQ("URLs: 4", window.status.Count);
    EXPECT_EQ("my.html", window.status.FileName);
}

// Random operations keep the rows and the list in step: every shown entry has exactly one
// row referring to it, hidden entries have none, and the list keeps insertion order.
TEST_F(ListTest, RandomOperationsKeepRowsAndListInStep) {
    std::mt19937 random(1234);
    std::vector<std::string> expectedOrder;
    int next = 0;
    for (int step = 0; step < 2000; ++step) {
        switch (random() % 7) {
            case 0:
            case 1: {
                const std::string url = "http://h/" + std::to_string(next++);
                manager.AddBookmark(url, std::to_string(random() % 5), random() % 1000);
                expectedOrder.push_back(url);
                break;
            }
            case 2:
                for (int row = 0; row < rows.Count(); ++row) rows.SetSelected(row, random() % 3 == 0);
                if (random() % 2) {
                    std::vector<std::string> remaining;
                    for (const std::string& url : expectedOrder) {
                        const int at = manager.URLList().IndexOfURL(url);
                        const int row = rows.RowOf(manager.URLList().Items(at));
                        if (row < 0 || !rows.IsSelected(row)) remaining.push_back(url);
                    }
                    bool any = false;
                    for (int row = 0; row < rows.Count(); ++row) any = any || rows.IsSelected(row);
                    manager.RemoveSelected(false);
                    if (any) expectedOrder = remaining;
                } else {
                    manager.RemoveSelected(true);
                }
                break;
            case 3:
                manager.ColumnClick(static_cast<int>(random() % 3));
                break;
            case 4:
                for (int i = 0; i < manager.URLList().Count(); ++i) manager.URLList().Items(i)->SetShown(random() % 2);
                manager.RebuildView();
                manager.SetFilterActive(true);
                break;
            case 5:
                manager.ClearFilter(random() % 2 == 0);
                if (rows.Count() != manager.URLList().Count()) manager.RebuildView();
                break;
            default:
                manager.Resort();
        }
        int shown = 0;
        for (int i = 0; i < manager.URLList().Count(); ++i) {
            const TURLInfo* entry = manager.URLList().Items(i);
            const int row = rows.RowOf(entry);
            if (entry->Shown()) {
                ++shown;
                ASSERT_GE(row, 0) << step;
            } else {
                ASSERT_EQ(-1, row) << step;
            }
        }
        ASSERT_EQ(shown, rows.Count()) << step;
        ASSERT_EQ(expectedOrder, ListURLs()) << step;
    }
}

}  // namespace
}  // namespace brantlow

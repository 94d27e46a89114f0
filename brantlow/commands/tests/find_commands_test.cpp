// Finding bookmarks: the matching rule, the step-by-step search with its directions, wrap
// and scope, the filter, and the dialog's flow.
#include <gtest/gtest.h>

#include "brantlow/commands/tests/command_fakes.h"

namespace brantlow {
namespace {

using testing::CommandFixture;

class ScriptedFindDialog final : public FindDialogHost {
public:
    struct Answer {
        FindDialogResult result;
        std::string text;
    };
    std::deque<Answer> answers;
    std::vector<std::string> shownTexts;
    FindDialogResult Run(std::string& text, TFindOptions&) override {
        shownTexts.push_back(text);
        if (answers.empty()) return FindDialogResult::Close;
        const Answer answer = answers.front();
        answers.pop_front();
        text = answer.text;
        return answer.result;
    }
};

struct FindTest : ::testing::Test, CommandFixture {
    ScriptedFindDialog dialog;
    FindCommands find{manager, settings, rows, cursor, messages, dialog};

    FindTest() {
        Add("http://alpha.example/", "First Page");
        Add("http://beta.example/", "second page");
        Add("ftp://gamma.example/", "Files");
        Add("http://delta.example/PAGE", "");
    }
    [[nodiscard]] std::vector<int> Selected() const {
        std::vector<int> selected;
        for (int row = 0; row < rows.Count(); ++row)
            if (rows.IsSelected(row)) selected.push_back(row);
        return selected;
    }
    void Search(const std::string& text, FindDialogResult how = FindDialogResult::FindNext) {
        dialog.answers.push_back({how, text});
        find.FindDialog();
    }
};

TEST(TextMatcherTest, FollowsCaseAndRegularExpressionOptions) {
    struct Case {
        const char* find;
        bool matchCase, regexp;
        const char* text;
        bool matches;
    } cases[] = {
        {"Page", false, false, "first PAGE", true},   {"Page", true, false, "first PAGE", false},
        {"Page", true, false, "a Page", true},        {"^ht+p:", false, true, "HTTP://x", true},
        {"^ht+p:", true, true, "HTTP://x", false},    {"a.c", false, false, "abc", false},
        {"a.c", false, true, "xABCx", true},          {"[0-9]{3}", false, true, "page 12", false},
    };
    for (const Case& c : cases) {
        TFindOptions options;
        options.MatchCase = c.matchCase;
        options.RegularExpr = c.regexp;
        TextMatcher matcher(c.find, options);
        EXPECT_EQ(c.matches, matcher.Matches(c.text)) << c.find << " in " << c.text;
    }
    TFindOptions options;
    options.RegularExpr = true;
    EXPECT_THROW(TextMatcher("(unbalanced", options), EPerlRe);
}

TEST_F(FindTest, FindNextStepsDownAndFindAgainContinuesUntilTheEndWithoutWrap) {
    Search("page");
    EXPECT_EQ((std::vector<int>{0}), Selected());
    EXPECT_EQ(0, rows.focused);
    find.FindAgain();
    EXPECT_EQ((std::vector<int>{1}), Selected());
    find.FindAgain();
    EXPECT_EQ((std::vector<int>{3}), Selected());  // the URL matches
    EXPECT_EQ((std::vector<int>{0, 1, 3}), cursor.madeVisible);
    find.FindAgain();
    EXPECT_TRUE(Selected().empty());
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ("Text not found: \r\"page\"", messages.shown[0].text);
    EXPECT_TRUE(find.Restart());
    // Restarted: "Find a&gain" opens the dialog again.
    find.FindAgain();
    EXPECT_EQ(2u, dialog.shownTexts.size());
    EXPECT_EQ("page", dialog.shownTexts[1]);
}

TEST_F(FindTest, WrapGoesRoundAndUpwardEntireScopeStartsAtTheLastRow) {
    settings.Find.Wrap = true;
    rows.focused = 3;
    Search("page");
    EXPECT_EQ((std::vector<int>{3}), Selected());
    find.FindAgain();
    EXPECT_EQ((std::vector<int>{0}), Selected());  // wrapped

    settings.Find.Direction = 0;
    settings.Find.EntireScope = true;
    settings.Find.Wrap = false;
    rows.focused = 1;
    Search("files");
    EXPECT_EQ((std::vector<int>{2}), Selected());
    EXPECT_EQ(2, rows.focused);
}

TEST_F(FindTest, LookInLimitsTheSearchedText) {
    settings.Find.LookIn = 0;
    Search("files");
    EXPECT_TRUE(Selected().empty());
    settings.Find.LookIn = 1;
    Search("gamma");
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(2u, messages.shown.size());
}

TEST_F(FindTest, FindAllFiltersWithARegularExpressionAndAnEmptyResultClearsTheFilter) {
    settings.Find.RegularExpr = true;
    Search("^http://(alpha|delta)", FindDialogResult::FindAll);
    EXPECT_TRUE(manager.FilterActive());
    EXPECT_TRUE(window.clearFilterEnabled);
    ASSERT_EQ(2, rows.Count());
    EXPECT_EQ("http://alpha.example/", rows.Entry(0)->URL);
    EXPECT_EQ("http://delta.example/PAGE", rows.Entry(1)->URL);
    EXPECT_EQ("URLs: 2/4", window.status.Count);
    EXPECT_FALSE(manager.URLList().Items(1)->Shown());

    // Upward search with entire scope starts at the last shown row.
    settings.Find.Direction = 0;
    settings.Find.EntireScope = true;
    settings.Find.RegularExpr = false;
    Search("example");
    EXPECT_EQ((std::vector<int>{1}), Selected());

    Search("nowhere", FindDialogResult::FindAll);
    EXPECT_EQ("Could not find any matching records.", messages.shown.back().text);
    EXPECT_FALSE(manager.FilterActive());
    EXPECT_EQ(4, rows.Count());
    EXPECT_TRUE(find.Restart());
}

TEST_F(FindTest, ABadRegularExpressionIsReportedAndLeavesListAndFilterAlone) {
    settings.Find.RegularExpr = true;
    rows.SetSelected(2, true);
    Search("(page", FindDialogResult::FindAll);
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ(0u, messages.shown[0].text.rfind("Error in regular expression engine:\rPerlre: ", 0));
    EXPECT_EQ(4, rows.Count());
    EXPECT_FALSE(manager.FilterActive());
    EXPECT_EQ((std::vector<int>{2}), Selected());
}

TEST_F(FindTest, TheDialogIsNotShownForAnEmptyListAndCloseSearchesNothing) {
    dialog.answers.push_back({FindDialogResult::Close, "page"});
    find.FindDialog();
    EXPECT_TRUE(Selected().empty());
    EXPECT_TRUE(messages.shown.empty());

    CommandFixture empty;
    ScriptedFindDialog emptyDialog;
    FindCommands emptyFind{empty.manager, empty.settings, empty.rows, empty.cursor, empty.messages, emptyDialog};
    emptyFind.FindDialog();
    EXPECT_TRUE(emptyDialog.shownTexts.empty());
    ASSERT_EQ(1u, empty.messages.shown.size());
    EXPECT_EQ("No URLs in list; nothing to search!", empty.messages.shown[0].text);
}

}  // namespace
}  // namespace brantlow

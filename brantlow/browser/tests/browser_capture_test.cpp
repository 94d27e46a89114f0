// Getting a page from a running browser: which browser is asked, what the capture adds,
// and the duplicate rules of the capture.
#include <gtest/gtest.h>

#include <deque>

#include "brantlow/browser/browser_capture.h"
#include "brantlow/tests/fakes.h"

namespace brantlow {
namespace {

class FakeBrowsers final : public BrowserAccess {
public:
    RunningBrowsers running;
    BrowserChoice choice = BrowserChoice::Cancel;
    std::optional<BrowserPage> page;
    int menus = 0;
    std::vector<std::string> asked;

    RunningBrowsers BrowsersRunning() override { return running; }
    BrowserChoice ChooseBrowser() override {
        ++menus;
        return choice;
    }
    std::optional<BrowserPage> GetWindowInfo(const std::string& service) override {
        asked.push_back(service);
        return page;
    }
};

struct BrowserCaptureTest : ::testing::Test, testing::ManagerFixture {
    FakeBrowsers browsers;
    BrowserCapture capture{manager, clock, browsers};
    BrowserCaptureTest() { browsers.page = BrowserPage{"http://page.example/", "Page title"}; }
};

TEST_F(BrowserCaptureTest, TheRunningBrowserIsAskedAndWithTwoTheUserChooses) {
    struct Case {
        bool netscape, explorer;
        BrowserChoice choice;
        std::vector<std::string> asked;
        int menus;
        AddFailure failure;
    } cases[] = {
        {false, false, BrowserChoice::Netscape, {}, 0, AddFailure::NoBrowser},
        {true, false, BrowserChoice::Cancel, {"netscape"}, 0, AddFailure::None},
        {false, true, BrowserChoice::Cancel, {"iexplore"}, 0, AddFailure::None},
        {true, true, BrowserChoice::Netscape, {"netscape"}, 1, AddFailure::None},
        {true, true, BrowserChoice::InternetExplorer, {"iexplore"}, 1, AddFailure::None},
        {true, true, BrowserChoice::Cancel, {}, 1, AddFailure::None},
    };
    for (const Case& c : cases) {
        testing::ManagerFixture f;
        FakeBrowsers fake;
        fake.running = {c.netscape, c.explorer};
        fake.choice = c.choice;
        fake.page = BrowserPage{"http://page.example/", "Title"};
        BrowserCapture command(f.manager, f.clock, fake);
        EXPECT_EQ(c.failure, command.GetFromBrowser());
        EXPECT_EQ(c.asked, fake.asked);
        EXPECT_EQ(c.menus, fake.menus);
        EXPECT_EQ(c.asked.empty() ? 0 : 1, f.manager.URLList().Count());
        EXPECT_TRUE(f.messages.shown.empty());
    }
}

TEST_F(BrowserCaptureTest, TheCaptureAddsThePageWithItsTitleAndMarksTheListChanged) {
    settings.Options.AutoSave = false;
    EXPECT_EQ(AddFailure::None, capture.CaptureFromBrowser("iexplore"));
    ASSERT_EQ(1, manager.URLList().Count());
    const TURLInfo& entry = *manager.URLList().Items(0);
    EXPECT_EQ("http://page.example/", entry.URL);
    EXPECT_EQ("Page title", entry.Description);
    EXPECT_EQ(clock.now, entry.DateAdded());
    EXPECT_EQ(1, rows.Count());
    EXPECT_FALSE(manager.Saved());
    EXPECT_EQ("MOD", window.status.Modified);
}

TEST_F(BrowserCaptureTest, NoAnswerOrAnAnswerWithoutAddressIsCodeSix) {
    for (const std::optional<BrowserPage>& answer : {std::optional<BrowserPage>(),
                                                      std::optional<BrowserPage>(BrowserPage{"", "Title only"})}) {
        browsers.page = answer;
        EXPECT_EQ(AddFailure::NoBrowserData, capture.CaptureFromBrowser("netscape"));
    }
    EXPECT_EQ(0, manager.URLList().Count());
    EXPECT_TRUE(manager.Saved());
}

TEST_F(BrowserCaptureTest, AStoredAddressFollowsTheDuplicateAction) {
    struct Case {
        bool noDuplicates;
        int action;
        std::string title;
        std::optional<std::string> typed;  // the replace dialog's answer; nothing: not expected
        AddFailure failure;
        int count;
        std::string description;  // of the stored entry afterwards
    } cases[] = {
        {false, 0, "New", std::nullopt, AddFailure::None, 2, "Stored"},
        {true, 0, "A much longer title", std::nullopt, AddFailure::DuplicateIgnored, 1, "Stored"},
        {true, 1, "A much longer title", std::nullopt, AddFailure::None, 1, "A much longer title"},
        {true, 1, "Short", std::nullopt, AddFailure::DuplicateIgnored, 1, "Stored"},
        {true, 1, "Equal!", std::nullopt, AddFailure::DuplicateIgnored, 1, "Stored"},
        {true, 2, "Offered", std::string("Edited"), AddFailure::None, 1, "Edited"},
        {true, 2, "", std::nullopt, AddFailure::DuplicateIgnored, 1, "Stored"},
    };
    for (const Case& c : cases) {
        testing::ManagerFixture f;
        f.settings.Options.NoDuplicates = c.noDuplicates;
        f.settings.Options.DuplicateAction = c.action;
        f.manager.AddBookmark("http://page.example/", "Stored", 1.0);
        if (c.typed) f.urlDialog.descriptions.push_back(*c.typed);
        FakeBrowsers fake;
        fake.page = BrowserPage{"http://page.example/", c.title};
        BrowserCapture command(f.manager, f.clock, fake);
        EXPECT_EQ(c.failure, command.CaptureFromBrowser("netscape")) << c.action << " " << c.title;
        EXPECT_EQ(c.count, f.manager.URLList().Count());
        EXPECT_EQ(c.description, f.manager.URLList().Items(0)->Description);
        EXPECT_EQ(c.typed ? 1u : 0u, f.urlDialog.shown.size());
        if (c.typed) {
            EXPECT_EQ("Offered", f.urlDialog.shown[0].Description);
        }
    }
}

TEST_F(BrowserCaptureTest, AskingForAPageAddsNothingAndSaysWhyThereIsNone) {
    browsers.running = {false, true};
    BrowserAnswer answer = capture.AskBrowserForPage();
    ASSERT_TRUE(answer.page);
    EXPECT_EQ("http://page.example/", answer.page->url);
    EXPECT_EQ("Page title", answer.page->title);

    browsers.page = BrowserPage{"", "no address"};
    answer = capture.AskBrowserForPage();
    EXPECT_FALSE(answer.page);
    EXPECT_EQ(AddFailure::NoBrowserData, answer.failure);

    browsers.running = {true, true};
    browsers.choice = BrowserChoice::Cancel;
    answer = capture.AskBrowserForPage();
    EXPECT_FALSE(answer.page);
    EXPECT_EQ(AddFailure::None, answer.failure);

    browsers.running = {};
    EXPECT_EQ(AddFailure::NoBrowser, capture.AskBrowserForPage().failure);
    EXPECT_EQ(0, manager.URLList().Count());
}

}  // namespace
}  // namespace brantlow

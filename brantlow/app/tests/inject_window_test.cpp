// The inject dialog and command on real windows: the first activation (clipboard, the
// suggested file, the title read from it), the enable rules, "From &browser", the checks
// of "&Inject URL", and the selected bookmark stamped into a saved page and then removed.
#include <gtest/gtest.h>

#include "brantlow/app/inject_dialog.h"
#include "brantlow/app/inject_dialog_ids.h"
#include "brantlow/app/main_window.h"
#include "brantlow/app/resource_ids.h"
#include "brantlow/app/tests/program_folder.h"
#include "brantlow/core/text.h"
#include "common/testing/scripted_message_box.h"
#include "ui/testing/screenshot_path.h"
#include "ui/testing/window_driver.h"

namespace brantlow {
namespace {

using namespace std::chrono_literals;
using ui::testing::Pump;
using ui::testing::PumpUntil;
using ui::testing::WhenWindowAppears;
using ui::testing::WindowDriver;

constexpr const char* kCaption = "Inject URL into a document";
const std::string kPage =
    "<html><head><title>Example\nDomain</title></head>\n<body bgcolor=white>Text\n</body></html>\n";

bool Enabled(const WindowDriver& driver, int id) { return ::IsWindowEnabled(driver.Control(id)) != FALSE; }
bool Checked(const WindowDriver& driver, int id) {
    return ::SendMessageA(driver.Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

TEST(InjectDialog, FillsItselfFollowsTheFieldsAndChecksBeforeClosing) {
    testing::ProgramFolder folder("brantlow_inject_dialog", "");
    folder.Write("www_example_com.htm", kPage);  // the suggestion for the clipboard's URL
    Settings settings;
    DefaultInjectOptions(settings);
    settings.ProgramFolder = folder.path;
    settings.Inject.Path = folder.path;
    StdFileSystem files;
    common::testing::ScriptedMessageBox messages;
    int browserAsked = 0;
    InjectDialogServices services{settings, files, messages, [] { return std::optional<std::string>("http://www.example.com/"); },
                                  [&] {
                                      ++browserAsked;
                                      return std::optional<BrowserPage>({"http://other.example/news/", "Other news"});
                                  }};
    InjectRequest request;  // no bookmark selected: the URL comes from the clipboard
    request.AsTitle = false;
    request.Backup = true;
    bool removeAfterwards = true;
    TForm_InjectUrl dialog(request, removeAfterwards, services, nullptr);

    WhenWindowAppears(kCaption, [&](HWND window) {
        const WindowDriver driver(window);
        EXPECT_EQ("http://www.example.com/", driver.Text(IDC_INJECT_URL));
        EXPECT_EQ(driver.Control(IDC_INJECT_URL), ::GetFocus());
        EXPECT_EQ(folder.path + "www_example_com.htm", driver.Text(IDC_INJECT_FILE));
        EXPECT_EQ("Example Domain", driver.Text(IDC_INJECT_TITLE));
        EXPECT_TRUE(removeAfterwards);  // the paste came before the first activation ended
        EXPECT_FALSE(Enabled(driver, IDC_INJECT_HELP));
        EXPECT_TRUE(driver.SaveScreenshot(ui::testing::ScreenshotPath("brantlow_inject.png")));

        // "&Title as filename" needs a title; "&Make backup" gives way to it and keeps its tick.
        EXPECT_TRUE(Enabled(driver, IDC_INJECT_AS_TITLE));
        driver.Click(IDC_INJECT_AS_TITLE);
        EXPECT_FALSE(Enabled(driver, IDC_INJECT_BACKUP));
        EXPECT_TRUE(Checked(driver, IDC_INJECT_BACKUP));
        ::SetWindowTextA(driver.Control(IDC_INJECT_FILE), (folder.path + "missing.htm").c_str());
        EXPECT_EQ("", driver.Text(IDC_INJECT_TITLE));
        EXPECT_FALSE(Enabled(driver, IDC_INJECT_AS_TITLE));

        // The browser's page: no saved copy of it, so the file field is emptied.
        driver.Click(IDC_INJECT_FROM_BROWSER);
        EXPECT_EQ(1, browserAsked);
        EXPECT_EQ("http://other.example/news/", driver.Text(IDC_INJECT_URL));
        EXPECT_EQ("", driver.Text(IDC_INJECT_FILE));
        EXPECT_EQ("Other news", driver.Text(IDC_INJECT_TITLE));
        EXPECT_FALSE(removeAfterwards);  // the URL field changed

        driver.Click(IDOK);
        EXPECT_TRUE(::IsWindow(window));  // no file: the dialog stays open
        ::SetWindowTextA(driver.Control(IDC_INJECT_URL), "");
        ::SetWindowTextA(driver.Control(IDC_INJECT_FILE), "www_example_com.htm");  // beside the program
        driver.Click(IDOK);
        EXPECT_TRUE(::IsWindow(window));
        EXPECT_EQ(driver.Control(IDC_INJECT_URL), ::GetFocus());
        EXPECT_EQ(LowerCase(folder.path + "www_example_com.htm"), driver.Text(IDC_INJECT_FILE));  // shown normalised
        driver.Type(IDC_INJECT_URL, "http://typed.example/");
        driver.Click(IDOK);
    });
    ASSERT_EQ(IDOK, dialog.ShowModal(nullptr));
    ASSERT_EQ(2u, messages.shown.size());
    EXPECT_EQ(0u, messages.shown[0].text.rfind("The specified file does not exist", 0));
    EXPECT_EQ(0u, messages.shown[1].text.rfind("The URL field is blank.", 0));
    EXPECT_EQ("http://typed.example/", request.URL);
    EXPECT_EQ(LowerCase(folder.path + "www_example_com.htm"), request.File);
    EXPECT_EQ("Example Domain", request.Title);
    EXPECT_TRUE(request.AsTitle);
    EXPECT_TRUE(request.Backup);
}

TEST(InjectDialog, WithoutABrowserFunctionFromBrowserIsDisabled) {
    Settings settings;
    DefaultInjectOptions(settings);
    StdFileSystem files;
    common::testing::ScriptedMessageBox messages;
    InjectRequest request;
    request.URL = "http://a.example/";
    bool removeAfterwards = false;
    TForm_InjectUrl dialog(request, removeAfterwards, {settings, files, messages, nullptr, nullptr}, nullptr);
    bool enabled = true;
    WhenWindowAppears(kCaption, [&](HWND window) {
        const WindowDriver driver(window);
        enabled = Enabled(driver, IDC_INJECT_FROM_BROWSER);
        EXPECT_EQ(driver.Control(IDC_INJECT_FILE), ::GetFocus());  // the URL was given
        driver.Click(IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dialog.ShowModal(nullptr));
    EXPECT_FALSE(enabled);
}

// The command: the selected bookmark goes into the page, the options are kept, and with
// RemoveURL on the bookmark leaves the list unless its URL was edited.
TEST(InjectCommand, StampsTheSelectedBookmarkIntoThePageAndRemovesIt) {
    testing::ProgramFolder folder("brantlow_inject_command", "[BrantlowURL]\r\nAutoSave=0\r\nConfirmRemove=0\r\n");
    ASSERT_TRUE(folder.loaded);
    folder.Write("saved.html", kPage);
    const std::unique_ptr<TForm_Main> started = testing::StartMainWindow(folder.path);
    ASSERT_TRUE(started);
    TForm_Main& form = *started;
    form.Options().Inject.RemoveURL = true;
    form.Options().Inject.SuggestFileName = false;
    const auto selectOnly = [&](int row) {
        form.List().View().SelectAll(false);
        form.List().SetSelected(row, true);
    };

    for (const bool editURL : {true, false}) {
        selectOnly(7);  // http://www.example.com/
        const int before = form.Manager().URLList().Count();
        WhenWindowAppears(kCaption, [&](HWND window) {
            const WindowDriver driver(window);
            EXPECT_EQ("http://www.example.com/", driver.Text(IDC_INJECT_URL));
            if (editURL) ::SetWindowTextA(driver.Control(IDC_INJECT_URL), "http://www.example.com/#top");
            driver.Type(IDC_INJECT_FILE, "saved.html");
            driver.Click(IDC_INJECT_CLEAN_BODY);
            driver.Click(IDOK);
        });
        WindowDriver(form.handle()).PressKey(IDC_LIST, VK_F4);
        const std::string url = editURL ? "http://www.example.com/#top" : "http://www.example.com/";
        const std::string page = folder.Read("saved.html");
        EXPECT_EQ(0u, page.rfind("<!-- Inserted by BrantlowURL\r\nX-URL: " + url + "\r\n", 0)) << page;
        EXPECT_NE(std::string::npos, page.find("-->\r\n<html><head>\r\n<BASE HREF=\"" + url +
                                               "\">\r\n<title>Example\r\nDomain</title></head>\r\n<BODY>\r\n<H4><A HREF=\"" +
                                               url + "\">" + url + "</A></H4>\r\nText\r\n</body></html>\r\n"))
            << page;
        EXPECT_EQ(editURL ? before : before - 1, form.Manager().URLList().Count());
        EXPECT_EQ(LowerCase(folder.path), form.Options().Inject.Path);
        form.Options().Inject.CleanBody = false;
        folder.Write("saved.html", kPage);
    }
    EXPECT_TRUE(form.Options().Inject.BaseHREF);
    form.Manager().SetSaved(true);
    form.Destroy();
}

}  // namespace
}  // namespace brantlow

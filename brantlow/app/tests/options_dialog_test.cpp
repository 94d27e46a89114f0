// The options dialog opened from the main window, for real under the harness display: edits
// on several pages stored by "OK" (and written to the configuration file at the end),
// nothing stored by "Cancel" or Esc, the scheme list, the description-length correction,
// and a change of the collection file that must not overwrite another collection.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "brantlow/app/main_window.h"
#include "brantlow/app/options_dialog.h"
#include "brantlow/app/options_dialog_ids.h"
#include "brantlow/app/resource_ids.h"
#include "brantlow/app/tests/program_folder.h"
#include "brantlow/app/tests/test_files.h"
#include "brantlow/core/messages.h"
#include "brantlow/core/text.h"
#include "brantlow/data/sample_collection.h"
#include "ui/testing/screenshot_path.h"
#include "ui/testing/window_driver.h"

namespace brantlow {
namespace {

using namespace std::chrono_literals;
using ui::testing::Pump;
using ui::testing::WhenWindowAppears;
using ui::testing::WindowDriver;
using testing::ReadText;
using testing::TempFolder;
using testing::WriteText;

// A data file of one bookmark.
void WriteOneBookmarkCollection(const std::string& path, const std::string& url) {
    std::string bytes;
    auto put32 = [&](std::int32_t value) { bytes.append(reinterpret_cast<const char*>(&value), 4); };
    put32(60002);
    put32(1);
    put32(static_cast<std::int32_t>(url.size()));
    bytes += url;
    put32(4);
    bytes += "mine";
    bytes.append(15, '\0');
    WriteText(path, bytes);
}

// The page of the options dialog that holds the control.
WindowDriver Page(HWND dialog, int pageTemplate) { return WindowDriver(::GetDlgItem(dialog, pageTemplate)); }

// Clicks a page's tab as the user does.
void ClickTab(HWND dialog, int index) {
    HWND tabs = ::GetDlgItem(dialog, IDC_OPT_TABS);
    RECT item{};
    TabCtrl_GetItemRect(tabs, index, &item);
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    ::PostMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageA(tabs, WM_LBUTTONUP, 0, at);
    Pump(0ms);
}

void SetText(HWND control, const std::string& text) { ::SetWindowTextA(control, text.c_str()); }

struct OptionsDialogTest : ::testing::Test {
    std::string folder = TempFolder("brantlow_options");
    std::unique_ptr<TForm_Main> form;

    void SetUp() override {
        WriteText(folder + "brantlow.ini",
                  "[BrantlowURL]\r\nAutoSave=1\r\nDescMaxLen=50\r\n[HTMLLayout]\r\nTagURLOn=\"<I>\"\r\n");
        StdFileSystem files;
        FileError error;
        auto output = files.Create(folder + "brantlow.btw", error);
        ASSERT_TRUE(output && WriteSampleCollection(*output));
        WriteText(folder + "brantlow.html", "");
    }
    void TearDown() override {
        if (form && form->handle()) form->Destroy();
        form.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    void Start() {
        form = testing::StartMainWindow(folder);
        ASSERT_TRUE(form);
    }
    // Opens the dialog with F5 and runs the script in it.
    void WithOptions(std::function<void(HWND)> script) {
        bool opened = false;
        WhenWindowAppears(kOptionsCaption, [&](HWND dialog) {
            opened = true;
            script(dialog);
        });
        WindowDriver(form->handle()).PressKey(IDC_LIST, VK_F5);
        EXPECT_TRUE(opened);
    }
    [[nodiscard]] Settings& Stored() { return form->Options(); }
};

TEST_F(OptionsDialogTest, OkStoresEditsFromSeveralPagesAndTheyReachTheConfigurationFile) {
    Start();
    WithOptions([&](HWND dialog) {
        WindowDriver main = Page(dialog, IDD_OPTIONS_MAIN);
        EXPECT_EQ(main.Control(IDC_OPT_URLFILE), ::GetFocus());
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(dialog, IDC_OPT_DEFAULTS)));
        SetText(main.Control(IDC_OPT_HTMLTITLE), "");
        main.Type(IDC_OPT_HTMLTITLE, "  My links");
        ::SendMessageA(main.Control(IDC_OPT_LISTDBLCLICK), CB_SETCURSEL, 3, 0);

        ClickTab(dialog, 2);
        WindowDriver look = Page(dialog, IDD_OPTIONS_INTERFACE);
        EXPECT_TRUE(::IsWindowVisible(look.window()));
        EXPECT_EQ("Ms Sans Serif 10 pt ", look.Text(IDC_OPT_FONT_SAMPLE));
        look.Click(IDC_OPT_GRIDLINES);
        look.Click(IDC_OPT_URLFIRST);
        WhenWindowAppears("Color", [](HWND colours) {
            WindowDriver picker(colours);
            for (int id : {706, 707, 708}) SetText(picker.Control(id), "200");  // red, green, blue
            picker.Click(IDOK);
        });
        look.Click(IDC_OPT_BGCOLOR);

        ClickTab(dialog, 4);
        WindowDriver misc = Page(dialog, IDD_OPTIONS_MISC);
        SetText(misc.Control(IDC_OPT_BROWSER), "");
        misc.Type(IDC_OPT_BROWSER, "Opera.EXE");
        SetText(misc.Control(IDC_OPT_FILENAMECHARS), "");
        misc.Type(IDC_OPT_FILENAMECHARS, "abc");
        SetText(misc.Control(IDC_OPT_URLDELIMITERS), "");
        misc.Type(IDC_OPT_URLDELIMITERS, "<#>?|#");
        EXPECT_TRUE(WindowDriver(dialog).SaveScreenshot(ui::testing::ScreenshotPath("brantlow_options.png")));
        WindowDriver(dialog).Click(IDOK);
    });
    const TBrantlowURLOptions& o = Stored().Options;
    EXPECT_EQ("  My links", o.HTMLTitle);
    EXPECT_EQ(3, o.ListDblClick);
    EXPECT_FALSE(o.Gridlines);
    EXPECT_EQ(static_cast<std::int32_t>(RGB(200, 200, 200)), o.ListColor);
    EXPECT_EQ(LowerCase(folder) + "opera.exe", o.BrowserPath);
    EXPECT_EQ("_abc", o.FileNameChars);
    EXPECT_EQ("<>|#", o.URLDelimiters);
    // URLFirst off: the columns swapped at once.
    EXPECT_FALSE(o.URLFirst);
    EXPECT_EQ("BrantlowURL home page: news and updates", form->List().CellText(0, 0));

    ::SendMessageA(form->handle(), WM_CLOSE, 0, 0);
    ASSERT_EQ(nullptr, form->handle());
    const std::string ini = ReadText(folder + "brantlow.ini");
    for (const std::string line : {"HTMLTitle=\"  My links\"", "ListDblClick=3", "Gridlines=0", "URLFirst=0",
                                   "FileNameChars=\"_abc\"", "URLDelimiters=\"<>|#\""})
        EXPECT_NE(std::string::npos, ini.find(line + "\r\n")) << line;
    EXPECT_NE(std::string::npos, ini.find("BrowserPath=" + LowerCase(folder) + "opera.exe\r\n"));
}

TEST_F(OptionsDialogTest, CancelAndEscStoreNothingAfterColourAndHTMLDefaultsChanges) {
    Start();
    const Settings before = Stored();
    WithOptions([&](HWND dialog) {
        ClickTab(dialog, 2);
        WindowDriver look = Page(dialog, IDD_OPTIONS_INTERFACE);
        WhenWindowAppears("Color", [](HWND colours) {
            WindowDriver picker(colours);
            for (int id : {706, 707, 708}) SetText(picker.Control(id), "200");  // red, green, blue
            picker.Click(IDOK);
        });
        look.Click(IDC_OPT_BGCOLOR);

        ClickTab(dialog, 3);
        EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(dialog, IDC_OPT_DEFAULTS)));
        WhenWindowAppears(std::string(kAppTitle), [](HWND box) { WindowDriver(box).Click(IDYES); });
        WindowDriver(dialog).Click(IDC_OPT_DEFAULTS);
        EXPECT_EQ("<B>", Page(dialog, IDD_OPTIONS_HTML).Text(IDC_OPT_TAGURLON));
        Page(dialog, IDD_OPTIONS_HTML).PressKey(IDC_OPT_TAGURLON, VK_ESCAPE);
    });
    EXPECT_EQ(before.Options.ListColor, Stored().Options.ListColor);
    EXPECT_EQ("<I>", Stored().HTMLLayout.TagURLOn);

    WithOptions([&](HWND dialog) {
        WindowDriver main = Page(dialog, IDD_OPTIONS_MAIN);
        main.Click(IDC_OPT_AUTOSAVE);
        main.Type(IDC_OPT_HTMLTITLE, " changed");
        WindowDriver(dialog).Click(IDCANCEL);
    });
    EXPECT_TRUE(Stored().Options.AutoSave);
    EXPECT_EQ(before.Options.HTMLTitle, Stored().Options.HTMLTitle);

    ::SendMessageA(form->handle(), WM_CLOSE, 0, 0);
    ASSERT_EQ(nullptr, form->handle());
    const std::string ini = ReadText(folder + "brantlow.ini");
    EXPECT_NE(std::string::npos, ini.find("ListColor=-2147483643\r\n"));
    EXPECT_NE(std::string::npos, ini.find("TagURLOn=\"<I>\"\r\n"));
}

TEST_F(OptionsDialogTest, SchemesAreAddedOnceInLowerCaseAndDeletedBySelection) {
    Start();
    WithOptions([&](HWND dialog) {
        ClickTab(dialog, 1);
        WindowDriver urls = Page(dialog, IDD_OPTIONS_URLS);
        for (const char* typed : {"GOPHER2://", "gopher2://"}) {
            urls.Type(IDC_OPT_SCHEME_TEXT, typed);
            urls.Click(IDC_OPT_SCHEME_ADD);
            EXPECT_EQ("", urls.Text(IDC_OPT_SCHEME_TEXT));
        }
        HWND list = urls.Control(IDC_OPT_SCHEMES);
        EXPECT_EQ(11, ::SendMessageA(list, LB_GETCOUNT, 0, 0));
        EXPECT_EQ(2, ::SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>("gopher2://")));
        // "&Delete" removes the selected schemes from the list and the working copy.
        ::SendMessageA(list, LB_SETSEL, TRUE, 0);
        ::SendMessageA(list, LB_SETSEL, TRUE, 10);
        urls.Click(IDC_OPT_SCHEME_DELETE);
        EXPECT_EQ(9, ::SendMessageA(list, LB_GETCOUNT, 0, 0));
        WindowDriver(dialog).Click(IDOK);
    });
    const std::vector<std::string>& schemes = Stored().Schemes;
    EXPECT_EQ(1, std::count(schemes.begin(), schemes.end(), "gopher2://"));
    EXPECT_EQ(0, std::count(schemes.begin(), schemes.end(), "file://"));
    EXPECT_EQ(0, std::count(schemes.begin(), schemes.end(), "wais://"));
    EXPECT_EQ(9u, schemes.size());
    EXPECT_EQ(9, Stored().Options.SchemesCnt);
}

TEST_F(OptionsDialogTest, AMinimumAboveTheMaximumRaisesTheMaximumWhenTheFieldIsLeft) {
    Start();
    std::string shown;
    WithOptions([&](HWND dialog) {
        ClickTab(dialog, 1);
        WindowDriver urls = Page(dialog, IDD_OPTIONS_URLS);
        SetText(urls.Control(IDC_OPT_DESCMINLEN), "");
        urls.Type(IDC_OPT_DESCMINLEN, "60");
        WhenWindowAppears(std::string(kAppTitle), [&](HWND box) {
            shown = WindowDriver(box).Text(0xFFFF);
            WindowDriver(box).Click(IDOK);
        });
        ::SetFocus(urls.Control(IDC_OPT_DESCSTRIPHTML));
        Pump(100ms);
        EXPECT_EQ("61", urls.Text(IDC_OPT_DESCMAXLEN));
        WindowDriver(dialog).Click(IDOK);
    });
    EXPECT_EQ(kDescLengthCorrected, shown);
    EXPECT_EQ(60, Stored().Options.DescMinLen);
    EXPECT_EQ(61, Stored().Options.DescMaxLen);
}

// "R&eset" gives the list the font and background a fresh configuration has, with the
// default character set (the OEM set would turn the list into a terminal font).
TEST_F(OptionsDialogTest, ResetRestoresTheFactoryFontAndBackground) {
    WriteText(folder + "brantlow.ini",
              "[BrantlowURL]\r\nAutoSave=1\r\nListColor=255\r\n"
              "[FontProperties]\r\nFCharset=0\r\nFName=\"Arial\"\r\nFStyle=\"italicbold\"\r\nFPitch=2\r\n");
    Start();
    WithOptions([&](HWND dialog) {
        ClickTab(dialog, 2);
        WindowDriver look = Page(dialog, IDD_OPTIONS_INTERFACE);
        EXPECT_EQ("Arial 10 pt bolditalic", look.Text(IDC_OPT_FONT_SAMPLE));
        WhenWindowAppears(std::string(kAppTitle), [](HWND box) { WindowDriver(box).Click(IDYES); });
        look.Click(IDC_OPT_FONT_RESET);
        EXPECT_EQ("Ms Sans Serif 10 pt ", look.Text(IDC_OPT_FONT_SAMPLE));
        WindowDriver(dialog).Click(IDOK);
    });
    const TBrantlowURLOptions factory;
    const TFontProperties& font = Stored().Options.Font;
    EXPECT_EQ(factory.Font.FCharset, font.FCharset);
    EXPECT_EQ(factory.Font.FName, font.FName);
    EXPECT_EQ(factory.Font.FPitch, font.FPitch);
    EXPECT_FALSE(font.Bold || font.Italic || font.Underline || font.StrikeOut);
    EXPECT_EQ(factory.ListColor, Stored().Options.ListColor);
}

TEST_F(OptionsDialogTest, SwitchesShowAndEnableTheControlsThatDependOnThem) {
    Start();
    WithOptions([&](HWND dialog) {
        ClickTab(dialog, 1);
        WindowDriver urls = Page(dialog, IDD_OPTIONS_URLS);
        EXPECT_TRUE(::IsWindowEnabled(urls.Control(IDC_OPT_DUPLICATEACTION)));
        urls.Click(IDC_OPT_ALLOWDUPLICATES);
        EXPECT_FALSE(::IsWindowEnabled(urls.Control(IDC_OPT_DUPLICATEACTION)));

        ClickTab(dialog, 3);
        WindowDriver html = Page(dialog, IDD_OPTIONS_HTML);
        HWND layout = html.Control(IDC_OPT_LISTLAYOUT);
        auto choose = [&](int index) {
            ::SendMessageA(layout, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
            ::SendMessageA(html.window(), WM_COMMAND, MAKEWPARAM(IDC_OPT_LISTLAYOUT, CBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(layout));
        };
        EXPECT_FALSE(::IsWindowVisible(html.Control(IDC_OPT_TPLFILE)));
        choose(4);
        EXPECT_TRUE(::IsWindowVisible(html.Control(IDC_OPT_TPLFILE)));
        for (int id : {IDC_OPT_TAGHEAD, IDC_OPT_TAGTABLE, IDC_OPT_SHOWURL, IDC_OPT_TAG_LABEL_FIRST})
            EXPECT_FALSE(::IsWindowVisible(html.Control(id))) << id;
        choose(3);
        EXPECT_FALSE(::IsWindowVisible(html.Control(IDC_OPT_TPLFILE)));
        EXPECT_TRUE(::IsWindowVisible(html.Control(IDC_OPT_TAGTABLE)));

        ClickTab(dialog, 0);
        WindowDriver main = Page(dialog, IDD_OPTIONS_MAIN);
        main.Click(IDC_OPT_MRUUSE);
        EXPECT_FALSE(::IsWindowEnabled(main.Control(IDC_OPT_MRUCOUNT)));
        main.Click(IDC_OPT_MRUUSE);
        EXPECT_TRUE(::IsWindowEnabled(main.Control(IDC_OPT_MRUCOUNT)));
        EXPECT_EQ(main.Control(IDC_OPT_MRUCOUNT), ::GetFocus());
        WindowDriver(dialog).Click(IDOK);
    });
    EXPECT_FALSE(Stored().Options.NoDuplicates);
    EXPECT_EQ(3, Stored().HTMLLayout.ListLayout);
}

// With auto-save on, the list is saved after "OK"; a new file name that names an existing
// collection must open that collection, not overwrite it with the current list.
TEST_F(OptionsDialogTest, ANewFileNameOfAnExistingCollectionOpensItWithoutOverwritingIt) {
    WriteOneBookmarkCollection(folder + "other.btw", "http://other.example/");
    WriteText(folder + "other.html", "");
    Start();
    ASSERT_EQ(10, form->Manager().URLList().Count());
    WithOptions([&](HWND dialog) {
        WindowDriver main = Page(dialog, IDD_OPTIONS_MAIN);
        SetText(main.Control(IDC_OPT_URLFILE), "");
        main.Type(IDC_OPT_URLFILE, "Other.html");
        WindowDriver(dialog).Click(IDOK);
    });
    EXPECT_EQ(LowerCase(folder) + "other.html", Stored().Options.URLFileName);
    ASSERT_EQ(1, form->Manager().URLList().Count());
    EXPECT_EQ("http://other.example/", form->List().Entry(0)->URL);
}

}  // namespace
}  // namespace brantlow

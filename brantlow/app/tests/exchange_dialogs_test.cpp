// The import and export dialogs of the main window, for real under the harness display:
// files chosen in the system's file dialog and imported into the list, the collection
// exported into a Netscape bookmark file and into Internet shortcuts, and a file that
// cannot be read.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "brantlow/app/export_dialog_ids.h"
#include "brantlow/app/import_dialog_ids.h"
#include "brantlow/app/main_window.h"
#include "brantlow/app/resource_ids.h"
#include "brantlow/app/tests/program_folder.h"
#include "brantlow/app/tests/test_files.h"
#include "brantlow/core/text.h"
#include "ui/testing/screenshot_path.h"
#include "ui/testing/window_driver.h"

namespace brantlow {
namespace {

using namespace std::chrono_literals;
using ui::testing::Pump;
using ui::testing::PumpUntil;
using ui::testing::WhenWindowAppears;
using ui::testing::WindowDriver;
using testing::ReadText;
using testing::WriteText;

constexpr const char* kBoxCaption = "BrantlowURL 1.58";

// Answers the next message box with OK and keeps its text.
void ReadNextMessage(std::string& text) {
    WhenWindowAppears(kBoxCaption, [&text](HWND box) {
        text = WindowDriver(box).Text(0xFFFF);
        WindowDriver(box).Click(IDOK);
    });
}

// Chooses files in the system's open dialog by typing their names, as a user would.
void ChooseFilesInFileDialog(const std::string& names) {
    WhenWindowAppears("Select file(s) to import URLs from", [names](HWND dialog) {
        Pump(300ms);  // the dialog fills its folder view after it appears
        // The file name box: an extended combo box, or a plain edit box in older dialogs.
        HWND name = ::GetDlgItem(dialog, 0x47c);
        if (!name) name = ::GetDlgItem(dialog, 0x480);
        if (HWND edit = reinterpret_cast<HWND>(::SendMessageA(name, CBEM_GETEDITCONTROL, 0, 0))) name = edit;
        ::SetWindowTextA(name, names.c_str());
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
        // The dialog hides at once; it is destroyed only after this script returns.
        if (!PumpUntil([dialog] { return !::IsWindowVisible(dialog); }, 5s)) {
            ADD_FAILURE() << "the file dialog did not take the names";
            ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        }
    });
}

// The combo box choice a user makes, with the notification the dialog reacts to.
void ChooseFormat(HWND dialog, int format) {
    HWND combo = ::GetDlgItem(dialog, IDC_EXPORT_FORMAT);
    ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(format), 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_EXPORT_FORMAT, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void ReplaceText(const WindowDriver& driver, int id, const std::string& text) {
    ::SetWindowTextA(driver.Control(id), "");
    driver.Type(id, text);
}

// A program folder with the sample collection, its page and a configuration.
struct ExchangeDialogsTest : ::testing::Test {
    testing::ProgramFolder program{"brantlow_exchange", "[BrantlowURL]\r\nAutoSave=0\r\nIconInTray=0\r\n"};
    const std::string& folder = program.path;
    std::unique_ptr<TForm_Main> form;

    void SetUp() override {
        ASSERT_TRUE(program.loaded);
        form = testing::StartMainWindow(folder);
        ASSERT_TRUE(form);
        // The message boxes carry the program's caption: they are found by it.
        ::SetWindowTextA(form->handle(), "Main window under test");
    }
    void TearDown() override {
        if (form && form->handle()) {
            form->Manager().SetSaved(true);
            form->Destroy();
        }
        form.reset();
    }
    [[nodiscard]] WindowDriver Driver() const { return WindowDriver(form->handle()); }
    [[nodiscard]] const TURLInfo& Entry(int index) { return *form->Manager().URLList().Items(index); }
    [[nodiscard]] int Count() { return form->Manager().URLList().Count(); }
};

TEST_F(ExchangeDialogsTest, ImportsAnHTMLAndATextFileChosenInTheFileDialog) {
    WriteText(folder + "page.htm",
              "<html><head><base href=\"http://site.example/docs/guide/index.html\"></head><body>\r\n"
              "<p><a href=\"../intro.html\">Introduction</a> and <a href=\"mailto:team@site.example\">Write\r\n"
              "to us</a></p></body></html>\r\n");
    WriteText(folder + "notes.txt", "Read later: Release notes http://notes.example/2024/\r\n");
    const std::vector<std::string> schemes = form->Options().Schemes;
    std::string files, reported;
    WhenWindowAppears("Import URLs from file", [&](HWND dialog) {
        WindowDriver driver(dialog);
        ChooseFilesInFileDialog("\"page.htm\" \"notes.txt\"");
        driver.Click(IDC_IMPORT_ADD);
        if (!PumpUntil([&] { return ::SendMessageA(driver.Control(IDC_IMPORT_FILES), LB_GETCOUNT, 0, 0) == 2; }, 5s)) {
            ADD_FAILURE() << "the chosen files did not reach the list";
            driver.Click(IDC_IMPORT_CLOSE);
            return;
        }
        char status[64] = {};
        ::SendMessageA(driver.Control(IDC_IMPORT_SBAR), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(status));
        files = status;
        EXPECT_TRUE(driver.SaveScreenshot(ui::testing::ScreenshotPath("brantlow_import_dialog.png")));
        ReadNextMessage(reported);
        driver.Click(IDC_IMPORT_NOW);
    });
    Driver().Command(IDM_IMPORT_FILES);
    EXPECT_EQ("2 files", files);
    EXPECT_EQ("Number of URLs added: 3", reported);
    ASSERT_EQ(13, Count());
    // The files in the list's sorted order: notes.txt, then page.htm.
    EXPECT_EQ("http://notes.example/2024/", Entry(10).URL);
    EXPECT_EQ("Read later: Release notes", Entry(10).Description);
    EXPECT_EQ("http://site.example/docs/intro.html", Entry(11).URL);
    EXPECT_EQ("Introduction", Entry(11).Description);
    EXPECT_EQ("mailto:team@site.example", Entry(12).URL);
    EXPECT_EQ("Write to us", Entry(12).Description);
    EXPECT_FALSE(form->Manager().Saved());
    EXPECT_EQ(schemes, form->Options().Schemes);  // the program's own list is back
}

TEST_F(ExchangeDialogsTest, ChoicesAreKeptAndAnUnreadableFileEndsTheImportKeepingWhatCameBefore) {
    WriteText(folder + "a_first.txt", "http://first.example/\r\n");
    WriteText(folder + "b_locked.txt", "http://never.example/\r\n");
    HANDLE locked = INVALID_HANDLE_VALUE;
    form->Options().Options.ClipHash = false;
    std::string empty, reported;
    WhenWindowAppears("Import URLs from file", [&](HWND dialog) {
        WindowDriver driver(dialog);
        ReadNextMessage(empty);
        driver.Click(IDC_IMPORT_NOW);  // nothing to import yet: the dialog stays
        ASSERT_TRUE(::IsWindow(dialog));
        ChooseFilesInFileDialog("\"b_locked.txt\" \"a_first.txt\"");
        driver.Click(IDC_IMPORT_ADD);
        // Another program takes the file for itself after it was chosen.
        locked = ::CreateFileA((folder + "b_locked.txt").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (locked == INVALID_HANDLE_VALUE ||
            ::SendMessageA(driver.Control(IDC_IMPORT_FILES), LB_GETCOUNT, 0, 0) != 2) {
            ADD_FAILURE() << "the files were not chosen or could not be locked";
            driver.Click(IDC_IMPORT_CLOSE);
            return;
        }
        driver.Click(IDC_IMPORT_CLIP_HASH);  // the import's own setting, for this run only
        // Links to chosen kinds of files only: the extension sets become available.
        EXPECT_FALSE(::IsWindowEnabled(driver.Control(IDC_IMPORT_COMBO_EXT)));
        driver.Click(IDC_IMPORT_ALL_FILES);
        EXPECT_TRUE(::IsWindowEnabled(driver.Control(IDC_IMPORT_COMBO_EXT)));
        HWND sets = driver.Control(IDC_IMPORT_COMBO_EXT);
        ::SendMessageA(sets, CB_SETCURSEL, 3, 0);
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_IMPORT_COMBO_EXT, CBN_SELCHANGE), reinterpret_cast<LPARAM>(sets));
        EXPECT_EQ(".zip;.arj;.exe;.gz;.gzip", driver.Text(IDC_IMPORT_EDIT_EXT));
        ReadNextMessage(reported);
        driver.Click(IDC_IMPORT_NOW);
    });
    Driver().Command(IDM_IMPORT_FILES);
    if (locked != INVALID_HANDLE_VALUE) ::CloseHandle(locked);
    EXPECT_EQ("Please click \"Add files\" first to add one or more files to the list, or click \"Close\" to dismiss "
              "this dialog box.",
              empty);
    EXPECT_EQ(0u, reported.find("I/O error "));
    EXPECT_NE(std::string::npos, reported.find("b_locked.txt"));
    ASSERT_EQ(11, Count());
    EXPECT_EQ("http://first.example/", Entry(10).URL);
    EXPECT_FALSE(form->Manager().Saved());
    const TImportOptions& stored = form->Options().Import;  // the dialog's choices are kept
    EXPECT_TRUE(stored.ClipHash);
    EXPECT_FALSE(stored.AllFiles);
    EXPECT_EQ(3, stored.FileTypes);
    EXPECT_EQ(".zip;.arj;.exe;.gz;.gzip", stored.Extensions);
    EXPECT_FALSE(form->Options().Options.ClipHash);  // the program's own setting is back
}

TEST_F(ExchangeDialogsTest, ExportsToANetscapeBookmarkFileAndToInternetShortcuts) {
    const std::string bookmarks = folder + "bookmark.htm";
    WriteText(bookmarks,
              "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n<TITLE>Bookmarks</TITLE>\r\n<H1>Bookmarks</H1>\r\n\r\n"
              "<DL><p>\r\n    <DT><A HREF=\"http://kept.example/\">Kept</A>\r\n</DL><p>\r\n");
    const std::string favorites = folder + "favorites";
    std::filesystem::create_directories(favorites);
    std::string toNetscape, toFavorites;
    WhenWindowAppears("Export bookmarks", [&](HWND dialog) {
        WindowDriver driver(dialog);
        EXPECT_FALSE(::IsWindowEnabled(driver.Control(IDC_EXPORT_RUN)));  // no name yet
        ChooseFormat(dialog, 2);
        driver.Type(IDC_EXPORT_FILE_NAME, bookmarks);
        EXPECT_TRUE(::IsWindowEnabled(driver.Control(IDC_EXPORT_RUN)));
        EXPECT_FALSE(::IsWindowEnabled(driver.Control(IDC_EXPORT_QUOTE)));
        EXPECT_TRUE(driver.SaveScreenshot(ui::testing::ScreenshotPath("brantlow_export_dialog.png")));
        ReadNextMessage(toNetscape);
        driver.Click(IDC_EXPORT_RUN);

        ChooseFormat(dialog, 3);
        EXPECT_FALSE(::IsWindowVisible(driver.Control(IDC_EXPORT_FILE_NAME)));
        EXPECT_EQ("&Folder:", driver.Text(IDC_EXPORT_LABEL_WHAT));
        ReplaceText(driver, IDC_EXPORT_PATH_NAME, favorites);
        ReadNextMessage(toFavorites);
        driver.Click(IDC_EXPORT_RUN);
        EXPECT_TRUE(::IsWindow(dialog));  // it stays open until closed
        driver.Click(IDC_EXPORT_CLOSE);
    });
    Driver().Command(IDM_FILE_EXPORT);
    EXPECT_EQ(LowerCase("Exported 10 bookmarks to:\r" + bookmarks), LowerCase(toNetscape));
    const std::string exported = ReadText(bookmarks);
    const std::size_t folderAt = exported.find("    <DT><H3 FOLDED>");
    ASSERT_NE(std::string::npos, folderAt);
    EXPECT_LT(exported.find("<DL><p>"), folderAt);
    EXPECT_NE(std::string::npos,
              exported.find("        <DT><A HREF=\"http://www.quillmoor.example/brantlow/\">BrantlowURL home page: news "
                            "and updates</A>\r\r\n"));
    EXPECT_NE(std::string::npos, exported.find("http://kept.example/"));
    EXPECT_TRUE(std::filesystem::exists(folder + "bookmark.bak"));

    EXPECT_EQ(0u, toFavorites.find("Exported 10 bookmarks to:\r"));
    EXPECT_EQ("[InternetShortcut]\r\nURL=http://www.quillmoor.example/brantlow/\r\n",
              ReadText(favorites + "\\BrantlowURL_home_page_news_and_updates.url"));
}

}  // namespace
}  // namespace brantlow

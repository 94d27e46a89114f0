// Getting a page from a running browser and importing Favorites in the real main window.
// A small program plays the browser: a window of its class and its DDE service.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "brantlow/app/favorites_dialog_ids.h"
#include "brantlow/app/inject_dialog_ids.h"
#include "brantlow/app/main_window.h"
#include "brantlow/app/resource_ids.h"
#include "brantlow/app/tests/test_files.h"
#include "brantlow/data/sample_collection.h"
#include "platform/shell_folder.h"
#include "ui/testing/window_driver.h"

namespace brantlow {
namespace {

using namespace std::chrono_literals;
using ui::testing::Pump;
using ui::testing::PumpUntil;
using ui::testing::WhenWindowAppears;
using ui::testing::WindowDriver;
using testing::WriteText;

std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex.push_back(digits[c >> 4]);
        hex.push_back(digits[c & 15]);
    }
    return hex;
}

std::string TestFolder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

// The browser program, running while the object lives.
class FakeBrowser {
public:
    FakeBrowser(const std::string& windowClass, const std::string& service, const std::string& reply)
        : windowClass_(windowClass) {
        std::string line = "\"" + TestFolder() + "fake_browser.exe\" \"" + windowClass + "\" " + service + " " +
                           Hex(reply);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_))
            PumpUntil([&] { return ::FindWindowA(windowClass_.c_str(), nullptr) != nullptr; }, 10s);
    }
    FakeBrowser(const FakeBrowser&) = delete;
    FakeBrowser& operator=(const FakeBrowser&) = delete;
    ~FakeBrowser() {
        if (!process_.hProcess) return;
        if (HWND window = ::FindWindowA(windowClass_.c_str(), nullptr)) ::PostMessageA(window, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0) ::TerminateProcess(process_.hProcess, 1);
        ::CloseHandle(process_.hThread);
        ::CloseHandle(process_.hProcess);
    }
    [[nodiscard]] bool Running() const { return ::FindWindowA(windowClass_.c_str(), nullptr) != nullptr; }

private:
    std::string windowClass_;
    PROCESS_INFORMATION process_{};
};

struct BrowserCaptureWindowTest : ::testing::Test {
    std::string folder;
    std::unique_ptr<TForm_Main> form;
    std::vector<std::string> boxes;

    void SetUp() override {
        char base[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, base);
        folder = std::string(base) + "brantlow_browser_" + std::to_string(::GetCurrentProcessId()) + "\\";
        std::filesystem::create_directories(folder);
        StdFileSystem files;
        FileError error;
        auto output = files.Create(folder + "brantlow.btw", error);
        ASSERT_TRUE(output && WriteSampleCollection(*output));
        WriteText(folder + "brantlow.html", "");
    }
    void TearDown() override {
        if (form && form->handle()) {
            form->Manager().SetSaved(true);
            form->Destroy();
        }
        form.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    void Start(const std::string& options) {
        WriteText(folder + "brantlow.ini", "[BrantlowURL]\r\nAutoSave=0\r\n" + options);
        MainWindowOptions start;
        start.programPath = folder + "brantlow.exe";
        start.quitWhenDestroyed = false;
        form = std::make_unique<TForm_Main>(std::move(start));
        ASSERT_TRUE(form->CreateMain());
        form->Show(SW_SHOWNORMAL);
        Pump(100ms);
        // The message boxes have the program's caption; the window must not be taken for one.
        ::SetWindowTextA(form->handle(), "Main window under test");
    }
    // Records the text of the next message box and closes it.
    void AnswerNextBox() {
        WhenWindowAppears("BrantlowURL 1.58", [this](HWND box) {
            boxes.push_back(WindowDriver(box).Text(0xFFFF));
            WindowDriver(box).Click(IDOK);
        });
    }
    [[nodiscard]] int Count() { return form->Manager().URLList().Count(); }
};

TEST_F(BrowserCaptureWindowTest, GetFromBrowserAddsThePageTheBrowserShows) {
    FakeBrowser browser("IEFrame", "iexplore", R"("http://fake.example/page","Fake site [Home page]")");
    ASSERT_TRUE(browser.Running());
    Start("");
    ASSERT_EQ(10, Count());
    WindowDriver(form->handle()).PressKey(IDC_LIST, 'B', {VK_CONTROL});
    PumpUntil([&] { return Count() == 11; }, 5s);
    ASSERT_EQ(11, Count());
    EXPECT_EQ("http://fake.example/page", form->Manager().URLList().Items(10)->URL);
    EXPECT_EQ("Home page", form->Manager().URLList().Items(10)->Description);
    EXPECT_FALSE(form->Manager().Saved());
    EXPECT_TRUE(boxes.empty());

    // The tray menu offers the command too, and it is disabled while a dialog is open.
    EXPECT_EQ(0u, ::GetMenuState(form->TrayMenu(), IDM_URL_GET_BROWSER, MF_BYCOMMAND) & MF_GRAYED);
    form->EnableTrayCommands(false);
    EXPECT_NE(0u, ::GetMenuState(form->TrayMenu(), IDM_URL_GET_BROWSER, MF_BYCOMMAND) & MF_GRAYED);
    form->EnableTrayCommands(true);
}

TEST_F(BrowserCaptureWindowTest, WithoutABrowserTheFailureIsReportedWhenAlertsAreOn) {
    Start("AlertonFail=1\r\n");
    AnswerNextBox();
    WindowDriver(form->handle()).Command(IDM_URL_GET_BROWSER);
    PumpUntil([&] { return !boxes.empty(); }, 5s);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Cannot capture URL, because neither Netscape nor MS Internet Explorer is currently running.", boxes[0]);
    EXPECT_EQ(10, Count());
}

TEST_F(BrowserCaptureWindowTest, AnErrorReplyShowsItsBytesAndAddsNothing) {
    FakeBrowser browser("IEFrame", "iexplore", std::string("\xFF\x01\x2A\x03", 4));
    ASSERT_TRUE(browser.Running());
    Start("AlertonFail=0\r\n");
    AnswerNextBox();
    WindowDriver(form->handle()).Command(IDM_URL_GET_BROWSER);
    PumpUntil([&] { return !boxes.empty(); }, 5s);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Error ff12a3", boxes[0]);
    EXPECT_EQ(10, Count());
    EXPECT_TRUE(form->Manager().Saved());
}

TEST_F(BrowserCaptureWindowTest, TheInjectDialogTakesTheBrowsersPageWithoutAddingIt) {
    FakeBrowser browser("IEFrame", "iexplore", R"("http://fake.example/saved","Saved page")");
    ASSERT_TRUE(browser.Running());
    Start("");
    std::string url, title;
    WhenWindowAppears("Inject URL into a document", [&](HWND dialog) {
        WindowDriver driver(dialog);
        driver.Click(IDC_INJECT_FROM_BROWSER);
        url = driver.Text(IDC_INJECT_URL);
        title = driver.Text(IDC_INJECT_TITLE);
        driver.Click(IDCANCEL);
    });
    WindowDriver(form->handle()).Command(IDM_URL_INJECT);
    EXPECT_EQ("http://fake.example/saved", url);
    EXPECT_EQ("Saved page", title);
    EXPECT_EQ(10, Count());
    EXPECT_TRUE(boxes.empty());
}

// Shortcut files in the Wine user's real Favorites folder, removed afterwards.
class FavoritesFiles {
public:
    explicit FavoritesFiles(std::string root) : root_(std::move(root)) {
        std::filesystem::create_directories(root_ + "\\Brantlow test folder");
        Write("News.URL", "[InternetShortcut]\r\nurl=http://news.example/Today\r\n");
        Write("Brantlow test folder\\Nested.url", "[InternetShortcut]\r\nURL=http://nested.example/\r\n");
    }
    FavoritesFiles(const FavoritesFiles&) = delete;
    FavoritesFiles& operator=(const FavoritesFiles&) = delete;
    ~FavoritesFiles() {
        std::error_code ignored;
        std::filesystem::remove(root_ + "\\News.URL", ignored);
        std::filesystem::remove_all(root_ + "\\Brantlow test folder", ignored);
    }

private:
    void Write(const std::string& name, const std::string& text) { WriteText(root_ + "\\" + name, text); }
    std::string root_;
};

TEST_F(BrowserCaptureWindowTest, ImportFavoritesTakesTheShortcutsOfTheUsersFavoritesFolder) {
    const std::string favorites = platform::ShellFolder("FAVORITES");
    ASSERT_FALSE(favorites.empty());
    const FavoritesFiles files(favorites);
    Start("");

    std::string shownFolder;
    bool refused = false;
    WhenWindowAppears("Import Favorites", [&](HWND dialog) {
        WindowDriver driver(dialog);
        shownFolder = driver.Text(IDC_FAVORITES_PATH);
        EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(dialog, IDC_FAVORITES_SUBFOLDERS));
        // A blank folder is refused and the dialog stays open.
        ::SetDlgItemTextA(dialog, IDC_FAVORITES_PATH, "");
        WhenWindowAppears("BrantlowURL 1.58", [&](HWND box) {
            refused = WindowDriver(box).Text(0xFFFF) ==
                      "The Favorites folder you specified is blank or the folder does not exist.";
            WindowDriver(box).Click(IDOK);
        });
        driver.Click(IDOK);
        PumpUntil([&] { return refused; }, 5s);
        EXPECT_TRUE(::IsWindow(dialog));
        ::SetDlgItemTextA(dialog, IDC_FAVORITES_PATH, shownFolder.c_str());
        AnswerNextBox();
        driver.Click(IDOK);
    });
    WindowDriver(form->handle()).Command(IDM_IMPORT_FAVORITES);
    PumpUntil([&] { return !boxes.empty(); }, 5s);

    EXPECT_EQ(favorites, shownFolder);
    EXPECT_TRUE(refused);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(0u, boxes[0].rfind("Imported ", 0)) << boxes[0];
    std::map<std::string, std::string> added;
    for (int i = 10; i < Count(); ++i)
        added[form->Manager().URLList().Items(i)->URL] = form->Manager().URLList().Items(i)->Description;
    EXPECT_EQ("News", added["http://news.example/Today"]);
    EXPECT_EQ("Nested", added["http://nested.example/"]);
    EXPECT_FALSE(form->Manager().Saved());
}

}  // namespace
}  // namespace brantlow

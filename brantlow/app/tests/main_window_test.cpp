// The bookmark manager's main window, for real under the harness display: start-up with a
// collection and a configuration, adding from the clipboard, the clipboard monitor across
// processes, finding with regular expressions, copying, the hand-over from a second
// instance, and the closing question.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "brantlow/app/find_dialog_ids.h"
#include "brantlow/app/main_window.h"
#include "brantlow/app/resource_ids.h"
#include "brantlow/app/tests/test_files.h"
#include "brantlow/app/url_dialog_ids.h"
#include "brantlow/core/data_file.h"
#include "brantlow/core/text.h"
#include "brantlow/data/sample_collection.h"
#include "brantlow/startup/instance_manager.h"
#include "platform/clipboard.h"
#include "ui/testing/screenshot_path.h"
#include "ui/testing/window_driver.h"

namespace brantlow {
namespace {

using namespace std::chrono_literals;
using ui::testing::Pump;
using ui::testing::PumpUntil;
using ui::testing::WhenWindowAppears;
using ui::testing::WindowDriver;
using testing::TempFolder;
using testing::WriteText;

std::string MessageText(HWND box) { return WindowDriver(box).Text(0xFFFF); }

// Runs a program and waits for its end; its exit code, or -1.
int RunProgram(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string line = commandLine;
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    // The program may send to our windows while it runs: keep handling messages.
    PumpUntil([&] { return ::WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; }, 20s);
    DWORD code = static_cast<DWORD>(-1);
    ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

std::string ProgramFolderOfTest() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

// A program folder with a configuration and the sample collection (and its page, so that
// loading does not save at once).
struct MainWindowTest : ::testing::Test {
    std::string folder = TempFolder("brantlow_window");
    std::unique_ptr<TForm_Main> form;

    void SetUp() override {
        WriteText(folder + "brantlow.ini", "[BrantlowURL]\r\nAutoSave=0\r\nIconInTray=1\r\nDescPrompt=1\r\n");
        StdFileSystem files;
        FileError error;
        auto output = files.Create(folder + "brantlow.btw", error);
        ASSERT_TRUE(output && WriteSampleCollection(*output));
        WriteText(folder + "brantlow.html", "");
    }
    void TearDown() override {
        if (form && form->handle()) {
            form->Options().Options.AutoSave = false;
            form->Manager().SetSaved(true);
            form->Destroy();
        }
        form.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    void Start(std::vector<std::string> arguments = {}, InstanceManager* instances = nullptr) {
        MainWindowOptions options;
        options.programPath = folder + "brantlow.exe";
        options.arguments = std::move(arguments);
        options.instances = instances;
        options.quitWhenDestroyed = false;
        form = std::make_unique<TForm_Main>(std::move(options));
        ASSERT_TRUE(form->CreateMain());
        form->Show(SW_SHOWNORMAL);
        Pump(100ms);
    }
    [[nodiscard]] WindowDriver Driver() const { return WindowDriver(form->handle()); }
    [[nodiscard]] int Count() { return form->Manager().URLList().Count(); }
    [[nodiscard]] std::string StatusPanel(int panel) const {
        char text[256] = {};
        ::SendMessageA(form->StatusBar(), SB_GETTEXTA, panel, reinterpret_cast<LPARAM>(text));
        return text;
    }
};

TEST_F(MainWindowTest, StartsWithTheCollectionAndTheConfiguration) {
    WriteText(folder + "brantlow.ini", "[BrantlowURL]\r\nAutoSave=0\r\nURLFirst=0\r\nShowDescPanel=1\r\n");
    Start();
    EXPECT_EQ("BrantlowURL 1.58", Driver().Text());
    EXPECT_EQ(10, Count());
    EXPECT_EQ(10, form->List().View().RowCount());
    EXPECT_EQ("URLs: 10", StatusPanel(0));
    EXPECT_EQ("auto", StatusPanel(1));
    EXPECT_EQ("brantlow.html", StatusPanel(2));
    // URLFirst off: the description comes first.
    EXPECT_EQ("BrantlowURL home page: news and updates", form->List().CellText(0, 0));
    EXPECT_EQ("http://www.quillmoor.example/brantlow/", form->List().CellText(0, 1));
    EXPECT_EQ("1: BrantlowURL home page: news and updates", ui::WindowText(form->DescLabel()));
    EXPECT_TRUE(form->TrayShown());
    EXPECT_TRUE(form->List().IsSelected(0));

    form->Options().Options.URLFirst = true;
    form->ApplySettings();
    form->Manager().SwapColumns();
    Pump(200ms);
    EXPECT_TRUE(Driver().SaveScreenshot(ui::testing::ScreenshotPath("brantlow_main.png")));
}

TEST_F(MainWindowTest, AddSingleTakesTheURLFromTheClipboard) {
    Start();
    ASSERT_TRUE(platform::WriteClipboardText(nullptr, "Gallery of examples http://gallery.example/"));
    Driver().PressKey(IDC_LIST, 'A', {VK_CONTROL});
    ASSERT_EQ(11, Count());
    EXPECT_EQ("http://gallery.example/", form->Manager().URLList().Items(10)->URL);
    EXPECT_EQ("Gallery of examples", form->Manager().URLList().Items(10)->Description);
    EXPECT_EQ("MOD", StatusPanel(1));

    // Without a description the URL dialog asks for one; Esc cancels the add.
    ASSERT_TRUE(platform::WriteClipboardText(nullptr, "http://bare.example/"));
    bool asked = false;
    WhenWindowAppears("Add single URL", [&](HWND dialog) {
        asked = true;
        WindowDriver driver(dialog);
        EXPECT_EQ("http://bare.example/", driver.Text(IDC_EDIT_URL));
        EXPECT_TRUE(::IsWindowVisible(driver.Control(IDC_LABEL_CANCEL)));
        driver.Type(IDC_EDIT_DESC, "Bare page");
        driver.Click(IDOK);
    });
    Driver().Command(IDM_URL_ADD_SINGLE);
    EXPECT_TRUE(asked);
    ASSERT_EQ(12, Count());
    EXPECT_EQ("Bare page", form->Manager().URLList().Items(11)->Description);
}

TEST_F(MainWindowTest, MonitorCapturesAnotherProgramsCopyButNeverItsOwn) {
    WriteText(folder + "brantlow.ini", "[BrantlowURL]\r\nAutoSave=0\r\nDescPromptInCaptureMode=0\r\n");
    // What the clipboard holds when monitoring starts is not captured.
    ASSERT_TRUE(platform::WriteClipboardText(nullptr, "http://before.example/"));
    Start();
    Driver().PressKey(IDC_LIST, VK_F7);
    ASSERT_TRUE(form->Capture().ViewerOn());
    Pump(300ms);
    EXPECT_EQ(10, Count());

    const std::string writer = ProgramFolderOfTest() + "clip_writer.exe";
    ASSERT_EQ(0, RunProgram("\"" + writer + "\" \"Copied elsewhere http://elsewhere.example/page\""));
    ASSERT_TRUE(PumpUntil([&] { return Count() == 11; }, 5s));
    EXPECT_EQ("http://elsewhere.example/page", form->Manager().URLList().Items(10)->URL);

    // The program's own copy: the row's URL goes to the clipboard and stays out of the list.
    form->List().View().SelectAll(false);
    form->List().SetSelected(2, true);
    Driver().PressKey(IDC_LIST, 'C', {VK_CONTROL});
    Pump(500ms);
    EXPECT_EQ("http://www.w3.org/TR/html401/", platform::ReadClipboardText(nullptr).value_or(""));
    EXPECT_EQ(11, Count());

    // Another copy from elsewhere after the own copy is still captured.
    ASSERT_EQ(0, RunProgram("\"" + writer + "\" \"ftp://files.example/pub\""));
    ASSERT_TRUE(PumpUntil([&] { return Count() == 12; }, 5s));

    Driver().Command(IDM_VIEW_MONITOR);
    EXPECT_FALSE(form->Capture().ViewerOn());
}

TEST_F(MainWindowTest, ACapturePromptDoesNotKeepTheCopyingProgramWaiting) {
    WriteText(folder + "brantlow.ini", "[BrantlowURL]\r\nAutoSave=0\r\nMonitorClip=1\r\nDescMultiple=0\r\n");
    Start();
    ASSERT_TRUE(form->Capture().ViewerOn());
    Pump(300ms);
    bool writerEnded = false;
    HANDLE writer = nullptr;
    WhenWindowAppears("URL captured from clipboard", [&](HWND dialog) {
        writerEnded = writer && ::WaitForSingleObject(writer, 5000) == WAIT_OBJECT_0;
        WindowDriver driver(dialog);
        EXPECT_TRUE(::IsWindowVisible(driver.Control(IDC_CHECK_NO_PROMPT)));
        driver.Type(IDC_EDIT_DESC, "Named while capturing");
        driver.Click(IDOK);
    });
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string line = "\"" + ProgramFolderOfTest() + "clip_writer.exe\" http://prompted.example/";
    ASSERT_TRUE(::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                 &process));
    writer = process.hProcess;
    ASSERT_TRUE(PumpUntil([&] { return Count() == 11; }, 10s));
    EXPECT_TRUE(writerEnded);
    EXPECT_EQ("Named while capturing", form->Manager().URLList().Items(10)->Description);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}

TEST_F(MainWindowTest, FindDialogFindsByRegularExpressionAndFiltersWithFindAll) {
    Start();
    WhenWindowAppears("Find bookmark", [](HWND dialog) {
        WindowDriver driver(dialog);
        driver.Type(IDC_EDIT_FIND, "^https://");
        driver.Click(IDC_REGEXP);
        EXPECT_TRUE(driver.SaveScreenshot(ui::testing::ScreenshotPath("brantlow_find.png")));
        driver.Click(IDC_FIND_ALL);
    });
    Driver().PressKey(IDC_LIST, 'F', {VK_CONTROL});
    EXPECT_TRUE(form->Manager().FilterActive());
    ASSERT_EQ(3, form->List().Count());
    EXPECT_EQ("https://www.pcre.org/", form->List().Entry(0)->URL);
    EXPECT_EQ("URLs: 3/10", StatusPanel(0));
    EXPECT_EQ("[brantlow.html]", StatusPanel(2));

    // Find next with a pattern over the descriptions, then clear the filter.
    Driver().Command(IDM_VIEW_CLEAR_FILTER);
    EXPECT_EQ(10, form->List().Count());
    WhenWindowAppears("Find bookmark", [](HWND dialog) {
        WindowDriver driver(dialog);
        ::SetWindowTextA(driver.Control(IDC_EDIT_FIND), "");
        driver.Type(IDC_EDIT_FIND, "news(group)?$");
        driver.Click(IDOK);
    });
    Driver().Command(IDM_EDIT_FIND);
    EXPECT_EQ(std::vector<int>{6}, form->List().View().SelectedRows());
    EXPECT_EQ("7: C++ newsgroup", ui::WindowText(form->DescLabel()));
}

TEST_F(MainWindowTest, CopyAsHTMLOfSeveralRowsGivesOneLineEachAndDeselects) {
    Start();
    form->List().View().SelectAll(false);
    for (int row : {0, 3, 7}) form->List().SetSelected(row, true);
    Driver().PressKey(IDC_LIST, 'H', {VK_CONTROL});
    EXPECT_EQ("<A HREF=\"http://www.quillmoor.example/brantlow/\">BrantlowURL home page: news and updates</A>\r\n"
              "<A HREF=\"ftp://ftp.example.org/pub/\">Public FTP archive</A>\r\n"
              "<A HREF=\"http://www.example.com/\">http://www.example.com/</A>\r\n",
              platform::ReadClipboardText(nullptr).value_or(""));
    EXPECT_EQ(0, form->List().View().SelectedCount());
}

TEST_F(MainWindowTest, EditOpensTheURLDialogAndWritesTheBookmark) {
    Start();
    form->List().View().SelectAll(false);
    form->List().SetSelected(7, true);
    WhenWindowAppears("Edit URL", [](HWND dialog) {
        WindowDriver driver(dialog);
        EXPECT_EQ("http://www.example.com/", driver.Text(IDC_EDIT_URL));
        EXPECT_FALSE(::IsWindowVisible(driver.Control(IDC_CHECK_NO_PROMPT)));
        driver.Type(IDC_EDIT_DESC, "Example domain");
        EXPECT_TRUE(driver.SaveScreenshot(ui::testing::ScreenshotPath("brantlow_url_dialog.png")));
        driver.Click(IDOK);
    });
    Driver().PressKey(IDC_LIST, 'E', {VK_CONTROL});
    EXPECT_EQ("Example domain", form->Manager().URLList().Items(7)->Description);
    EXPECT_EQ("MOD", StatusPanel(1));
}

TEST_F(MainWindowTest, ASecondInstanceHandsItsFileOverAndEnds) {
    const std::string other = folder + "other.btw";
    {
        StdFileSystem files;
        FileError error;
        auto output = files.Create(other, error);
        ASSERT_TRUE(output);
        DataFileWriter writer(*output);
        TURLInfo entry;
        entry.URL = "http://handed.example/";
        entry.State = MakeState(45000);
        ASSERT_TRUE(writer.WriteHeader(1) && writer.WriteRecord(entry) && writer.Flush() && output->Close());
        WriteText(folder + "other.html", "");
    }
    InstanceManager instances;
    ASSERT_EQ(InstanceManager::StartResult::Primary, instances.Start("brantlow.exe"));
    Start({}, &instances);
    const std::string program = ProgramFolderOfTest() + "..\\..\\brantlow.exe";
    EXPECT_EQ(0, RunProgram("\"" + program + "\" \"" + other + "\""));
    ASSERT_TRUE(PumpUntil([&] { return Count() == 1; }, 5s));
    EXPECT_EQ("http://handed.example/", form->Manager().URLList().Items(0)->URL);
    EXPECT_EQ("other.html", StatusPanel(2));
}

TEST_F(MainWindowTest, ClosingWithUnsavedChangesAndAutoSaveOffAsksAndNoKeepsTheFileUnchanged) {
    Start();
    ASSERT_TRUE(platform::WriteClipboardText(nullptr, "Unsaved page http://unsaved.example/"));
    Driver().Command(IDM_URL_ADD_SINGLE);
    ASSERT_EQ(11, Count());
    ::SetWindowTextA(form->handle(), "Main window under test");  // the question has the program's caption
    std::string question;
    WhenWindowAppears("BrantlowURL 1.58", [&](HWND box) {
        question = MessageText(box);
        WindowDriver(box).Click(IDCANCEL);
    });
    ::PostMessageA(form->handle(), WM_CLOSE, 0, 0);
    PumpUntil([&] { return !question.empty(); }, 5s);
    Pump(100ms);
    EXPECT_EQ("Changes made to URL list have not been saved.\rSave now?", question);
    ASSERT_TRUE(::IsWindow(form->handle()));  // Cancel keeps the program running

    question.clear();
    WhenWindowAppears("BrantlowURL 1.58", [&](HWND box) {
        question = MessageText(box);
        WindowDriver(box).Click(IDNO);
    });
    ::PostMessageA(form->handle(), WM_CLOSE, 0, 0);
    PumpUntil([&] { return form->handle() == nullptr; }, 5s);
    EXPECT_FALSE(question.empty());
    EXPECT_EQ(nullptr, form->handle());
    std::ifstream data(folder + "brantlow.btw", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(data), {}};
    EXPECT_EQ(std::string::npos, bytes.find("unsaved.example"));
    // The configuration was written at the end.
    std::ifstream ini(folder + "brantlow.ini", std::ios::binary);
    const std::string config{std::istreambuf_iterator<char>(ini), {}};
    EXPECT_NE(std::string::npos, config.find("[FindOptions]"));
}

TEST_F(MainWindowTest, TheSwitchMinStartsInTheTrayAndTheTrayRestores) {
    Start({"-min"});
    Pump(200ms);
    EXPECT_TRUE(form->IsMinimized());
    EXPECT_FALSE(::IsWindowVisible(form->handle()));  // only the tray icon remains
    ::SendMessageA(form->handle(), kTrayCallbackMessage, 1, WM_LBUTTONDBLCLK);  // TrayDblClick 4: restore
    Pump(100ms);
    EXPECT_FALSE(form->IsMinimized());
    EXPECT_TRUE(::IsWindowVisible(form->handle()));
    EXPECT_FALSE(::IsIconic(form->handle()));
}

TEST_F(MainWindowTest, AnUnknownSwitchIsReportedAndDebugIsNot) {
    std::vector<std::string> shown;
    WhenWindowAppears("BrantlowURL 1.58", [&](HWND box) {
        shown.push_back(MessageText(box));
        WindowDriver(box).Click(IDOK);
    });
    Start({"/debug", "-bogus"});
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(0u, shown[0].rfind("Unsupported command-line parameters: ", 0));
    EXPECT_NE(std::string::npos, shown[0].find("-bogus"));
    EXPECT_EQ(std::string::npos, shown[0].find("debug"));
    EXPECT_EQ(10, Count());
}

TEST_F(MainWindowTest, TheTrayCannotOpenASecondDialogWhileOneIsOpen) {
    Start();
    form->List().SetSelected(0, true);
    bool grayedWhileOpen = false;
    WhenWindowAppears("Edit URL", [&](HWND dialog) {
        grayedWhileOpen = (::GetMenuState(form->TrayMenu(), IDM_URL_ADD_SINGLE, MF_BYCOMMAND) & MF_GRAYED) &&
                          (::GetMenuState(form->TrayMenu(), IDM_URL_BROWSE_PAGE, MF_BYCOMMAND) & MF_GRAYED);
        WindowDriver(dialog).Click(IDCANCEL);
    });
    Driver().Command(IDM_EDIT_EDIT);
    EXPECT_TRUE(grayedWhileOpen);
    EXPECT_FALSE(::GetMenuState(form->TrayMenu(), IDM_URL_ADD_SINGLE, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(MainWindowTest, ColumnWidthsAndRecentFilesAreKeptInTheRegistry) {
    Start();
    form->List().View().SetColumnWidth(1, 222);
    ::SendMessageA(form->handle(), WM_CLOSE, 0, 0);
    ASSERT_EQ(nullptr, form->handle());
    Start();
    EXPECT_EQ(222, form->List().View().ColumnWidth(1));
    const HMENU file = ::GetSubMenu(form->MainMenu(), 0);
    EXPECT_EQ("&1 " + LowerCase(folder + "brantlow.html"), ui::MenuCommandText(file, IDM_MRU_FIRST));
}

}  // namespace
}  // namespace brantlow

// The install dialog and the Help menu's setup commands on a real main window: the enable
// rule of "&Install", the association and shortcuts it creates, and the uninstall that
// removes them and closes the program without writing its keys back.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "brantlow/app/install_dialog.h"
#include "brantlow/app/install_dialog_ids.h"
#include "brantlow/app/main_window.h"
#include "brantlow/app/resource_ids.h"
#include "brantlow/app/tests/program_folder.h"
#include "brantlow/setup/shell_link.h"
#include "brantlow/core/text.h"
#include "platform/registry.h"
#include "platform/shell_folder.h"
#include "ui/testing/screenshot_path.h"
#include "ui/testing/window_driver.h"

namespace brantlow {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using ui::testing::Pump;
using ui::testing::PumpUntil;
using ui::testing::WhenWindowAppears;
using ui::testing::WindowDriver;

std::string MessageText(HWND box) { return WindowDriver(box).Text(0xFFFF); }

TEST(InstallDialog, InstallIsEnabledWhileABoxIsTickedAndPassesTheBoxes) {
    std::optional<InstallChoices> chosen;
    TForm_Install dialog([&](const InstallChoices& choices) {
        chosen = choices;
        return true;
    });
    bool enabledAtStart = false, enabledWithNone = true, enabledWithStartup = false;
    WhenWindowAppears("Install BrantlowURL", [&](HWND window) {
        WindowDriver driver(window);
        EXPECT_TRUE(::SendMessageA(driver.Control(IDC_INSTALL_ASSOCIATE), BM_GETCHECK, 0, 0) == BST_CHECKED);
        EXPECT_TRUE(::SendMessageA(driver.Control(IDC_INSTALL_PROGRAMS), BM_GETCHECK, 0, 0) == BST_CHECKED);
        EXPECT_TRUE(::SendMessageA(driver.Control(IDC_INSTALL_STARTUP), BM_GETCHECK, 0, 0) == BST_UNCHECKED);
        EXPECT_FALSE(::IsWindowEnabled(driver.Control(IDC_INSTALL_HELP)));
        enabledAtStart = ::IsWindowEnabled(driver.Control(IDOK));
        EXPECT_TRUE(driver.SaveScreenshot(ui::testing::ScreenshotPath("brantlow_install.png")));
        driver.Click(IDC_INSTALL_ASSOCIATE);
        driver.Click(IDC_INSTALL_PROGRAMS);
        enabledWithNone = ::IsWindowEnabled(driver.Control(IDOK));
        driver.PressKey(0, VK_RETURN);  // Enter does nothing while nothing is ticked
        driver.Click(IDC_INSTALL_STARTUP);
        enabledWithStartup = ::IsWindowEnabled(driver.Control(IDOK));
        driver.Click(IDOK);
    });
    EXPECT_EQ(IDOK, dialog.ShowModal(nullptr));
    EXPECT_TRUE(enabledAtStart);
    EXPECT_FALSE(enabledWithNone);
    EXPECT_TRUE(enabledWithStartup);
    ASSERT_TRUE(chosen);
    EXPECT_FALSE(chosen->Associate);
    EXPECT_FALSE(chosen->Programs);
    EXPECT_TRUE(chosen->Startup);
}

struct SetupCommandsTest : ::testing::Test {
    testing::ProgramFolder program{"brantlow_setup", "[BrantlowURL]\r\nAutoSave=0\r\n"};
    const std::string& folder = program.path;
    std::unique_ptr<TForm_Main> form;

    void SetUp() override {
        ASSERT_TRUE(program.loaded);
        program.Write("brantlow.exe", "MZ");
        fs::create_directories(platform::ShellFolder("PROGRAMS"));
        fs::create_directories(platform::ShellFolder("STARTUP"));
        form = testing::StartMainWindow(folder);
        ASSERT_TRUE(form);
        ::SetWindowTextA(form->handle(), "Main window under test");  // the boxes carry the program's caption
    }
    void TearDown() override {
        if (form && form->handle()) form->Destroy();
        form.reset();
    }
    [[nodiscard]] WindowDriver Driver() const { return WindowDriver(form->handle()); }
    // Runs a setup command, answering its boxes in turn; the texts shown.
    std::vector<std::string> Run(int command, std::vector<int> answers) {
        auto shown = std::make_shared<std::vector<std::string>>();
        for (int answer : answers)
            WhenWindowAppears("BrantlowURL 1.58", [shown, answer](HWND box) {
                shown->push_back(MessageText(box));
                WindowDriver(box).Click(answer);
            });
        Driver().Command(command);
        PumpUntil([&] { return shown->size() == answers.size(); }, 5s);
        Pump(100ms);
        return *shown;
    }
};

TEST_F(SetupCommandsTest, InstallCreatesTheAssociationAndLinksAndUninstallRemovesThem) {
    const std::string programsLink = platform::ShellFolder("PROGRAMS") + "\\BrantlowURL.lnk";
    const std::string startupLink = platform::ShellFolder("STARTUP") + "\\BrantlowURL.lnk";
    WhenWindowAppears("Install BrantlowURL", [](HWND dialog) {
        WindowDriver driver(dialog);
        driver.Click(IDC_INSTALL_STARTUP);
        driver.Click(IDOK);
    });
    const auto installed = Run(IDM_HELP_INSTALL, {IDOK});
    ASSERT_EQ(1u, installed.size());
    EXPECT_EQ("The following items were created:\r\r- The '.btw' extension was associated with BrantlowURL\r"
              "- Link added to the Programs under Start Menu\r- BrantlowURL will be launched when Windows boots.",
              installed[0]);
    const std::string path = LowerCase(folder + "brantlow.exe");
    EXPECT_EQ(path + " \"%1\"",
              platform::RegistryKey::Open(HKEY_CLASSES_ROOT, ".btw\\shell\\open\\command").ReadString(""));
    const auto startup = ReadShellLink(startupLink);
    ASSERT_TRUE(startup);
    EXPECT_EQ(folder + "brantlow.exe", startup->Target);
    EXPECT_EQ("-min", startup->Arguments);
    ASSERT_TRUE(ReadShellLink(programsLink));

    // "No" keeps everything, and the program.
    const auto declined = Run(IDM_HELP_UNINSTALL, {IDNO});
    ASSERT_EQ(1u, declined.size());
    EXPECT_EQ("Are you sure you want to uninstall BrantlowURL from your computer?", declined[0]);
    EXPECT_TRUE(fs::exists(startupLink));
    ASSERT_TRUE(::IsWindow(form->handle()));

    const auto done = Run(IDM_HELP_UNINSTALL, {IDYES, IDOK});
    ASSERT_EQ(2u, done.size());
    EXPECT_EQ(0u, done[1].rfind("Uninstall complete.", 0));
    PumpUntil([&] { return form->handle() == nullptr; }, 5s);
    EXPECT_EQ(nullptr, form->handle());
    EXPECT_FALSE(fs::exists(programsLink));
    EXPECT_FALSE(fs::exists(startupLink));
    EXPECT_FALSE(platform::RegistryKey::Open(HKEY_CLASSES_ROOT, ".btw"));
    // Closing did not write the window's state back.
    EXPECT_FALSE(platform::RegistryKey::Open(HKEY_CURRENT_USER, "Software\\Quillmoor\\BrantlowURL"));
    EXPECT_TRUE(fs::exists(folder + "brantlow.ini"));
}

}  // namespace
}  // namespace brantlow

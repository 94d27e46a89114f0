// The setup steps on the real system: the association under the classes root, shortcut
// files the shell-link object reads back, and the uninstall that removes them.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>

#include "brantlow/setup/shell_link.h"
#include "brantlow/setup/windows_setup_system.h"
#include "common/testing/scripted_message_box.h"
#include "platform/registry.h"
#include "platform/shell_folder.h"

namespace brantlow {
namespace {

namespace fs = std::filesystem;
using common::MessageAnswer;
using common::testing::ScriptedMessageBox;

std::string TempFolder(const std::string& name) {
    char base[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, base);
    std::string folder = std::string(base) + name + "_" + std::to_string(::GetCurrentProcessId());
    fs::create_directories(folder);
    return folder;
}

std::optional<std::string> ClassesValue(const std::string& key) {
    const auto opened = platform::RegistryKey::Open(HKEY_CLASSES_ROOT, key);
    if (!opened) return std::nullopt;
    return opened.ReadString("");
}

TEST(ShellLink, WritesWhatTheShellReadsBack) {
    const std::string folder = TempFolder("brantlow_link");
    const std::string link = folder + "\\Tool.lnk";
    ASSERT_TRUE(CreateShellLink({" " + link + " ", folder + " ", " tool.exe", " -min "}));
    const auto contents = ReadShellLink(link);
    ASSERT_TRUE(contents);
    EXPECT_EQ(folder + "\\tool.exe", contents->Target);
    EXPECT_EQ(folder, contents->WorkingFolder);
    EXPECT_EQ("-min", contents->Arguments);
    fs::remove_all(folder);
}

TEST(ShellLink, RefusesEmptyPartsAndReportsALinkItCouldNotSave) {
    const std::string folder = TempFolder("brantlow_refused");
    const std::string link = folder + "\\Refused.lnk";
    const ShellLinkRequest refused[] = {
        {"  ", folder, "tool.exe", ""},
        {link, " ", "tool.exe", ""},
        {link, folder, "", "-min"},
        {folder + "\\missing folder\\Tool.lnk", folder, "tool.exe", ""},
    };
    for (const ShellLinkRequest& request : refused) {
        EXPECT_FALSE(CreateShellLink(request)) << request.LinkFile;
        EXPECT_FALSE(fs::exists(link));
    }
    fs::remove_all(folder);
}

// Install from a folder with a blank, with every box ticked, then uninstall: "No" first.
TEST(WindowsSetupSystem, InstallsAndUninstallsTheAssociationLinksAndKeys) {
    const std::string folder = TempFolder("brantlow setup");
    const std::string program = folder + "\\Brantlow.exe";
    std::ofstream(program, std::ios::binary) << "MZ";
    const std::string programs = platform::ShellFolder("PROGRAMS");
    const std::string startup = platform::ShellFolder("STARTUP");
    ASSERT_FALSE(programs.empty());
    ASSERT_FALSE(startup.empty());
    fs::create_directories(programs);
    fs::create_directories(startup);
    ASSERT_TRUE(platform::RegistryKey::Create(HKEY_CURRENT_USER, "Software\\Quillmoor\\BrantlowURL\\MRU Items")
                    .WriteString("1", "c:\\list.html"));

    WindowsSetupSystem system;
    ScriptedMessageBox messages;
    ASSERT_TRUE(RunInstall({true, true, true}, program, system, messages));
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ(0u, messages.shown[0].text.rfind("The following items were created:", 0)) << messages.shown[0].text;

    const std::string shortPath = system.ShortPath(program);
    EXPECT_EQ(std::string::npos, shortPath.find(' '));
    std::string expected = shortPath;
    for (char& c : expected) c = static_cast<char>(::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(expected + " \"%1\"", ClassesValue(".btw\\shell\\open\\command"));
    EXPECT_EQ(expected + ",0", ClassesValue(".btw\\DefaultIcon"));

    const std::string programsLink = programs + "\\BrantlowURL.lnk";
    const std::string startupLink = startup + "\\BrantlowURL.lnk";
    for (const auto& [link, arguments] : {std::pair{programsLink, ""}, std::pair{startupLink, "-min"}}) {
        const auto contents = ReadShellLink(link);
        ASSERT_TRUE(contents) << link;
        EXPECT_EQ(program, contents->Target);
        EXPECT_EQ(folder, contents->WorkingFolder);
        EXPECT_EQ(arguments, contents->Arguments);
    }

    messages.Answer(MessageAnswer::No);
    EXPECT_FALSE(RunUninstall(program, system, messages, nullptr));
    EXPECT_TRUE(fs::exists(programsLink));
    EXPECT_TRUE(ClassesValue(".btw\\DefaultIcon"));

    messages.Answer(MessageAnswer::Yes);
    EXPECT_TRUE(RunUninstall(program, system, messages, nullptr));
    EXPECT_FALSE(fs::exists(programsLink));
    EXPECT_FALSE(fs::exists(startupLink));
    EXPECT_FALSE(platform::RegistryKey::Open(HKEY_CLASSES_ROOT, ".btw"));
    EXPECT_FALSE(platform::RegistryKey::Open(HKEY_CURRENT_USER, "Software\\Quillmoor\\BrantlowURL"));
    EXPECT_TRUE(fs::exists(program));  // the program's files stay

    // A second uninstall finds nothing to remove and still completes.
    messages.Answer(MessageAnswer::Yes);
    EXPECT_TRUE(RunUninstall(program, system, messages, nullptr));
    fs::remove_all(folder);
}

}  // namespace
}  // namespace brantlow

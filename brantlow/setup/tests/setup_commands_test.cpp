// Installing and uninstalling: which steps run for which boxes, the texts the user reads,
// the association's path, and that a "No" or an unknown folder changes nothing.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "brantlow/setup/setup_commands.h"
#include "common/testing/scripted_message_box.h"

namespace brantlow {
namespace {

using common::MessageAnswer;
using common::testing::ScriptedMessageBox;

// Records what would have changed in the system.
struct RecordingSystem final : SetupSystem {
    std::map<std::string, std::string> folders{{"PROGRAMS", "C:\\Menu\\Programs"},
                                               {"STARTUP", "C:\\Menu\\Programs\\Startup\\"}};
    std::optional<std::string> associationError;
    bool linksSucceed = true;

    std::vector<std::string> shortPathsAsked;
    std::vector<std::string> association;  // open command, icon
    std::vector<ShellLinkRequest> links;
    std::vector<std::string> log;  // removals, in order

    std::string ShortPath(const std::string& path) override {
        shortPathsAsked.push_back(path);
        return "C:\\PROGRA~1\\BRANTL~1\\Brantlow.EXE";
    }
    std::optional<std::string> WriteAssociation(const std::string& command, const std::string& icon) override {
        if (associationError) return associationError;
        association = {command, icon};
        return std::nullopt;
    }
    std::string SpecialFolder(const std::string& name) override { return folders[name]; }
    bool CreateShellLink(const ShellLinkRequest& link) override {
        links.push_back(link);
        return linksSucceed && !link.LinkFile.empty();
    }
    void RemoveFile(const std::string& path) override { log.push_back("file " + path); }
    void RemoveKeyTree(RegistryRoot root, const std::string& path) override {
        log.push_back((root == RegistryRoot::Classes ? "classes " : "user ") + path);
    }
};

const std::string kProgram = "D:\\Tools\\Brantlow.exe";

TEST(Install, EachTickedBoxRunsItsStepAndIsListed) {
    struct Case {
        InstallChoices choices;
        std::size_t links;
        std::string summary;
    };
    const std::string head = "The following items were created:\r\r";
    const std::string associated = "- The '.btw' extension was associated with BrantlowURL\r";
    const std::string programs = "- Link added to the Programs under Start Menu\r";
    const std::string startup = "- BrantlowURL will be launched when Windows boots.";
    const Case cases[] = {
        {{true, true, true}, 2, head + associated + programs + startup},
        {{false, false, true}, 1, head + startup},
        {{true, false, false}, 0, head + associated},
    };
    for (const Case& c : cases) {
        RecordingSystem system;
        ScriptedMessageBox messages;
        EXPECT_TRUE(RunInstall(c.choices, kProgram, system, messages));
        EXPECT_EQ(c.links, system.links.size());
        EXPECT_EQ(c.choices.Associate, !system.association.empty());
        ASSERT_EQ(1u, messages.shown.size());
        EXPECT_EQ(c.summary, messages.shown[0].text);
        EXPECT_EQ(common::MessageIcon::Information, messages.shown[0].icon);
    }
}

TEST(Install, TheLinksPointAtTheProgramAndOnlyStartupPassesMin) {
    RecordingSystem system;
    ScriptedMessageBox messages;
    ASSERT_TRUE(RunInstall({false, true, true}, kProgram, system, messages));
    ASSERT_EQ(2u, system.links.size());
    const ShellLinkRequest& programs = system.links[0];
    EXPECT_EQ("C:\\Menu\\Programs\\BrantlowURL.lnk", programs.LinkFile);
    EXPECT_EQ("D:\\Tools", programs.WorkingFolder);
    EXPECT_EQ("Brantlow.exe", programs.ProgramName);
    EXPECT_EQ("", programs.Arguments);
    const ShellLinkRequest& startup = system.links[1];
    EXPECT_EQ("C:\\Menu\\Programs\\Startup\\BrantlowURL.lnk", startup.LinkFile);
    EXPECT_EQ("-min", startup.Arguments);
}

TEST(Install, TheAssociationUsesTheShortPathOnlyForABlankAndIsLowerCase) {
    RecordingSystem plain;
    EXPECT_EQ("d:\\tools\\brantlow.exe", AssociationPath(kProgram, plain));
    EXPECT_TRUE(plain.shortPathsAsked.empty());

    RecordingSystem blank;
    ScriptedMessageBox messages;
    ASSERT_TRUE(RunInstall({true, false, false}, "C:\\Program Files\\Brantlow URL\\Brantlow.exe", blank, messages));
    EXPECT_EQ(std::vector<std::string>{"C:\\Program Files\\Brantlow URL\\Brantlow.exe"}, blank.shortPathsAsked);
    EXPECT_EQ((std::vector<std::string>{"c:\\progra~1\\brantl~1\\brantlow.exe \"%1\"",
                                        "c:\\progra~1\\brantl~1\\brantlow.exe,0"}),
              blank.association);
}

TEST(Install, LinksThatFailAreReportedTogether) {
    RecordingSystem system;
    system.linksSucceed = false;
    ScriptedMessageBox messages;
    EXPECT_TRUE(RunInstall({true, true, true}, kProgram, system, messages));
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ("There were errors:\r\rcreating link in Programs menu\rcreating link in Startup menu",
              messages.shown[0].text);
    EXPECT_EQ(common::MessageIcon::Error, messages.shown[0].icon);
}

TEST(Install, AnUnknownSpecialFolderIsAnErrorNotALinkAtTheDriveRoot) {
    RecordingSystem system;
    system.folders["STARTUP"] = "";
    ScriptedMessageBox messages;
    EXPECT_TRUE(RunInstall({false, true, true}, kProgram, system, messages));
    ASSERT_EQ(2u, system.links.size());
    EXPECT_EQ("", system.links[1].LinkFile);
    EXPECT_EQ("There were errors:\r\rcreating link in Startup menu", messages.shown.at(0).text);
}

TEST(Install, AFailedAssociationStopsBeforeTheLinksAndKeepsTheDialogOpen) {
    RecordingSystem system;
    system.associationError = "Could not write the registry key";
    ScriptedMessageBox messages;
    EXPECT_FALSE(RunInstall({true, true, true}, kProgram, system, messages));
    EXPECT_TRUE(system.links.empty());
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ("Could not write the registry key", messages.shown[0].text);
}

TEST(Uninstall, NoChangesNothing) {
    RecordingSystem system;
    ScriptedMessageBox messages;
    messages.Answer(MessageAnswer::No);
    bool completed = false;
    EXPECT_FALSE(RunUninstall(kProgram, system, messages, [&] { completed = true; }));
    EXPECT_FALSE(completed);
    EXPECT_TRUE(system.log.empty());
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ("Are you sure you want to uninstall BrantlowURL from your computer?", messages.shown[0].text);
    EXPECT_EQ(common::MessageButtons::YesNo, messages.shown[0].buttons);
}

TEST(Uninstall, YesRemovesLinksAndKeysThenReportsCompletionEveryTime) {
    RecordingSystem system;
    system.folders["STARTUP"] = "";  // unknown: nothing is deleted in its place
    ScriptedMessageBox messages;
    messages.Answer(MessageAnswer::Yes).Answer(MessageAnswer::Yes);
    int completed = 0;
    std::size_t shownAtCompletion = 0;
    for (int run = 0; run < 2; ++run)
        EXPECT_TRUE(RunUninstall("C:\\Apps\\Brantlow\\BRANTLOW.EXE", system, messages, [&] {
            ++completed;
            shownAtCompletion = messages.shown.size();
        }));
    EXPECT_EQ(2, completed);
    EXPECT_EQ(3u, shownAtCompletion);  // the completion comes before the closing box
    const std::vector<std::string> once = {"file C:\\Menu\\Programs\\BrantlowURL.lnk", "classes .btw",
                                           "user Software\\Quillmoor\\BrantlowURL"};
    EXPECT_EQ(std::vector<std::string>(system.log.begin(), system.log.begin() + 3), once);
    EXPECT_EQ(6u, system.log.size());
    EXPECT_EQ("Uninstall complete. Shortcuts to BrantlowURL and all registry entries have been removed.\r\r"
              "You can now delete all files in the c:\\apps\\brantlow directory to completely remove the program "
              "from your hard disk.",
              messages.shown.back().text);
}

}  // namespace
}  // namespace brantlow

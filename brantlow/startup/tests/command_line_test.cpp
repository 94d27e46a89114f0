#include "brantlow/startup/command_line.h"

#include <gtest/gtest.h>

namespace {

using brantlow::HandOverFileName;
using brantlow::ParseCommandLine;

TEST(CommandLine, SwitchesInAnyCase) {
    const auto options = ParseCommandLine({"-MIN", "/new", "-debug"});
    EXPECT_TRUE(options.startMinimized);
    EXPECT_TRUE(options.firstRun);
    EXPECT_FALSE(options.urlFileName);
    EXPECT_TRUE(options.messages.empty()) << "debug is accepted silently";
}

TEST(CommandLine, FilesNameThePageAndTheLastOneWins) {
    EXPECT_EQ("C:\\Links\\Work.html", ParseCommandLine({"C:\\Links\\Work.BTW"}).urlFileName);
    EXPECT_EQ("c:\\a.htm", ParseCommandLine({"c:\\a.htm"}).urlFileName);
    EXPECT_EQ("c:\\b.html", ParseCommandLine({"c:\\a.btw", "c:\\b.html"}).urlFileName);
    // A dot in a folder name is no extension.
    EXPECT_EQ("c:\\my.links\\list.html", ParseCommandLine({"c:\\my.links\\list.btw"}).urlFileName);
}

TEST(CommandLine, UnsupportedFilesAndSwitchesAreReportedAsGiven) {
    const auto options = ParseCommandLine({"Notes.TXT", "-Fast", "c:\\x.btw", "/q", "c:\\my.links\\noext"});
    EXPECT_EQ("c:\\x.html", options.urlFileName) << "a bad argument does not stop the others";
    ASSERT_EQ(3u, options.messages.size());
    EXPECT_EQ("Unsupported file type:\rNotes.TXT", options.messages[0]);
    EXPECT_EQ("Unsupported file type:\rc:\\my.links\\noext", options.messages[1]);
    EXPECT_EQ("Unsupported command-line parameters: \r-Fast\r/q\r", options.messages[2]);
}

TEST(HandOver, FindsTheFirstNonSwitchTokenAfterTheProgram) {
    struct Case {
        const char* commandLine;
        std::optional<std::string> file;
    } cases[] = {
        {"\"C:\\Program Files\\Brantlow\\brantlow.exe\" \"D:\\My Links\\Work.btw\"", "d:\\my links\\work.btw"},
        {"brantlow.exe -min c:\\a.html", "c:\\a.html"},
        {"brantlow.exe   /new   -min   c:\\last", "c:\\last"},
        {"brantlow.exe \"unterminated name", "unterminated name"},
        {"brantlow.exe -min /new", std::nullopt},
        {"brantlow.exe", std::nullopt},
        {"brantlow.exe \"\" c:\\after-empty.btw", "c:\\after-empty.btw"},
        {"no program here c:\\a.btw", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(c.file, HandOverFileName(c.commandLine)) << c.commandLine;
}

}  // namespace

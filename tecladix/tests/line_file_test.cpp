// The data files' line rules: how bytes become lines and lines become bytes.
#include <gtest/gtest.h>

#include <fstream>

#include "temp_folder.h"
#include "tecladix/core/line_file.h"

namespace tecladix {
namespace {

struct SplitCase {
    const char* name;
    std::string bytes;
    Lines lines;
};

TEST(LineFile, SplitsAtEveryKindOfLineEnd) {
    const SplitCase cases[] = {
        {"empty", "", {}},
        {"crlf", "a\r\nb\r\n", {"a", "b"}},
        {"no final break", "a\r\nb", {"a", "b"}},
        {"lone lf", "a\nb\n", {"a", "b"}},
        {"lone cr", "a\rb\r", {"a", "b"}},
        {"lf cr is two breaks", "a\n\rb", {"a", "", "b"}},
        {"empty line inside", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"only a break", "\r\n", {""}},
        {"nul ends the text", std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
        {"latin-1 bytes kept", "ma\xe7\xe3\r\n", {"ma\xe7\xe3"}},
    };
    for (const auto& c : cases) EXPECT_EQ(c.lines, SplitLines(c.bytes)) << c.name;
}

TEST(LineFile, WritesCrLfAfterEveryLineAndReplacesTheFile) {
    testing::TempFolder folder;
    folder.Write("x.txt", "old\nlf only\nlast");
    Lines lines;
    ASSERT_TRUE(LoadLines(folder.File("x.txt"), lines).ok());
    EXPECT_EQ((Lines{"old", "lf only", "last"}), lines);
    ASSERT_TRUE(SaveLines(folder.File("x.txt"), lines).ok());
    EXPECT_EQ("old\r\nlf only\r\nlast\r\n", folder.Read("x.txt"));
    EXPECT_FALSE(std::ifstream(folder.File("x.txt.tmp")).good());
    ASSERT_TRUE(SaveLines(folder.File("x.txt"), {}).ok());
    EXPECT_EQ("", folder.Read("x.txt"));
}

TEST(LineFile, ReportsTheFileThatFailed) {
    testing::TempFolder folder;
    Lines lines{"kept"};
    const auto read = LoadLines(folder.File("missing.txt"), lines);
    EXPECT_EQ(FileStatus::CannotOpen, read.status);
    EXPECT_EQ(folder.File("missing.txt"), read.path);
    EXPECT_EQ(Lines{"kept"}, lines);

    const auto written = SaveLines(folder.File("no/such/folder.txt"), {"x"});
    EXPECT_EQ(FileStatus::CannotCreate, written.status);
}

}  // namespace
}  // namespace tecladix

// The answer of the open dialog with several files: one full path, or a folder and names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/file_dialog.h"

namespace {

using namespace std::string_view_literals;

TEST(SplitChosenFiles, GivesFullPathsForEveryShapeOfAnswer) {
    struct Case {
        std::string_view answer;
        std::vector<std::string> files;
    };
    const Case cases[] = {
        {"C:\\data\\one.htm\0\0"sv, {"C:\\data\\one.htm"}},
        {"C:\\data\0b.txt\0a.htm\0\0"sv, {"C:\\data\\b.txt", "C:\\data\\a.htm"}},
        {"C:\\\0a.url\0b.url\0\0"sv, {"C:\\a.url", "C:\\b.url"}},
        {"\0\0"sv, {}},
        {""sv, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(c.files, ui::SplitChosenFiles(c.answer)) << "case " << (&c - cases);
}

}  // namespace

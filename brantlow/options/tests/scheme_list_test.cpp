#include <gtest/gtest.h>

#include "brantlow/core/settings.h"
#include "brantlow/options/scheme_list.h"

namespace brantlow {
namespace {

using Schemes = std::vector<std::string>;

TEST(SchemeWorkingCopy, IsSortedLowerCaseAndFreeOfDuplicates) {
    SchemeWorkingCopy copy({"news:", "HTTP://", "ftp://", "http://"});
    EXPECT_EQ((Schemes{"ftp://", "http://", "news:"}), copy.Items());

    EXPECT_EQ(SchemeAddResult::Added, copy.Add("  Gopher://  "));
    EXPECT_EQ(SchemeAddResult::AlreadyThere, copy.Add("GOPHER://"));
    EXPECT_EQ(SchemeAddResult::Empty, copy.Add(""));
    EXPECT_EQ(SchemeAddResult::Empty, copy.Add("   "));
    EXPECT_EQ((Schemes{"ftp://", "gopher://", "http://", "news:"}), copy.Items());
    EXPECT_EQ(1, copy.IndexOf("gopher://"));
    EXPECT_EQ(-1, copy.IndexOf("wais://"));

    copy.Remove({"http://", "ftp://", "not-there:"});
    EXPECT_EQ((Schemes{"gopher://", "news:"}), copy.Items());
}

TEST(SchemeWorkingCopy, ResetGivesTheTenBuiltInSchemes) {
    SchemeWorkingCopy copy({"only://"});
    copy.Reset();
    EXPECT_EQ((Schemes{"file://", "ftp://", "gopher://", "http://", "https://", "mailto:", "news:", "nntp://",
                       "telnet://", "wais://"}),
              copy.Items());
}

// The configuration counts the schemes in one byte.
TEST(SchemeWorkingCopy, HoldsAtMost255Schemes) {
    Schemes many;
    for (int n = 0; n < 300; ++n) many.push_back("s" + std::to_string(n) + ":");
    SchemeWorkingCopy copy(many);
    ASSERT_EQ(kMaxSchemes, copy.Items().size());
    EXPECT_EQ(SchemeAddResult::Full, copy.Add("another:"));
    EXPECT_EQ(SchemeAddResult::AlreadyThere, copy.Add(copy.Items().front()));
    copy.Remove({copy.Items().front()});
    EXPECT_EQ(SchemeAddResult::Added, copy.Add("another:"));
    EXPECT_EQ(kMaxSchemes, copy.Items().size());
}

}  // namespace
}  // namespace brantlow

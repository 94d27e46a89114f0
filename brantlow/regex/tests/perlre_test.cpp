#include "brantlow/regex/perlre.h"

#include <gtest/gtest.h>

namespace {

using brantlow::EPerlRe;
using brantlow::TPerlre;

TEST(Perlre, MatchesAnywhereAndHonoursTheCaselessOption) {
    struct Case {
        const char* pattern;
        int options;
        const char* subject;
        bool matches;
    } cases[] = {
        {"exam.le", 0, "http://www.example.com/", true},
        {"^www", 0, "http://www.example.com/", false},
        {"EXAMPLE", 0, "http://www.example.com/", false},
        {"EXAMPLE", TPerlre::kCaseless, "http://www.example.com/", true},
        {"\\.(org|net)/$", 0, "ftp://mirror.example.net/", true},
        {"caf\xE9", TPerlre::kCaseless, "Le CAF\xE9 du coin", true},  // Windows-1252 byte, matched as is
        {"a", 0, "", false},
    };
    for (const Case& c : cases) {
        TPerlre re(true, c.options);
        re.Compile(c.pattern);
        EXPECT_EQ(c.matches, re.Match(c.subject)) << c.pattern << " in " << c.subject;
    }
}

TEST(Perlre, ExecWalksThroughTheSubject) {
    TPerlre re(false, 0);
    re.Compile("[0-9]+");
    re.SetSubject("a12b345c");
    ASSERT_TRUE(re.Exec());
    EXPECT_EQ(1u, re.MatchStart());
    EXPECT_EQ(3u, re.MatchEnd());
    ASSERT_TRUE(re.Exec());
    EXPECT_EQ(4u, re.MatchStart());
    EXPECT_EQ(7u, re.MatchEnd());
    EXPECT_FALSE(re.Exec());
}

TEST(Perlre, ErrorsAreEPerlReWithTheLibraryText) {
    TPerlre re(true, 0);
    try {
        re.Exec();
        FAIL() << "Exec without a pattern must throw";
    } catch (const EPerlRe& e) {
        EXPECT_STREQ("Perlre: no regex defined", e.what());
    }
    try {
        re.Compile("(unbalanced");
        FAIL() << "a bad pattern must throw";
    } catch (const EPerlRe& e) {
        EXPECT_STREQ("Perlre: missing closing parenthesis", e.what());
    }
    // A failed compile leaves no pattern behind, and a later good one works.
    EXPECT_THROW(re.Exec(), EPerlRe);
    re.Compile("ok");
    EXPECT_TRUE(re.Match("it is ok"));
}

}  // namespace

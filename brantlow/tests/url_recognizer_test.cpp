// The recogniser: the rules on small texts, and URLScanner against the straightforward
// oracle on random texts and settings.
#include <gtest/gtest.h>

#include <random>

#include "brantlow/core/url_recognizer.h"
#include "brantlow/tests/straightforward_recognizer.h"

namespace brantlow {
namespace {

RecognizerSettings Defaults() {
    Settings settings;
    RestoreAllDefaults(settings);
    return RecognizerSettings::From(settings);
}

struct Step {
    std::string url, description, rest;
};

// Calls the recogniser until it finds nothing; every step as (URL, description, text left).
std::vector<Step> Walk(std::string text, const RecognizerSettings& settings, bool fuzzy, bool description) {
    std::vector<Step> steps;
    for (;;) {
        RecognizedURL found = RecognizeURL(text, fuzzy, description, settings);
        if (!found.Found) break;
        steps.push_back({found.URL, found.Description, text});
    }
    return steps;
}

void ExpectSteps(const std::vector<Step>& steps, const std::vector<Step>& expected) {
    ASSERT_EQ(expected.size(), steps.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(expected[i].url, steps[i].url) << i;
        EXPECT_EQ(expected[i].description, steps[i].description) << i;
        EXPECT_EQ(expected[i].rest, steps[i].rest) << i;
    }
}

TEST(RecognizeURL, SchemesAreTriedInListOrderWhereverTheyStand) {
    ExpectSteps(Walk("see http://a.com/x and ftp://b.org/y", Defaults(), true, false),
                {{"ftp://b.org/y", "", "see http://a.com/x and "}, {"http://a.com/x", "", "see  and "}});
    // Letter case of the text is kept; the scheme is found in any case; delimiters end it.
    ExpectSteps(Walk("<a href=\"HTTP://Ex.com/A\">x</a>", Defaults(), false, false),
                {{"HTTP://Ex.com/A", "", "<a href=\"\">x</a>"}});
}

TEST(RecognizeURL, OnlyTheFirstOccurrenceOfASchemeIsExamined) {
    std::string text = "http:// then http://real.com";
    EXPECT_FALSE(RecognizeURL(text, false, false, Defaults()).Found);
    EXPECT_EQ("http:// then http://real.com", text);
    text = "http://\rmailto:me@x";  // a bare scheme gives way to the next scheme
    EXPECT_EQ("mailto:me@x", RecognizeURL(text, false, false, Defaults()).URL);
}

TEST(RecognizeURL, FuzzyAddressesGetTheirScheme) {
    ExpectSteps(Walk("go to www.Example.com now, or ftp.site.org", Defaults(), true, false),
                {{"http://www.Example.com", "", "go to  now, or ftp.site.org"},
                 {"ftp://ftp.site.org", "", "go to  now, or "}});
    EXPECT_TRUE(Walk("go to www.example.com now", Defaults(), false, false).empty());
}

TEST(RecognizeURL, ClipsAtHashAndQuestionMark) {
    RecognizerSettings settings = Defaults();
    settings.ClipHash = settings.ClipCGI = true;
    ExpectSteps(Walk("http://#frag http://a/b?q=1#x", settings, false, false),
                {{"http://", "", " http://a/b?q=1#x"}, {"http://a/b", "", " "}});
}

TEST(RecognizeURL, DescriptionsLeftAndRight) {
    RecognizerSettings left = Defaults();
    ExpectSteps(Walk("Example site http://ex.com/ more", left, false, true), {{"http://ex.com/", "Example site", "  more"}});
    // Too short after cleaning: dropped, but already cut from the text.
    ExpectSteps(Walk("ab http://x.com/", left, false, true), {{"http://x.com/", "", " "}});
    // Tags go and line breaks become blanks; the text loses as many characters as the
    // cleaned description has.
    ExpectSteps(Walk("<b>Bold\r\nname</b> http://x/", left, false, true), {{"http://x/", "Bold name", "name</b> "}});

    RecognizerSettings right = Defaults();
    right.DescLeft = false;
    right.DescMinLen = 1;
    ExpectSteps(Walk("http://x.com/ Right side text", right, false, true), {{"http://x.com/", "Right side text", "t"}});
    // A following URL does not end up in the description.
    ExpectSteps(Walk("ftp://a/ see http://b/", right, false, true),
                {{"ftp://a/", "see ", " http://b/"}, {"http://b/", "", " "}});
}

TEST(StripTags, FollowsTheTagState) {
    const std::tuple<const char*, bool, const char*, bool> cases[] = {
        {"a<b>c</b>d", false, "acd", false}, {"<i", false, "<i", false},  // two characters: unchanged
        {"x>rest<b", true, "rest", true},    {"no close", true, "no close", true},
        {"a<b", false, "a", true},           {"plain", false, "plain", false}};
    for (const auto& [text, inTag, stripped, after] : cases) {
        bool state = inTag;
        EXPECT_EQ(stripped, StripTags(text, state)) << text;
        EXPECT_EQ(after, state) << text;
    }
}

TEST(IsBlank, SpacesAndControlCharacters) {
    EXPECT_TRUE(IsBlank(""));
    EXPECT_TRUE(IsBlank(" \t\r\n\x01"));
    EXPECT_FALSE(IsBlank(" x "));
    EXPECT_FALSE(IsBlank("\xa0"));
}

// Random texts made of the pieces that matter, walked to the end by URLScanner and by the
// oracle under random settings: every URL, description and remaining text agrees.
TEST(URLScanner, AgreesWithTheStraightforwardRecogniser) {
    const std::vector<std::string> pieces = {"http://", "HTTP://", "ftp://", "www.", "ftp.", "file://", "mailto:",
                                             "a",       "Bc",      "x.y/z",  " ",    "  ",   "\r\n",    "\n",
                                             "<b>",     "</b>",    ">",      "<",    "#",    "?",       "\"",
                                             "(",       "ht",      "tp:/",   "w",    "ww.",  "news:",   "\t"};
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i) text += pieces[random() % pieces.size()];
        RecognizerSettings settings = Defaults();
        settings.DescLeft = random() % 2;
        settings.DescStripHTML = random() % 2;
        settings.ClipHash = random() % 4 == 0;
        settings.ClipCGI = random() % 4 == 0;
        settings.DescMaxLen = 1 + static_cast<int>(random() % 30);
        settings.DescMinLen = static_cast<int>(random() % 6);
        if (random() % 3 == 0) settings.Schemes = {"news:", "http://", "ww"};
        const bool fuzzy = random() % 2;
        const bool description = random() % 3 != 0;

        URLScanner scanner(text, settings);
        std::string oracleText = text;
        for (int call = 0; call < 60; ++call) {
            const RecognizedURL expected = testing::StraightforwardRecognizeURL(oracleText, fuzzy, description, settings);
            const RecognizedURL actual = scanner.Next(fuzzy, description);
            ASSERT_EQ(expected.URL, actual.URL) << "text: " << text << " call " << call;
            ASSERT_EQ(expected.Description, actual.Description) << "text: " << text << " call " << call;
            ASSERT_EQ(expected.Found, actual.Found);
            ASSERT_EQ(oracleText, scanner.Text()) << "text: " << text << " call " << call;
            if (oracleText.empty()) break;
        }
    }
}

}  // namespace
}  // namespace brantlow

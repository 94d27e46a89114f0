#include <gtest/gtest.h>

#include "brantlow/options/option_rules.h"

namespace brantlow {
namespace {

TEST(StoredOptionTexts, FileNameCharsGainAnUnderscoreAndDelimitersLoseHashAndQuestionMark) {
    EXPECT_EQ("_abc", StoredFileNameChars("abc"));
    EXPECT_EQ("a_bc", StoredFileNameChars("a_bc"));
    EXPECT_EQ("_", StoredFileNameChars(""));

    struct Case {
        const char* typed;
        const char* stored;
    };
    for (const Case& c : {Case{"<>#?\"", "<>\""}, Case{"#<#>??", "<#>?"}, Case{"?#", ""}, Case{"<>()", "<>()"}})
        EXPECT_EQ(c.stored, StoredURLDelimiters(c.typed)) << c.typed;
}

TEST(NumberInRange, ClampsToTheRangeAndKeepsTheValueForNonNumbers) {
    struct Case {
        const char* typed;
        int expected;
    };
    for (const Case& c : {Case{"60", 60}, Case{" 7 ", 7}, Case{"0", 1}, Case{"-5", 1}, Case{"999", 250},
                          Case{"99999999999999999999", 250}, Case{"-99999999999999999999", 1}, Case{"", 42},
                          Case{"12a", 42}, Case{"abc", 42}})
        EXPECT_EQ(c.expected, NumberInRange(c.typed, kMinDescMinLen, kMaxDescMinLen, 42)) << c.typed;
}

TEST(CorrectedMaxDescLen, RaisesTheMaximumPastTheMinimumOnlyWhenNeeded) {
    EXPECT_EQ(std::nullopt, CorrectedMaxDescLen(5, 90));
    EXPECT_EQ(std::nullopt, CorrectedMaxDescLen(49, 50));
    EXPECT_EQ(51, CorrectedMaxDescLen(50, 50));
    EXPECT_EQ(61, CorrectedMaxDescLen(60, 50));
    // Even the largest minimum gives a maximum inside the maximum's range.
    EXPECT_EQ(251, CorrectedMaxDescLen(kMaxDescMinLen, kMinDescMaxLen));
    EXPECT_LE(*CorrectedMaxDescLen(kMaxDescMinLen, kMinDescMaxLen), kMaxDescMaxLen);
}

TEST(FontSampleText, NamesSizeAndStylesInTheirOrder) {
    TFontProperties font;
    font.FName = "Arial";
    EXPECT_EQ("Arial 10 pt ", FontSampleText(font));
    font.Italic = font.Bold = true;
    EXPECT_EQ("Arial 10 pt bolditalic", FontSampleText(font));
    font.FSize = 12;
    font.StrikeOut = font.Underline = true;
    font.Bold = false;
    EXPECT_EQ("Arial 12 pt italicunderlinestrikeout", FontSampleText(font));
}

}  // namespace
}  // namespace brantlow

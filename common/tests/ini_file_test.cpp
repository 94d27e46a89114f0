#include "common/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

using common::IniFile;
using common::ParseProfileInteger;

TEST(IniFile, ReadsValuesAsTheProfileFunctionsDo) {
    const IniFile ini = IniFile::Parse(
        "; comment\n[Main]\r\n  Name = \"  padded  \" \r\nSingle='x'\nHalf=\"open\nEmpty=\nlong=" + std::string(1500, 'a') +
        "\n[other]\nName=second\n");
    EXPECT_EQ("  padded  ", ini.ReadString("main", "NAME"));
    EXPECT_EQ("x", ini.ReadString("Main", "Single"));
    EXPECT_EQ("\"open", ini.ReadString("Main", "Half"));  // no closing quote: kept
    EXPECT_EQ("", ini.ReadString("Main", "Empty"));
    EXPECT_EQ(std::string(1023, 'a'), ini.ReadString("Main", "Long"));
    EXPECT_EQ("second", ini.ReadString("OTHER", "name"));
    EXPECT_EQ(std::nullopt, ini.ReadString("Main", "Missing"));
    EXPECT_EQ(std::nullopt, ini.ReadString("Absent", "Name"));
}

TEST(IniFile, WritingReplacesInPlaceAppendsNewKeysAndKeepsOtherLines) {
    IniFile ini = IniFile::Parse("; keep me\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    ini.WriteString("a", "X", "10");
    ini.WriteString("A", "z", "\"q\"");
    ini.WriteString("C", "w", "3");
    EXPECT_EQ("; keep me\r\n[A]\r\nX=10\r\nz=\"q\"\r\n\r\n[B]\r\ny=2\r\n[C]\r\nw=3\r\n", ini.Serialize());
    EXPECT_TRUE(ini.EraseSection("b"));
    EXPECT_FALSE(ini.SectionExists("B"));
    EXPECT_EQ("q", ini.ReadString("A", "Z"));
}

TEST(IniFile, SavesAndLoadsAFile) {
    const std::string path = std::filesystem::temp_directory_path().string() + "/ini_file_test.ini";
    IniFile ini;
    ini.WriteString("S", "k", "v");
    ASSERT_TRUE(ini.Save(path));
    IniFile loaded;
    ASSERT_TRUE(loaded.Load(path));
    EXPECT_EQ("v", loaded.ReadString("S", "k"));
    std::filesystem::remove(path);
    EXPECT_FALSE(loaded.Load(path));
    EXPECT_FALSE(ini.Save(path + ".missing/dir/x.ini"));
}

TEST(ProfileInteger, ParsesDecimalAndBothHexForms) {
    const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
        {"42", 42},          {"-7", -7},          {"+3", 3},          {"$1F", 31},     {"0x10", 16},
        {"0XfF", 255},       {"-$10", -16},       {"$FFFFFFFF", -1},  {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN}, {"2147483648", std::nullopt}, {"$100000000", std::nullopt},
        {"", std::nullopt},  {"12a", std::nullopt}, {"$", std::nullopt}, {" 5", std::nullopt}, {"0x", std::nullopt}};
    for (const auto& [text, value] : cases) EXPECT_EQ(value, ParseProfileInteger(text)) << text;
}

}  // namespace

// The configuration file: first run, every record through a save and a load, the
// corrections of LoadConfig, and the scheme list.
#include <gtest/gtest.h>

#include "brantlow/core/config_file.h"
#include "brantlow/tests/fakes.h"

namespace brantlow {
namespace {

using common::IniFile;
using testing::ReadFile;
using testing::WriteFile;

Settings Defaults(const std::string& folder = "c:\\prog\\") {
    Settings settings;
    settings.ProgramFolder = folder;
    settings.DefaultBrowserPath = "C:\\Web\\web.exe";
    RestoreAllDefaults(settings);
    return settings;
}

std::string Written(const Settings& settings) {
    IniFile ini;
    common::testing::ScriptedMessageBox messages;
    WriteConfig(ini, settings, messages);
    return ini.Serialize();
}

Settings Loaded(const std::string& text) {
    Settings settings = Defaults();
    ReadConfig(IniFile::Parse(text), settings);
    return settings;
}

TEST(Config, FirstRunWritesTheDefaultsAndGreets) {
    testing::TempFolder folder;
    Settings settings = Defaults(folder.Folder());
    common::testing::ScriptedMessageBox messages;
    ConfigFile config(folder.Path("brantlow.ini"), settings, messages);
    EXPECT_TRUE(config.LoadConfig());
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ("This seems to be the first time you have used BrantlowURL.\r\rA default configuration file has been "
              "created. Press F5 to open Options dialog box, where you may modify program behavior.\r\rBrantlowURL "
              "will now load a sample URL file. Enjoy!",
              messages.shown[0].text);
    const std::string file = ReadFile(folder.Path("brantlow.ini"));
    for (const std::string& line : std::vector<std::string>{"[BrantlowURL]\r\nAlertonFail=1\r\nBrowserPath=C:\\Web\\web.exe\r\nAlwaysDefault=1\r\n",
          "HTMLTitle=\"BRANTLOW bookmarks\"\r\n", "ListColor=-2147483643\r\n",
          "URLFileName=\"" + folder.Path("brantlow.html") + "\"\r\n", "BrantlowVersion=\"1.58\"\r\n",
          "URLDelimiters=\"<>\"|`()[]{}\"\r\n[FontProperties]\r\nFCharset=1\r\nFColor=0\r\nFName=\"Ms Sans "
          "Serif\"\r\nFPitch=0\r\nFSize=10\r\nFStyle=\"\"\r\n[HTMLLayout]\r\n",
          "TPLLinkFormat=<A HREF=\"__URLLINK__\">__URLDESC__</A>\r\n", "[InjectOptions]\r\nAsTitle=0\r\n",
          "Path=\"" + folder.Folder() + "\"\r\n",
          "[Schemes]\r\nScheme1=file://\r\nScheme2=ftp://\r\n", "Scheme10=wais://\r\n"})
        EXPECT_NE(std::string::npos, file.find(line)) << line;

    // The second start reads it back: no first run.
    Settings again = Defaults(folder.Folder());
    ConfigFile second(folder.Path("brantlow.ini"), again, messages);
    EXPECT_FALSE(second.LoadConfig());
    EXPECT_EQ(Written(settings), Written(again));
}

TEST(Config, EveryRecordSurvivesASaveAndALoad) {
    Settings changed = Defaults();
    changed.Options.HTMLTitle = "  padded title  ";
    changed.Options.DescMaxLen = 200;
    changed.Options.ListColor = 0x00ff8000;
    changed.Options.AutoSave = false;
    changed.Options.Font.FName = "Verdana";
    changed.Options.Font.Bold = changed.Options.Font.StrikeOut = true;
    changed.HTMLLayout.ListLayout = 3;
    changed.HTMLLayout.TagOther = "";
    changed.Import.FileTypes = 2;
    changed.Find.LookIn = 0;
    changed.Inject.TagOn = "<H1>";
    changed.Schemes = {"http://", "mailto:"};
    const std::string text = Written(changed);
    EXPECT_NE(std::string::npos, text.find("FStyle=\"boldstrikeout\""));
    const Settings loaded = Loaded(text);
    EXPECT_EQ("  padded title  ", loaded.Options.HTMLTitle);
    EXPECT_EQ(2, loaded.Options.SchemesCnt);
    EXPECT_TRUE(loaded.Options.Font.Bold && loaded.Options.Font.StrikeOut && !loaded.Options.Font.Italic);
    EXPECT_EQ(text, Written(loaded));
}

TEST(Config, MissingSectionsAndKeysKeepTheirDefaults) {
    const Settings loaded = Loaded("[BrantlowURL]\r\nAutoSave=0\r\nDescMaxLen=abc\r\nListColor=$FF\r\nMRUCount=0x09\r\n");
    Settings expected = Defaults();
    expected.Options.AutoSave = false;
    expected.Options.ListColor = 255;
    expected.Options.MRUCount = 9;
    EXPECT_EQ(Written(expected), Written(loaded));
}

TEST(Config, OutOfRangeChoicesFallBack) {
    struct Case {
        const char* line;
        int duplicate, listDbl, trayDbl, pitch, layout;
    };
    const Case cases[] = {
        {"[BrantlowURL]\nDuplicateAction=7\nListDblClick=9\nTrayDblClick=5\n[FontProperties]\nFPitch=3\n"
         "[HTMLLayout]\nListLayout=5", 2, 0, 0, 0, 0},
        {"[BrantlowURL]\nDuplicateAction=257\nListDblClick=263\nTrayDblClick=260\n[FontProperties]\nFPitch=258\n"
         "[HTMLLayout]\nListLayout=260", 1, 7, 4, 2, 4},  // only the low byte counts
        {"[BrantlowURL]\nDuplicateAction=-1\nBoolean=1", 2, 7, 4, 0, 0},
    };
    for (const Case& c : cases) {
        const Settings loaded = Loaded(c.line);
        EXPECT_EQ(c.duplicate, loaded.Options.DuplicateAction) << c.line;
        EXPECT_EQ(c.listDbl, loaded.Options.ListDblClick) << c.line;
        EXPECT_EQ(c.trayDbl, loaded.Options.TrayDblClick) << c.line;
        EXPECT_EQ(c.pitch, loaded.Options.Font.FPitch) << c.line;
        EXPECT_EQ(c.layout, loaded.HTMLLayout.ListLayout) << c.line;
    }
}

TEST(Config, TextCorrections) {
    const Settings loaded = Loaded(
        "[BrantlowURL]\nURLDelimiters=\"<#>?#?\"\nFileNameChars=abc\n[FontProperties]\nFName=" + std::string(40, 'F') +
        "\nFStyle=\"xxitalicyy\"\n");
    EXPECT_EQ("<>#?", loaded.Options.URLDelimiters);
    EXPECT_EQ("_abc", loaded.Options.FileNameChars);
    EXPECT_EQ(std::string(32, 'F'), loaded.Options.Font.FName);
    EXPECT_TRUE(loaded.Options.Font.Italic);
    EXPECT_FALSE(loaded.Options.Font.Bold);
    EXPECT_NE(std::string::npos, Written(loaded).find("URLDelimiters=\"<>#?\""));
}

TEST(Config, SchemesStopAtTheFirstMissingOrEmptyKey) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"[Schemes]\nScheme1=HTTP://\nScheme3=ftp://\n", {"http://"}},
        {"[Schemes]\nScheme1=news:\nScheme2=\nScheme3=ftp://\n", {"news:"}},
        {"[Schemes]\nScheme2=ftp://\n", {"file://", "ftp://", "gopher://", "http://", "https://", "mailto:", "news:",
                                          "nntp://", "telnet://", "wais://"}},
    };
    for (const auto& [text, schemes] : cases) {
        const Settings loaded = Loaded(text);
        EXPECT_EQ(schemes, loaded.Schemes) << text;
        EXPECT_EQ(static_cast<int>(schemes.size()), loaded.Options.SchemesCnt);
    }
    std::string many = "[Schemes]\n";
    for (int i = 1; i <= 300; ++i) many += "Scheme" + std::to_string(i) + "=s" + std::to_string(i) + ":\n";
    EXPECT_EQ(255u, Loaded(many).Schemes.size());
}

TEST(Config, SavingReplacesTheSchemesSectionAndReportsWhenItCannotBeErased) {
    struct StuckIni : IniFile {
        bool EraseSection(std::string_view) override { return false; }
    };
    Settings settings = Defaults();
    settings.Schemes = {"http://"};
    StuckIni stuck;
    static_cast<IniFile&>(stuck) = IniFile::Parse("[Schemes]\nScheme1=a:\nScheme2=b:\n");
    common::testing::ScriptedMessageBox messages;
    WriteConfig(stuck, settings, messages);
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ("Could not erase section SCHEMES", messages.shown[0].text);
    EXPECT_EQ("http://", stuck.ReadString("Schemes", "Scheme1"));
    EXPECT_EQ("b:", stuck.ReadString("Schemes", "Scheme2"));  // written over, not erased

    IniFile ini = IniFile::Parse("[Schemes]\nScheme1=a:\nScheme2=b:\n");
    WriteConfig(ini, settings, messages);
    EXPECT_EQ(std::nullopt, ini.ReadString("Schemes", "Scheme2"));
}

TEST(Config, FileNameIsTheProgramsWithIni) {
    EXPECT_EQ("c:\\program files\\brantlow\\brantlow.ini", ConfigFileNameFor("C:\\Program Files\\Brantlow\\BRANTLOW.EXE"));
}

}  // namespace
}  // namespace brantlow

// The data file: its bytes, the reader of both formats with every message, the safe-replace
// writer under injected failures, and the file commands.
#include <gtest/gtest.h>

#include <cstring>

#include "brantlow/core/data_file.h"
#include "brantlow/core/file_names.h"
#include "brantlow/tests/fakes.h"

namespace brantlow {
namespace {

using common::MessageAnswer;
using testing::ManagerFixture;
using testing::ReadFile;
using testing::WriteFile;

std::string Int32(std::int32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<char>(static_cast<std::uint32_t>(value) >> (8 * i));
    return bytes;
}

std::string Double(double value) {
    std::string bytes(8, '\0');
    std::memcpy(bytes.data(), &value, 8);  // little-endian machines only, as the file is
    return bytes;
}

std::string Text(const std::string& text) { return Int32(static_cast<std::int32_t>(text.size())) + text; }

// A current record; `reserved` fills bytes 1 and 10 to 14 of the State block.
std::string Record(const std::string& url, const std::string& description, double date, char shown = 1,
                   char reserved = 0) {
    return Text(url) + Text(description) + std::string(1, shown) + std::string(1, reserved) + Double(date) +
           std::string(5, reserved);
}

std::string OldRecord(const std::string& url, const std::string& description, double date) {
    return Text(url) + Text(description) + Double(date);
}

struct DataFileSetup : ManagerFixture {
    DataFileSetup() {
        settings.Options.URLFileName = PageFile();
        settings.Options.AutoSave = false;
        settings.Options.KeepBackup = false;
    }
    void Load(const std::string& bytes, bool withPage = true) {
        WriteFile(DataFile(), bytes);
        if (withPage) WriteFile(PageFile(), "old page");
        manager.LoadDataFile();
    }
    [[nodiscard]] std::vector<std::string> TempFiles() const {
        std::vector<std::string> temps;
        for (const std::string& name : folder.Names())
            if (name.ends_with(".tmp")) temps.push_back(name);
        return temps;
    }
};

struct DataFileTest : ::testing::Test, DataFileSetup {};

TEST_F(DataFileTest, LoadAndSaveAreByteExactIncludingReservedStateBytes) {
    const std::string file = Int32(60002) + Int32(3) + Record("http://a.example/", "Alpha", 44000.75, 1, 7) +
                             Record("ftp://b.example/", "", 44001.5, 1, '\xff') +
                             Record("mailto:x@y", "Mail & more", 1.0, 1, 0);
    Load(file);
    ASSERT_EQ(3, manager.URLList().Count());
    EXPECT_TRUE(Texts().empty());
    EXPECT_TRUE(manager.Saved());
    EXPECT_EQ(44000.75, manager.URLList().Items(0)->DateAdded());
    EXPECT_TRUE(rows.IsSelected(0));
    EXPECT_EQ(0, rows.focused);
    EXPECT_EQ(std::vector<std::string>{PageFile()}, recent.Names());

    ASSERT_TRUE(manager.Save());
    EXPECT_EQ(file, ReadFile(DataFile()));
}

TEST_F(DataFileTest, HiddenEntriesAreSavedWithTheirShownByteAndShownAfterLoading) {
    manager.AddBookmark("http://a/", "A", 2.0);
    manager.AddBookmark("http://b/", "B", 3.0);
    manager.URLList().Items(0)->SetShown(false);
    manager.RebuildView();
    manager.SetFilterActive(true);
    settings.Options.PromptOnFilteredSave = false;
    ASSERT_TRUE(manager.Save());
    EXPECT_EQ(Int32(60002) + Int32(2) + Record("http://a/", "A", 2.0, 0) + Record("http://b/", "B", 3.0, 1),
              ReadFile(DataFile()));
    manager.LoadDataFile();
    EXPECT_EQ(2, rows.Count());
    EXPECT_TRUE(manager.URLList().Items(0)->Shown());
    EXPECT_FALSE(manager.FilterActive());
}

TEST_F(DataFileTest, OldFormatLoadsWithItsDatesAndConvertsAtTheFirstSave) {
    Load(Int32(60001) + Int32(2) + OldRecord("http://a/", "A", 40000.5) + OldRecord("news:b", "", 40001.0));
    ASSERT_EQ(2, manager.URLList().Count());
    EXPECT_EQ("You are trying to load an old format Brantlow file. The file will be loaded and automatically "
              "converted to new format when saving. Please click OK to continue.",
              Texts().at(0));
    EXPECT_TRUE(recent.Names().empty());
    ASSERT_TRUE(manager.Save());
    EXPECT_EQ(Int32(60002) + Int32(2) + Record("http://a/", "A", 40000.5) + Record("news:b", "", 40001.0),
              ReadFile(DataFile()));
}

TEST_F(DataFileTest, ARecordCutShortKeepsTheRecordsBeforeItAndTheNextSaveCorrectsTheCount) {
    Load(Int32(60002) + Int32(5) + Record("http://1/", "", 1) + Record("http://2/", "", 2) + Record("http://3/", "", 3) +
         Text("http://4/"));
    EXPECT_EQ(3, manager.URLList().Count());
    EXPECT_EQ(std::vector<std::string>(
                  {"Error reading Brantlow file: Found 3 URLs, instead of expected 5. Correcting discrepancy.",
                   "If you are installing a new version of BrantlowURL, please see file README.TXT for information "
                   "on how to restore the bookmarks you previously collected."}),
              Texts());
    ASSERT_TRUE(manager.Save());
    EXPECT_EQ(Int32(3), ReadFile(DataFile()).substr(4, 4));
}

TEST_F(DataFileTest, ImpossibleLengthsAndCountsEndAsReadErrorsWithoutAllocating) {
    const std::pair<std::string, int> cases[] = {
        {Int32(60002) + Int32(2) + Int32(0x7fffffff) + "abc", 0},               // 2 GB URL
        {Int32(60002) + Int32(1) + Text("http://x/") + Int32(-5) + "abc", 0},   // negative description
        {Int32(60002) + Int32(0x7fffffff) + Record("http://x/", "", 1), 1},     // count far beyond the file
        {Int32(60001) + Int32(3) + OldRecord("http://x/", "", 1) + "1234", 1},  // old record cut in its date
    };
    for (const auto& [bytes, loaded] : cases) {
        DataFileSetup fresh;
        fresh.Load(bytes);
        EXPECT_EQ(loaded, fresh.manager.URLList().Count());
        const auto texts = fresh.Texts();
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                                [](const std::string& t) { return t.starts_with("Error reading Brantlow file: Found "); }));
    }
}

TEST_F(DataFileTest, ZeroOrNegativeCountLoadsNothingAndReportsNothing) {
    for (std::int32_t count : {0, -3}) {
        DataFileSetup fresh;
        fresh.Load(Int32(60002) + Int32(count) + Record("http://x/", "", 1));
        EXPECT_EQ(0, fresh.manager.URLList().Count());
        EXPECT_TRUE(fresh.Texts().empty());
    }
}

TEST_F(DataFileTest, MissingPageMakesTheLoadSaveAtOnce) {
    Load(Int32(60002) + Int32(1) + Record("http://x/", "", 1), false);
    EXPECT_TRUE(manager.Saved());
    EXPECT_NE("", ReadFile(PageFile()));
}

TEST_F(DataFileTest, UnknownSignatureLeavesTheCollectionEmptyAndUnnamed) {
    manager.SetFirstRun(true);
    Load(Int32(12345) + Int32(1));
    EXPECT_EQ(0, manager.URLList().Count());
    EXPECT_EQ("", settings.Options.URLFileName);
    EXPECT_EQ(std::vector<std::string>(
                  {"Brantlow file is corrupt:\r" + DataFile() + "\rUnable to load URLs. Please create a new Brantlow file.",
                   "If you are installing a new version of BrantlowURL, please see file README.TXT for information "
                   "on how to restore your bookmarks."}),
              Texts());
    EXPECT_EQ(common::MessageIcon::Error, messages.shown[0].icon);
}

TEST_F(DataFileTest, TooShortForItsHeaderReportsTheReadError) {
    for (const std::string& bytes : {std::string("\x62\xea"), Int32(60002) + "\x01"}) {
        DataFileSetup fresh;
        fresh.Load(bytes);
        EXPECT_EQ(std::vector<std::string>{"Stream read error"}, fresh.Texts());
        EXPECT_EQ(0, fresh.manager.URLList().Count());
    }
}

TEST_F(DataFileTest, MissingDataFileIsReportedExceptOnAFirstRun) {
    manager.LoadDataFile();
    EXPECT_EQ(std::vector<std::string>{"Brantlow file does not exist:\r" + DataFile() +
                                       "\rIt will be created when you click \"Save\"."},
              Texts());
    manager.SetFirstRun(true);
    manager.LoadDataFile();
    EXPECT_EQ(1u, messages.shown.size());
}

TEST_F(DataFileTest, SavingAnEmptyListNeedsSaveEmptyFile) {
    ASSERT_TRUE(manager.Save());
    EXPECT_EQ(std::vector<std::string>{"The URL list is empty. File will not be saved."}, Texts());
    EXPECT_FALSE(testing::FaultyFileSystem().Exists(DataFile()));
    settings.Options.SaveEmptyFile = true;
    ASSERT_TRUE(manager.Save());
    EXPECT_EQ(Int32(60002) + Int32(0), ReadFile(DataFile()));
}

TEST_F(DataFileTest, BackupHoldsThePreviousSaveAndTemporaryNamesFollowTheirPattern) {
    settings.Options.KeepBackup = true;
    manager.AddBookmark("http://first/", "", 1);
    ASSERT_TRUE(manager.Save());
    const std::string first = ReadFile(DataFile());
    manager.AddBookmark("http://second/", "", 2);
    ASSERT_TRUE(manager.Save());
    manager.AddBookmark("http://third/", "", 3);
    ASSERT_TRUE(manager.Save());
    EXPECT_EQ(3, static_cast<int>(ReadFile(DataFile())[4]));
    EXPECT_EQ(2, static_cast<int>(ReadFile(folder.Path("brantlow.bak"))[4]));
    EXPECT_NE(first, ReadFile(folder.Path("brantlow.bak")));
    EXPECT_TRUE(TempFiles().empty());
    for (const std::string& path : files.created) {
        if (!path.ends_with(".tmp")) continue;
        const std::string name = ExtractFileName(path);
        ASSERT_EQ(12u, name.size());
        for (char c : name.substr(0, 8)) EXPECT_TRUE(c >= 'a' && c <= 'y') << name;
    }
}

// The previous data survives every failure of the safe replace, where the writer promises.
struct SafeReplaceSetup : DataFileSetup {
    SafeReplaceSetup() {
        manager.AddBookmark("http://old/", "", 1);
        EXPECT_TRUE(manager.Save());
        previous = ReadFile(DataFile());
        manager.AddBookmark("http://new/", "", 2);
    }
    std::string previous;
};

struct SafeReplaceTest : ::testing::Test, SafeReplaceSetup {};

TEST_F(SafeReplaceTest, TemporaryFileNotCreatable) {
    for (bool keepBackup : {false, true}) {
        SafeReplaceSetup fresh;
        fresh.settings.Options.KeepBackup = keepBackup;
        fresh.files.failCreate = [](const std::string& path) { return path.ends_with(".tmp"); };
        EXPECT_FALSE(fresh.manager.Save());
        EXPECT_FALSE(fresh.manager.Saved());
        EXPECT_EQ(fresh.previous, ReadFile(keepBackup ? fresh.folder.Path("brantlow.bak") : fresh.DataFile()));
        const auto texts = fresh.Texts();
        ASSERT_EQ(2u, texts.size());
        EXPECT_TRUE(texts[0].starts_with("Error creating temporary file:\r" + fresh.folder.Folder())) << texts[0];
        EXPECT_TRUE(texts[0].ends_with(".tmp\rAccess is denied.")) << texts[0];
        EXPECT_EQ("There was an error saving Brantlow file. The file was not saved.", texts[1]);
        EXPECT_EQ(common::MessageIcon::Warning, fresh.messages.shown[1].icon);
        EXPECT_TRUE(ReadFile(fresh.PageFile()).find("http://new/") != std::string::npos);  // page still written
    }
}

TEST_F(SafeReplaceTest, WriteFailsMidway) {
    for (bool keepBackup : {false, true}) {
        SafeReplaceSetup fresh;
        fresh.settings.Options.KeepBackup = keepBackup;
        fresh.files.failWriteAfter = 10;
        EXPECT_FALSE(fresh.manager.Save());
        EXPECT_EQ(fresh.previous, ReadFile(keepBackup ? fresh.folder.Path("brantlow.bak") : fresh.DataFile()));
        EXPECT_TRUE(fresh.TempFiles().empty());  // no partial file left to be mistaken for data
        EXPECT_EQ("No space left on device", fresh.Texts().at(0));
    }
}

TEST_F(SafeReplaceTest, OldDataFileCannotBeDeleted) {
    files.failRemove = [this](const std::string& path) { return path == DataFile(); };
    EXPECT_FALSE(manager.Save());
    EXPECT_EQ(previous, ReadFile(DataFile()));
    ASSERT_EQ(1u, TempFiles().size());  // the new data waits in the temporary file
    EXPECT_EQ(Int32(2), ReadFile(folder.Path(TempFiles()[0])).substr(4, 4));
    EXPECT_EQ(std::vector<std::string>{"There was an error saving Brantlow file. The file was not saved."}, Texts());
}

TEST_F(SafeReplaceTest, TemporaryFileCannotBeRenamed) {
    settings.Options.KeepBackup = true;
    files.failRename = [](const std::string& from) { return from.ends_with(".tmp"); };
    EXPECT_FALSE(manager.Save());
    EXPECT_EQ(previous, ReadFile(folder.Path("brantlow.bak")));
    ASSERT_EQ(1u, TempFiles().size());
    EXPECT_EQ(Int32(2), ReadFile(folder.Path(TempFiles()[0])).substr(4, 4));
}

TEST_F(DataFileTest, SavingWhileFilteredAsksWhatToDo) {
    manager.AddBookmark("http://a/", "", 1);
    manager.URLList().Items(0)->SetShown(false);
    manager.RebuildView();
    manager.SetFilterActive(true);
    messages.Answer(MessageAnswer::Cancel).Answer(MessageAnswer::No).Answer(MessageAnswer::Yes);
    EXPECT_FALSE(manager.Save());
    EXPECT_TRUE(manager.Save());
    EXPECT_EQ("The URL list is empty after applying filter. File will not be saved until you clear the filter.",
              Texts().back());
    EXPECT_FALSE(testing::FaultyFileSystem().Exists(DataFile()));
    EXPECT_TRUE(manager.Save());
    EXPECT_FALSE(manager.FilterActive());
    EXPECT_EQ(1, rows.Count());
    EXPECT_EQ("A filter has recently been applied to the list. Only the items currently displayed will be saved to the "
              "HTML file if the filter is not cleared.\r\rWould you like to clear the filter now?",
              messages.shown[0].text);
}

TEST_F(DataFileTest, QuerySaveFollowsTheAnswer) {
    manager.AddBookmark("http://a/", "", 1);
    EXPECT_TRUE(manager.QuerySave());  // nothing changed yet
    manager.ChangeEpilogue();
    messages.Answer(MessageAnswer::Cancel).Answer(MessageAnswer::No).Answer(MessageAnswer::Yes);
    EXPECT_FALSE(manager.QuerySave());
    EXPECT_TRUE(manager.QuerySave());
    EXPECT_FALSE(testing::FaultyFileSystem().Exists(DataFile()));
    EXPECT_TRUE(manager.QuerySave());
    EXPECT_TRUE(testing::FaultyFileSystem().Exists(DataFile()));
    EXPECT_EQ("Changes made to URL list have not been saved.\rSave now?", messages.shown[0].text);
}

TEST(PageExtension, NamesTheCollectionByItsPage) {
    const std::pair<const char*, const char*> cases[] = {
        {"c:\\x\\list", "c:\\x\\list.html"}, {"c:\\x\\list.", "c:\\x\\list.html"},
        {"c:\\x\\list.btw", "c:\\x\\list.html"}, {"c:\\x\\list.BTW", "c:\\x\\list.html"},
        {"c:\\x\\list.htm", "c:\\x\\list.htm"}, {"c:\\x.y\\list", "c:\\x.y\\list.html"},
        {"c:\\x\\list.txt", "c:\\x\\list.txt"}};
    for (const auto& [name, page] : cases) EXPECT_EQ(page, FixPageExtension(name)) << name;
    EXPECT_EQ("c:\\x\\list.btw", ChangeFileExt("c:\\x\\list.html", ".btw"));
}

TEST(NormalizePath, UnquotesTrimsPlacesAndLowerCases) {
    EXPECT_EQ("c:\\prog\\my.html", NormalizePath("  My.HTML ", "c:\\prog\\"));
    EXPECT_EQ("d:\\data\\a.html", NormalizePath("\"D:\\Data\\A.html\" -x", "c:\\prog\\"));
    EXPECT_EQ("c:\\prog\\", NormalizePath("", "c:\\prog\\"));
}

TEST(DefaultBrowser, CommandLineBecomesTheProgram) {
    EXPECT_EQ("C:\\Program Files\\Web\\web.exe",
              BrowserFromOpenCommand("\"C:\\Program Files\\Web\\web.exe\" -nohome \"%1\""));
    EXPECT_EQ("C:\\WEB\\WEB.EXE", BrowserFromOpenCommand("C:\\WEB\\WEB.EXE \"%1\""));
    EXPECT_EQ("C:\\WEB\\WEB.EXE -k", BrowserFromOpenCommand("C:\\WEB\\WEB.EXE -k"));
}

TEST_F(DataFileTest, NewFileRemembersTheNormalisedNameAndWritesNothing) {
    manager.AddBookmark("http://a/", "", 1);
    fileDialogs.answers.push_back(std::optional<std::string>("Fresh.BTW"));
    manager.NewFile();
    EXPECT_EQ(folder.Path("fresh.html"), settings.Options.URLFileName);
    EXPECT_EQ(0, manager.URLList().Count());
    EXPECT_EQ(0, rows.Count());
    EXPECT_EQ(1, config.saves);
    EXPECT_EQ("Create new Brantlow file", fileDialogs.shown.at(0).Title);
    EXPECT_EQ("Brantlow URL files (*.btw)|*.btw|All Files (*.*)|*.*", fileDialogs.shown[0].Filter);
    EXPECT_FALSE(testing::FaultyFileSystem().Exists(folder.Path("fresh.btw")));
}

TEST_F(DataFileTest, SaveAsWritesUnderTheChosenNameAndOpenReadsItBack) {
    manager.AddBookmark("http://a/", "A", 1);
    fileDialogs.answers.push_back(std::optional<std::string>(folder.Path("Other.btw")));
    manager.SaveAs();
    EXPECT_EQ(folder.Path("other.html"), settings.Options.URLFileName);
    EXPECT_EQ(Int32(60002) + Int32(1) + Record("http://a/", "A", 1), ReadFile(folder.Path("other.btw")));
    EXPECT_EQ(1, config.saves);

    settings.Options.URLFileName = PageFile();
    manager.OpenFile(folder.Path("other.htm"));  // the page is named; its data file is read
    EXPECT_EQ(folder.Path("other.htm"), settings.Options.URLFileName);
    EXPECT_EQ(1, manager.URLList().Count());
    EXPECT_TRUE(Texts().empty());
    EXPECT_NE("", ReadFile(folder.Path("other.htm")));  // no page yet: the load saved at once
}

}  // namespace
}  // namespace brantlow

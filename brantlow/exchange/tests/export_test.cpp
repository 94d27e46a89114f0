// The export formats: plain text, delimited text, insertion into a Netscape bookmark file,
// and Internet shortcut files; the dialog's format rules and its messages.
#include <gtest/gtest.h>

#include <regex>

#include "brantlow/exchange/export.h"
#include "brantlow/exchange/export_command.h"
#include "brantlow/tests/fakes.h"

namespace brantlow {
namespace {

using common::MessageAnswer;
using testing::ManagerFixture;
using testing::ReadFile;
using testing::WriteFile;

struct ExportTest : ::testing::Test, ManagerFixture {
    ExportResult Run(const std::vector<ExportRow>& exported = kRows) {
        Exporter exporter({settings, messages, files, clock}, exported);
        exporter.SeedTemporaryNames(3);
        return exporter.RunExport(choices);
    }
    static const std::vector<ExportRow> kRows;
    ExportChoices choices;
};

const std::vector<ExportRow> ExportTest::kRows = {{"http://a.com/", "Site A"}, {"ftp://b.org/f.zip", ""}};

TEST(ApplyFormat, ShowsTheBoxesAndOptionsOfEachFormat) {
    const FormatView text = ApplyFormat(ExportFormat::Text, "\"C:\\Out\\List.csv\" junk", "", "c:\\prog\\");
    EXPECT_TRUE(text.FileNameShown);
    EXPECT_EQ("&File name:", text.Label);
    EXPECT_EQ("c:\\out\\list.txt", text.FileName);
    EXPECT_TRUE(text.QuoteEnabled && text.SummaryEnabled && !text.DelimiterEnabled && text.ExportEnabled);
    EXPECT_EQ(1, text.FilterIndex);

    const FormatView delimited = ApplyFormat(ExportFormat::Delimited, "list", "", "c:\\prog\\");
    EXPECT_EQ("c:\\prog\\list.csv", delimited.FileName);
    EXPECT_TRUE(delimited.DelimiterEnabled && delimited.QuoteEnabled && !delimited.SummaryEnabled);

    const FormatView netscape = ApplyFormat(ExportFormat::Netscape, "", "x", "c:\\prog\\");
    EXPECT_EQ("", netscape.FileName);
    EXPECT_FALSE(netscape.ExportEnabled || netscape.QuoteEnabled || netscape.DelimiterEnabled);
    EXPECT_EQ(3, netscape.FilterIndex);

    const FormatView favorites = ApplyFormat(ExportFormat::Favorites, "", "c:\\fav", "c:\\prog\\");
    EXPECT_FALSE(favorites.FileNameShown);
    EXPECT_EQ("&Folder:", favorites.Label);
    EXPECT_EQ(ExportControl::Folder, favorites.LabelTarget);
    EXPECT_TRUE(favorites.ExportEnabled);
    EXPECT_FALSE(ExportEnabled(ExportFormat::Favorites, "file", ""));
}

TEST(QuotePair, TakesOpeningAndClosingCharacters) {
    EXPECT_EQ("<x>", MakeQuotePair(true, "<>").Around("x"));
    EXPECT_EQ("'x'", MakeQuotePair(true, "'").Around("x"));
    EXPECT_EQ("x", MakeQuotePair(true, "").Around("x"));
    EXPECT_EQ("x", MakeQuotePair(false, "<>").Around("x"));
}

TEST_F(ExportTest, AFilterIsOfferedToBeClearedBeforeTheDialogOpens) {
    EXPECT_TRUE(ConfirmExportFilter(manager, rows, messages));  // no filter: no question
    EXPECT_TRUE(Texts().empty());
    manager.AddBookmark("http://shown.example/", "", 1);
    manager.AddBookmark("http://hidden.example/", "", 1);
    manager.URLList().Items(1)->SetShown(false);
    manager.RebuildView();
    manager.SetFilterActive(true);

    messages.Answer(MessageAnswer::Cancel).Answer(MessageAnswer::No);
    EXPECT_FALSE(ConfirmExportFilter(manager, rows, messages));
    EXPECT_TRUE(ConfirmExportFilter(manager, rows, messages));  // No: the one shown row is exported
    EXPECT_EQ(1, rows.Count());
    EXPECT_TRUE(manager.FilterActive());
    EXPECT_EQ("A filter has recently been applied to the list. Only the items currently displayed will be exported if "
              "the filter is not cleared.\r\rWould you like to clear the filter now?",
              messages.shown[0].text);

    manager.URLList().Items(0)->SetShown(false);
    manager.RebuildView();
    messages.Answer(MessageAnswer::No).Answer(MessageAnswer::Yes);
    EXPECT_FALSE(ConfirmExportFilter(manager, rows, messages));  // No with nothing shown
    EXPECT_EQ("The URL list is empty after applying filter. File will not be saved until you clear the filter.",
              Texts().back());
    EXPECT_TRUE(ConfirmExportFilter(manager, rows, messages));  // Yes clears the filter
    EXPECT_FALSE(manager.FilterActive());
    EXPECT_EQ(2, rows.Count());
}

TEST_F(ExportTest, PlainTextWritesSummaryAndQuotedKeyLines) {
    settings.Options.URLFileName = "c:\\data\\brantlow.btw";
    choices.FileName = folder.Path("out.txt");
    choices.Quote = true;
    choices.Summary = true;
    const ExportResult result = Run();
    EXPECT_EQ(2, result.Written);
    EXPECT_EQ(ExportControl::Close, result.Focus);
    EXPECT_EQ("URLs exported by BrantlowURL\r\nOriginal filename: c:\\data\\brantlow.btw\r\nCount : 2\r\n"
              "Date  : day45000\r\nTime  : 12:00:00\r\n\r\n"
              "URL=\"http://a.com/\"\r\nDESC=\"Site A\"\r\n\r\n"
              "URL=\"ftp://b.org/f.zip\"\r\nDESC=\"\"\r\n\r\n",
              ReadFile(choices.FileName));
    EXPECT_EQ((std::vector<std::string>{"Exported 2 bookmarks to:\r" + choices.FileName}), Texts());
}

TEST_F(ExportTest, AnExistingFileIsAppendedToOverwrittenOrLeftAlone) {
    choices.Format = ExportFormat::Delimited;
    choices.FileName = folder.Path("out.csv");
    WriteFile(choices.FileName, "old\r\n");
    const std::string written = "http://a.com/,Site A\r\nftp://b.org/f.zip,ftp://b.org/f.zip\r\n";

    messages.Answer(MessageAnswer::Cancel);
    EXPECT_EQ(ExportControl::FileName, Run().Focus);
    EXPECT_EQ("old\r\n", ReadFile(choices.FileName));
    EXPECT_EQ("The file already exists:\r" + choices.FileName + "\r\r" +
                  "Click YES to append bookmarks to existing file; Click NO to overwrite existing file; Click CANCEL "
                  "to return to dialog box.",
              Texts().at(0));

    messages.Answer(MessageAnswer::Yes);
    EXPECT_EQ(2, Run().Written);
    EXPECT_EQ("old\r\n" + written, ReadFile(choices.FileName));

    messages.Answer(MessageAnswer::No);
    EXPECT_EQ(2, Run().Written);
    EXPECT_EQ(written, ReadFile(choices.FileName));
    EXPECT_EQ((std::vector<std::string>{"out.csv"}), folder.Names());  // no temporary file left
}

TEST_F(ExportTest, AppendingThatFailsLeavesTheExistingFile) {
    choices.FileName = folder.Path("out.txt");
    WriteFile(choices.FileName, "precious\r\n");
    files.failWriteAfter = 4;
    messages.Answer(MessageAnswer::Yes);
    EXPECT_EQ(0, Run().Written);
    EXPECT_EQ("precious\r\n", ReadFile(choices.FileName));
    EXPECT_EQ((std::vector<std::string>{"out.txt"}), folder.Names());
    EXPECT_EQ(0u, Texts().back().find("I/O error 28"));
}

TEST_F(ExportTest, DelimitersAndQuotes) {
    struct Case {
        DelimiterKind kind;
        std::string other;
        std::string quotes;
        std::string expected;
    };
    const Case cases[] = {
        {DelimiterKind::Tab, "", "", "http://a.com/\tSite A\r\nftp://b.org/f.zip\tftp://b.org/f.zip\r\n"},
        {DelimiterKind::LineBreak, "", "'", "'http://a.com/'\r\n'Site A'\r\n'ftp://b.org/f.zip'\r\n'ftp://b.org/f.zip'\r\n"},
        {DelimiterKind::Other, "||", "[]", "[http://a.com/]||[Site A]\r\n[ftp://b.org/f.zip]||[ftp://b.org/f.zip]\r\n"},
    };
    choices.Format = ExportFormat::Delimited;
    for (const Case& c : cases) {
        choices.FileName = folder.Path("d" + std::to_string(static_cast<int>(c.kind)) + ".csv");
        choices.Delimiter = c.kind;
        choices.OtherDelimiter = c.other;
        choices.Quote = !c.quotes.empty();
        choices.QuoteChars = c.quotes;
        EXPECT_EQ(2, Run().Written);
        EXPECT_EQ(c.expected, ReadFile(choices.FileName));
    }
    choices.Delimiter = DelimiterKind::Other;
    choices.OtherDelimiter = "";
    const ExportResult result = Run();
    EXPECT_TRUE(result.SelectOtherDelimiter);
    EXPECT_EQ(ExportControl::OtherDelimiter, result.Focus);
    EXPECT_EQ("You chose to export URLs to a delimited file, but you did not specify the delimiter!", Texts().back());
}

TEST_F(ExportTest, EmptyNamesAreRefused) {
    EXPECT_EQ(ExportControl::FileName, Run().Focus);
    choices.Format = ExportFormat::Favorites;
    EXPECT_EQ(ExportControl::Folder, Run().Focus);
    EXPECT_EQ((std::vector<std::string>{"Please specify the name of the file to export bookmarks to.",
                                        "Please specify the name of the folder to export bookmarks to."}),
              Texts());
}

const char* const kBookmarkFile =
    "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n"
    "<TITLE>Bookmarks</TITLE>\r\n"
    "<H1>Bookmarks</H1>\r\n"
    "\r\n"
    "<DL><p>\r\n"
    "    <DT><H3 ADD_DATE=\"1\">Mine</H3>\r\n"
    "    <DL><p>\r\n"
    "        <DT><A HREF=\"http://old.com/\">Old</A>\r\n"
    "    </DL><p>\r\n"
    "</DL><p>\r\n";

// A bookmarks page as browsers read it: the doctype, and lists that open and close in
// pairs with every entry a heading or a link whose attribute is properly quoted.
void ExpectWellFormedBookmarks(const std::string& page) {
    EXPECT_EQ(0u, page.find("<!DOCTYPE NETSCAPE-Bookmark-file-1>"));
    int depth = 0;
    std::size_t start = 0;
    const std::regex link(R"(^ *<DT><A HREF="[^"<>]*"( [A-Z_]+="[^"]*")*>[^<>]*</A>$)", std::regex::icase);
    const std::regex heading(R"(^ *<DT><H3[^>]*>[^<>]*</H3>$)", std::regex::icase);
    for (std::size_t end; (end = page.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string line = page.substr(start, end - start);
        while (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string trimmed = line.substr(line.find_first_not_of(' ') == std::string::npos ? line.size()
                                                                                                 : line.find_first_not_of(' '));
        if (trimmed.starts_with("<DL>")) {
            ++depth;
        } else if (trimmed.starts_with("</DL>")) {
            --depth;
            EXPECT_GE(depth, 0) << line;
        } else if (trimmed.starts_with("<DT>")) {
            EXPECT_TRUE(std::regex_match(line, link) || std::regex_match(line, heading)) << line;
            EXPECT_GT(depth, 0) << line;
        }
    }
    EXPECT_EQ(0, depth);
}

TEST_F(ExportTest, NetscapeAddsAFoldedFolderAfterTheFirstListAndKeepsABackup) {
    choices.Format = ExportFormat::Netscape;
    choices.FileName = folder.Path("bookmark.htm");
    WriteFile(choices.FileName, kBookmarkFile);
    settings.Options.HTMLTitle = "Brantlow & Co";
    const std::vector<ExportRow> exported = {{"http://a.com/?q=\"x\"", "A <b>bold</b> site"}, {"http://b.com/", ""}};
    EXPECT_EQ(2, Run(exported).Written);
    const std::string page = ReadFile(choices.FileName);
    EXPECT_EQ("<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\r\n"
              "<TITLE>Bookmarks</TITLE>\r\r\n"
              "<H1>Bookmarks</H1>\r\r\n"
              "<DL><p>\r\r\n"
              "    <DT><H3 FOLDED>Brantlow &amp; Co</H3>\r\r\n"
              "    <DL><P>\r\r\n"
              "        <DT><A HREF=\"http://a.com/?q=%22x%22\">A &lt;b&gt;bold&lt;/b&gt; site</A>\r\r\n"
              "        <DT><A HREF=\"http://b.com/\">http://b.com/</A>\r\r\n"
              "    </DL><P>\r\r\n"
              "    <DT><H3 ADD_DATE=\"1\">Mine</H3>\r\r\n"
              "    <DL><p>\r\r\n"
              "        <DT><A HREF=\"http://old.com/\">Old</A>\r\r\n"
              "    </DL><p>\r\r\n"
              "</DL><p>\r\r\n",
              page);
    ExpectWellFormedBookmarks(page);
    EXPECT_EQ(kBookmarkFile, ReadFile(folder.Path("bookmark.bak")));
    EXPECT_EQ((std::vector<std::string>{"bookmark.bak", "bookmark.htm"}), folder.Names());
}

TEST_F(ExportTest, NetscapeFillsAnExistingFolderAtAnyDepthFromTheTop) {
    choices.Format = ExportFormat::Netscape;
    choices.FileName = folder.Path("bookmark.htm");
    const std::string nested = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n    <DT><H3>Outer</H3>\n    <DL><p>\n"
                               "        <DT><H3>My MINE folder</H3>\n        <DL><p>\n"
                               "            <DT><A HREF=\"http://old.com/\">Old</A>\n        </DL><p>\n    </DL><p>\n</DL><p>\n";
    for (const std::string& original : {std::string(kBookmarkFile), nested}) {
        WriteFile(choices.FileName, original);
        settings.Options.HTMLTitle = "mine";
        EXPECT_EQ(2, Run().Written);
        const std::string page = ReadFile(choices.FileName);
        const std::size_t added = page.find("<DT><A HREF=\"http://a.com/\">Site A</A>");
        ASSERT_NE(std::string::npos, added);
        EXPECT_LT(page.find("Mine</H3>") == std::string::npos ? page.find("MINE folder") : page.find("Mine</H3>"), added);
        EXPECT_LT(added, page.find("http://old.com/"));
        EXPECT_EQ(std::string::npos, page.find("FOLDED"));
        ExpectWellFormedBookmarks(page);
    }
}

TEST_F(ExportTest, NetscapeRefusesOtherFilesAndKeepsTheFileWhenTheCopyFails) {
    choices.Format = ExportFormat::Netscape;
    choices.FileName = folder.Path("missing.htm");
    EXPECT_EQ(0, Run().Written);
    EXPECT_EQ("The file you specified as Netscape Navigator's bookmark file does not exist:\r" + choices.FileName,
              Texts().back());

    choices.FileName = folder.Path("page.htm");
    WriteFile(choices.FileName, "<html><DL><p></DL><p></html>");
    EXPECT_EQ(0, Run().Written);
    EXPECT_EQ("The file you specified:\r" + choices.FileName + "\r" +
                  "does not appear to be Netscape Navigator's bookmark file.",
              Texts().back());

    WriteFile(choices.FileName, "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n<p>no list\r\n");
    EXPECT_EQ(0, Run().Written);
    EXPECT_EQ("Oops. There was an unexpected error reading Netscape's bookmark file.", Texts().back());

    WriteFile(choices.FileName, kBookmarkFile);
    files.failWriteAfter = 10;
    EXPECT_EQ(0, Run().Written);
    EXPECT_EQ(kBookmarkFile, ReadFile(choices.FileName));
    EXPECT_EQ((std::vector<std::string>{"page.htm"}), folder.Names());
}

TEST_F(ExportTest, FavoritesWritesOneShortcutPerNameMadeFromTheDescription) {
    choices.Format = ExportFormat::Favorites;
    choices.Folder = folder.Path("NoSuchFolder");
    EXPECT_EQ(ExportControl::Folder, Run().Focus);
    EXPECT_EQ("Specified folder does not exist: \r" + folder.Path("nosuchfolder") + "\r" +
                  "Please specify name of an existing folder.",
              Texts().back());

    choices.Folder = folder.Folder();
    const std::vector<ExportRow> exported = {{"http://one.com/", "Same  name!"},
                                             {"http://two.com/", "Same name"},
                                             {"http://www.x.com/a b", ""},
                                             {"http://q.com/", "???"}};
    EXPECT_EQ(4, Run(exported).Written);
    EXPECT_EQ((std::vector<std::string>{".url", "Same_name.url", "www_x_com_a_b.url"}), folder.Names());
    EXPECT_EQ("[InternetShortcut]\r\nURL=http://two.com/\r\n", ReadFile(folder.Path("Same_name.url")));
    EXPECT_EQ("[InternetShortcut]\r\nURL=http://q.com/\r\n", ReadFile(folder.Path(".url")));
}

}  // namespace
}  // namespace brantlow

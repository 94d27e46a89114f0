// The HTML page: the built-in layouts, templates with their placeholders, and the messages
// of missing templates and page files that cannot be written.
#include <gtest/gtest.h>

#include "brantlow/core/page_writer.h"
#include "brantlow/tests/fakes.h"

namespace brantlow {
namespace {

using common::MessageAnswer;
using testing::ManagerFixture;
using testing::ReadFile;
using testing::WriteFile;

struct PageSetup : ManagerFixture {
    PageSetup() : pages(settings, rows, clock, files, messages) {
        settings.Options.URLFileName = PageFile();
        settings.HTMLLayout.ShowInfo = false;
        settings.HTMLLayout.TPLFileName = folder.Path("page.tpl");
    }
    std::string Written() const { return ReadFile(PageFile()); }
    PageWriter pages;
};

struct PageTest : ::testing::Test, PageSetup {};

const char* const kHead =
    "<HTML>\r\n<HEAD>\r\n<TITLE>\r\nBRANTLOW bookmarks\r\n</TITLE>\r\n"
    "<STYLE> body { margin: 2%; line-height: 130% } </STYLE>\r\n</HEAD>\r\n"
    "<BODY BGCOLOR=\"#D0D0D0\" TEXT=\"#000000\" LINK=\"#0000A0\" VLINK=\"#0080FF\" ALINK=\"#FFFFFF\">\r\n"
    "<BASEFONT SIZE=3>\r\n";

TEST(HTMLEscape, ReplacesEveryOccurrence) {
    EXPECT_EQ("", HTMLEscape(""));
    EXPECT_EQ("a &amp;&amp; b &lt;i&gt; &#34;q&#34;", HTMLEscape("a && b <i> \"q\""));
}

TEST_F(PageTest, OrderedListFollowsTheRowsWithEscapedLinkTexts) {
    manager.AddBookmark("http://a/?x=1&y=\"2\"", "", 1);
    manager.AddBookmark("http://b/", "Tom & Jerry <3", 2);
    manager.ColumnClick(0);
    manager.ColumnClick(0);  // descending: b before a
    settings.HTMLLayout.ShowInfo = true;
    pages.WritePage();
    EXPECT_EQ(std::string(kHead) +
                  "<OL>\r\n"
                  "<LI> <B><A HREF=\"http://b/\">Tom &amp; Jerry &lt;3</A></B></LI> \r\n"
                  "<LI> <B><A HREF=\"http://a/?x=1&y=\"2\"\">http://a/?x=1&amp;y=&#34;2&#34;</A></B></LI> \r\n"
                  "</OL>\r\n"
                  "<HR>\r\nTotal bookmarks: <B>2</B><BR>\r\nList created: <TT>day45000</TT> at: <TT>12:00:00</TT>\r\n"
                  "<HR>\r\n</BODY>\r\n</HTML>\r\n",
              Written());
    EXPECT_EQ("", manager.URLList().Items(0)->Description);  // the record is not changed
}

TEST_F(PageTest, ShowURLPutsTheURLAboveTheDescriptionInEachLayout) {
    struct Case {
        int layout;
        std::string expected;
    };
    const Case cases[] = {
        {0, "<OL>\r\n<LI> <B><A HREF=\"http://a/\">http://a/</A></B>\r\n<BR>\r\n\r\nA&amp;B</LI> \r\n"
            "<LI> <B><A HREF=\"http://c/\">http://c/</A></B></LI> \r\n</OL>\r\n"},
        {1, "<UL>\r\n<LI> <B><A HREF=\"http://a/\">http://a/</A></B>\r\n<BR>\r\n\r\nA&amp;B</LI> \r\n"
            "<LI> <B><A HREF=\"http://c/\">http://c/</A></B></LI> \r\n</UL>\r\n"},
        {2, "<P>\r\n[&nbsp;<B><A HREF=\"http://a/\">http://a/</A></B>\r\n</TD><TD>\r\nA&amp;B&nbsp;] \r\n"
            "[&nbsp;<B><A HREF=\"http://c/\">http://c/</A></B>&nbsp;] \r\n</P>\r\n"},
        {3, "<TABLE BORDER=0 CELLPADDING=2 CELLSPACING=2>\r\n<TR><TD><B><A HREF=\"http://a/\">http://a/</A></B>\r\n"
            "</TD><TD>\r\nA&amp;B</TD></TR>\r\n<TR><TD><B><A HREF=\"http://c/\">http://c/</A></B></TD></TR>\r\n"
            "</TABLE>\r\n"},
    };
    for (const Case& c : cases) {
        PageSetup fresh;
        fresh.manager.AddBookmark("http://a/", "A&B", 1);
        fresh.manager.AddBookmark("http://c/", "", 1);
        fresh.settings.HTMLLayout.ShowURL = true;
        fresh.settings.HTMLLayout.ListLayout = static_cast<std::uint8_t>(c.layout);
        fresh.pages.WritePage();
        EXPECT_EQ(std::string(kHead) + c.expected + "</BODY>\r\n</HTML>\r\n", fresh.Written()) << c.layout;
    }
}

TEST_F(PageTest, AFilteredListCountsOnlyItsRows) {
    manager.AddBookmark("http://a/", "", 1);
    manager.AddBookmark("http://b/", "", 1);
    manager.URLList().Items(0)->SetShown(false);
    manager.RebuildView();
    settings.HTMLLayout.ShowInfo = true;
    pages.WritePage();
    EXPECT_NE(std::string::npos, Written().find("Total bookmarks: <B>1</B>"));
    EXPECT_EQ(std::string::npos, Written().find("http://a/"));
}

TEST_F(PageTest, PageFileThatCannotBeCreatedIsReported) {
    settings.Options.URLFileName = folder.Path("missing/page.html");
    pages.WritePage();
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ("Error 2 while saving data file:\r" + folder.Path("missing/page.html") +
                  "\rThe file name may be invalid. Please specify a different file name in the Options dialog box "
                  "(press F5).",
              messages.shown[0].text);
}

TEST_F(PageTest, TemplateRepeatsTheLinkLineWithItsPlaceholders) {
    WriteFile(settings.HTMLLayout.TPLFileName,
              "<!--#<a href=\"__URLLINK__\">__URLDESC__</a>|__URLDESC!__|__URLDATE__|__URLLINK__#-->\r\n"
              "<h1>__TITLE__ __TITLE__</h1>\n"
              "__URLCOUNT__ links: <ul>__LINK__</ul>\r"
              "made __GENDATE__ __GENTIME__\r\n");
    manager.AddBookmark("http://a/", "has __URLDESC__ & __URLLINK__ inside", 45000.25);
    manager.AddBookmark("http://b/", "", 45001.0);
    pages.WriteTemplatePage();
    EXPECT_EQ("<!--#<a href=\"__URLLINK__\">__URLDESC__</a>|__URLDESC!__|__URLDATE__|__URLLINK__#-->\r\n"
              "<h1>BRANTLOW bookmarks __TITLE__</h1>\r\n"
              "2 links: <ul><a href=\"http://a/\">has __URLDESC__ & __URLLINK__ inside</a>|has __URLDESC__ & "
              "__URLLINK__ inside|day45000 06:00:00|http://a/</ul>\r\n"
              "2 links: <ul><a href=\"http://b/\">http://b/</a>||day45001 00:00:00|http://b/</ul>\r\n"
              "made day45000 12:00:00\r\n",
              Written());
}

TEST_F(PageTest, TemplateLinkFormatFallsBackToTheSetting) {
    const std::pair<std::string, std::string> cases[] = {
        {"<ol>__LINK__</ol>\r\n", "<ol><A HREF=\"http://a/\">A</A></ol>\r\n"},  // no definition
        {"<!--# no link here #-->\r\n<ol>__LINK__</ol>\r\n",
         "<!--# no link here #-->\r\n<ol><A HREF=\"http://a/\">A</A></ol>\r\n"},  // definition without __URLLINK__
        {"<!--#[__URLLINK__\r\nsecond line]#-->\r\n<p>__LINK__</p>\r\n",
         "<!--#[__URLLINK__\r\nsecond line]#-->\r\n<p>[http://a/\r\nsecond line]</p>\r\n"},  // over two lines
    };
    for (const auto& [templateText, page] : cases) {
        PageSetup fresh;
        fresh.settings.HTMLLayout.TPLLinkFormat = "";  // reset to its default
        WriteFile(fresh.settings.HTMLLayout.TPLFileName, templateText);
        fresh.manager.AddBookmark("http://a/", "A", 1);
        fresh.pages.WriteTemplatePage();
        EXPECT_EQ(page, fresh.Written()) << templateText;
    }
}

TEST_F(PageTest, MissingTemplateAsksAndEachAnswerHasItsOutcome) {
    const std::string question =
        "The template file you specified does not exist:\r" + settings.HTMLLayout.TPLFileName +
        "\rWould you like to have a default template created now automatically?\r\rIf you click No, the program will "
        "revert to using a built-in HTML layout format (Ordered list). If you click Cancel, the file will not be saved "
        "at all.";
    manager.AddBookmark("http://a/", "A", 1);
    settings.HTMLLayout.ListLayout = 4;

    messages.Answer(MessageAnswer::Cancel);
    pages.WriteTemplatePage();
    EXPECT_EQ(question, messages.shown.at(0).text);
    EXPECT_EQ(common::MessageIcon::Warning, messages.shown[0].icon);
    EXPECT_FALSE(files.Exists(PageFile()));

    messages.Answer(MessageAnswer::Yes);
    pages.WriteTemplatePage();
    EXPECT_EQ(4, settings.HTMLLayout.ListLayout);
    const std::string created = ReadFile(settings.HTMLLayout.TPLFileName);
    EXPECT_TRUE(created.starts_with("<!--#<A HREF=\"__URLLINK__\">__URLDESC__</A>#-->\r\n<HTML>\r\n<HEAD>\r\n"));
    EXPECT_TRUE(created.ends_with("<LI> <B>__LINK__</B>\r\n</OL>\r\n<HR>\r\nTotal bookmarks: <B>__URLCOUNT__</B><BR>\r\n"
                                  "List created: <B>__GENDATE__</B> at: <B>__GENTIME__</B>\r\n<HR>\r\n</BODY>\r\n"
                                  "</HTML>\r\n"));
    EXPECT_NE(std::string::npos, Written().find("<LI> <B><A HREF=\"http://a/\">A</A></B>\r\n"));

    std::remove(settings.HTMLLayout.TPLFileName.c_str());
    messages.Answer(MessageAnswer::No);
    pages.WriteTemplatePage();
    EXPECT_EQ(0, settings.HTMLLayout.ListLayout);
    EXPECT_TRUE(Written().starts_with(kHead));
}

TEST_F(PageTest, TemplateThatCannotBeCreatedRevertsToTheOrderedList) {
    settings.HTMLLayout.ListLayout = 4;
    settings.HTMLLayout.TPLFileName = folder.Path("missing/page.tpl");
    messages.Answer(MessageAnswer::Yes);
    pages.WriteTemplatePage();
    EXPECT_EQ("There was an error creating template.\r\rThe program will now revert to using a built-in HTML layout "
              "format (Ordered list)",
              messages.shown.at(1).text);
    EXPECT_EQ(0, settings.HTMLLayout.ListLayout);
    EXPECT_TRUE(Written().starts_with(kHead));
}

TEST_F(PageTest, TemplateThatCannotBeReadIsReported) {
    std::filesystem::create_directory(settings.HTMLLayout.TPLFileName);  // exists, but is no file
    pages.WriteTemplatePage();
    ASSERT_EQ(1u, messages.shown.size());
    const std::string& text = messages.shown[0].text;
    EXPECT_TRUE(text.starts_with("Error ")) << text;  // the number is the system's
    EXPECT_NE(std::string::npos, text.find(" while reading template file:\r" + settings.HTMLLayout.TPLFileName +
                                           "\rThe file name may be invalid."))
        << text;
}

TEST_F(PageTest, SaveWritesThePageInViewOrderAndTheDataFileInInsertionOrder) {
    settings.Options.KeepBackup = false;
    manager.AddBookmark("http://z/", "", 1);
    manager.AddBookmark("http://a/", "", 1);
    manager.ColumnClick(0);
    ASSERT_TRUE(manager.Save());
    EXPECT_LT(Written().find("http://a/"), Written().find("http://z/"));
    const std::string data = ReadFile(DataFile());
    EXPECT_LT(data.find("http://z/"), data.find("http://a/"));
}

}  // namespace
}  // namespace brantlow

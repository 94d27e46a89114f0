// Stamping a URL into a saved page: the comment, the BASE tag, the link after the body
// tag, naming by title, backups, the failure messages, file name suggestions and titles.
#include <gtest/gtest.h>

#include "brantlow/exchange/inject.h"
#include "brantlow/exchange/inject_command.h"
#include "brantlow/tests/fakes.h"

namespace brantlow {
namespace {

using testing::ManagerFixture;
using testing::ReadFile;
using testing::WriteFile;

const std::string kURL = "http://h.com/d/page.html";
const std::string kComment =
    "<!-- Inserted by BrantlowURL\r\nX-URL: http://h.com/d/page.html\r\nX-Access-Date: day45000\r\n"
    "X-Access-Time: 12:00:00\r\n-->\r\n";
const std::string kLink = "<H4><A HREF=\"http://h.com/d/page.html\">http://h.com/d/page.html</A></H4>\r\n";

struct InjectTest : ::testing::Test, ManagerFixture {
    InjectTest() {
        settings.Inject.Backup = false;
        settings.Inject.BaseHREF = true;
    }
    bool Inject(const std::string& file, const std::string& title = "") {
        return InjectURL(file, kURL, title, {settings, messages, files, clock});
    }
};

TEST_F(InjectTest, BaseTagAfterTheHeadAndLinkAfterTheBodyTagOfLFOrCRLFPages) {
    for (const std::string& end : {std::string("\n"), std::string("\r\n")}) {
        const std::string page = folder.Path("page.htm");
        WriteFile(page, "<html><HEAD><title>T</title>" + end + "<BODY background=\"b.gif\">Hello" + end +
                            "<p>more <body> again" + end + "last");
        EXPECT_TRUE(Inject(page));
        EXPECT_EQ(kComment + "<html><HEAD>\r\n<BASE HREF=\"http://h.com/d/page.html\">\r\n<title>T</title>\r\n" +
                      " <BODY background=\"b.gif\">\r\n" + kLink + "Hello\r\n<p>more <body> again\r\nlast\r\n",
                  ReadFile(page));
        EXPECT_EQ((std::vector<std::string>{"page.htm"}), folder.Names());
    }
    EXPECT_TRUE(Texts().empty());
}

TEST_F(InjectTest, CleanBodyAndABodyTagOverTwoLines) {
    const std::string page = folder.Path("page.html");
    const std::string original = "<body\nbgcolor=red\ntext=blue>Hi\n";
    WriteFile(page, original);
    settings.Inject.BaseHREF = true;  // no "<head>": no BASE line and no message
    EXPECT_TRUE(Inject(page));
    EXPECT_EQ(kComment + "<body bgcolor=red text=blue>\r\n" + kLink + "Hi\r\n", ReadFile(page));

    WriteFile(page, "x<body bgcolor=red\n>Hi\n");
    settings.Inject.CleanBody = true;
    EXPECT_TRUE(Inject(page));
    EXPECT_EQ(kComment + "x\r\n<BODY>\r\n" + kLink + "Hi\r\n", ReadFile(page));
    EXPECT_TRUE(Texts().empty());
}

TEST_F(InjectTest, OtherFilesGetOnlyTheCommentAndAnUnclosedBodyTagIsKept) {
    const std::string text = folder.Path("notes.shtml");
    WriteFile(text, "<head><body>\nline\n");
    EXPECT_TRUE(Inject(text));
    EXPECT_EQ(kComment + "<head><body>\r\nline\r\n", ReadFile(text));

    const std::string page = folder.Path("cut.htm");
    WriteFile(page, "<p>text\n<body bgcolor=red");
    EXPECT_TRUE(Inject(page));
    EXPECT_EQ(kComment + "<p>text\r\n<body bgcolor=red\r\n", ReadFile(page));
}

TEST_F(InjectTest, NamingByTitleTakesTheNextFreeNameAndKeepsTheSourceOnlyWithBackup) {
    settings.Inject.AsTitle = true;
    const std::string page = folder.Path("saved.htm");
    const std::string html = "<html><head><TITLE>My\nPage!</title></head><body>x</body>\n";
    WriteFile(page, html);
    EXPECT_TRUE(Inject(page));  // the title comes from the file
    EXPECT_EQ((std::vector<std::string>{"mypage.htm"}), folder.Names());

    WriteFile(page, html);
    EXPECT_TRUE(Inject(page, "My Page!"));
    WriteFile(page, html);
    EXPECT_TRUE(Inject(page, "My Page!"));
    settings.Inject.Backup = true;
    WriteFile(page, html);
    EXPECT_TRUE(Inject(page, "My Page!"));
    EXPECT_EQ((std::vector<std::string>{"my_page.htm", "my_page_1.htm", "my_page_2.htm", "mypage.htm", "saved.htm"}),
              folder.Names());
    EXPECT_EQ(html, ReadFile(page));
    EXPECT_EQ(0u, ReadFile(folder.Path("my_page_2.htm")).find(kComment));

    // A title without one usable character names nothing: the file keeps its name.
    settings.Inject.Backup = false;
    EXPECT_TRUE(Inject(page, "???"));
    EXPECT_EQ(0u, ReadFile(page).find(kComment));
}

TEST_F(InjectTest, BackupKeepsThePreviousContent) {
    settings.Inject.Backup = true;
    const std::string page = folder.Path("page.htm");
    WriteFile(page, "old\n");
    WriteFile(folder.Path("page.bak"), "older\n");
    EXPECT_TRUE(Inject(page));
    EXPECT_EQ("old\n", ReadFile(folder.Path("page.bak")));
    EXPECT_EQ(kComment + "old\r\n", ReadFile(page));
}

TEST_F(InjectTest, FailuresSayWhatHappenedAndNeverLoseThePage) {
    const std::string page = folder.Path("page.htm");
    EXPECT_FALSE(Inject(""));
    EXPECT_FALSE(Inject(page));  // missing: nothing said
    EXPECT_TRUE(Texts().empty());

    WriteFile(page, "<body>\n");
    files.failCreate = [](const std::string& path) { return path.ends_with(".$$$"); };
    EXPECT_FALSE(Inject(page));
    EXPECT_EQ("Could not create temp file:\r" + folder.Path("page.$$$"), Texts().back());
    EXPECT_EQ(common::MessageIcon::Information, messages.shown.back().icon);
    files.failCreate = [](const std::string&) { return false; };

    files.failWriteAfter = 20;  // the disk fills up
    EXPECT_FALSE(Inject(page));
    EXPECT_EQ("<body>\n", ReadFile(page));
    EXPECT_EQ((std::vector<std::string>{"page.htm"}), folder.Names());
    files.failWriteAfter = static_cast<std::size_t>(-1);

    settings.Inject.Backup = true;
    files.failRename = [&](const std::string& from) { return from == page; };
    EXPECT_TRUE(Inject(page));  // the backup failed, the page still gets the new content
    EXPECT_EQ("Could not back up original file to\r" + folder.Path("page.bak"), Texts().back());
    EXPECT_EQ(0u, ReadFile(page).find(kComment));

    files.failRename = [](const std::string& from) { return from.ends_with(".$$$"); };
    WriteFile(page, "<body>\n");
    settings.Inject.Backup = true;
    EXPECT_FALSE(Inject(page));
    EXPECT_EQ("Could not rename new file to\r" + page, Texts().back());
    EXPECT_EQ(0u, ReadFile(folder.Path("page.$$$")).find(kComment));  // the new content is kept
    EXPECT_EQ("<body>\n", ReadFile(folder.Path("page.bak")));

    settings.Inject.AsTitle = true;
    WriteFile(page, "<body>\n");
    EXPECT_FALSE(Inject(page, "Title"));
    EXPECT_EQ("Could not rename new file to\r" + folder.Path("title.htm"), Texts().back());
    EXPECT_EQ("<body>\n", ReadFile(page));
}

TEST_F(InjectTest, SuggestsTheSavedFileOfTheURL) {
    settings.Inject.Path = folder.Folder();
    for (const char* name : {"page.html", "d2.htm", "h_com.html", "a_b-c.php3"}) WriteFile(folder.Path(name), "");
    struct Case {
        const char* url;
        const char* file;
    };
    const Case cases[] = {
        {"http://h.com/d/page.html#top", "page.html"},
        {"http://h.com/d/page?q=1", "page.html"},
        {"http://h.com/d1/d2/", "d2.htm"},        // the last folder; ".html" then ".htm"
        {"http://h.com/", "h_com.html"},          // the host
        {"h.com", "h_com.html"},
        {"ftp://h.com/x/a b-c.php3?x", "a_b-c.php3"},  // the extension is kept
        {"http://h.com/missing.html", nullptr},
        {"http://h.com/_.html", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url);
        const auto suggested = SuggestInjectFile(c.url, settings, files);
        if (c.file) {
            EXPECT_EQ(folder.Path(c.file), suggested.value_or("nothing"));
        } else {
            EXPECT_FALSE(suggested.has_value());
        }
    }
    EXPECT_FALSE(SuggestInjectFile("", settings, files).has_value());
    settings.Inject.SuggestFileName = false;
    EXPECT_FALSE(SuggestInjectFile("http://h.com/d/page.html", settings, files).has_value());
}

TEST_F(InjectTest, ReadsTheTitleOverLines) {
    const std::string page = folder.Path("t.htm");
    struct Case {
        const char* html;
        const char* title;
    };
    const Case cases[] = {
        {"<html><TITLE> My Page </Title>", "My Page"},
        {"<title>First\r\nSecond\r\n</TITLE>", "First Second"},
        {"x\n<title>never ends\nat all", "never ends at all"},
        {"<p>no title", ""},
    };
    for (const Case& c : cases) {
        WriteFile(page, c.html);
        EXPECT_EQ(c.title, ReadHTMLTitle(files, page));
    }
    EXPECT_EQ("", ReadHTMLTitle(files, folder.Path("missing.htm")));
}

TEST_F(InjectTest, TheCommandChecksTheFieldsStoresTheOptionsAndRemovesTheBookmarkOnlyWhenDone) {
    InjectRequest request;
    request.File = folder.Path("Page.HTM");
    EXPECT_EQ(InjectField::URL, CheckInjectRequest(request, settings, files, messages));
    EXPECT_EQ(folder.Path("page.htm"), request.File);
    request.URL = kURL;
    EXPECT_EQ(InjectField::File, CheckInjectRequest(request, settings, files, messages));
    request.File = "";
    EXPECT_EQ(InjectField::File, CheckInjectRequest(request, settings, files, messages));
    EXPECT_EQ((std::vector<std::string>{
                  "The URL field is blank. Please enter an URL, or click Close to dismiss this dialog box.",
                  "The specified file does not exist, or the file name field is blank. Please enter correct file name, "
                  "or click Close to dismiss this dialog box.",
                  "The specified file does not exist, or the file name field is blank. Please enter correct file name, "
                  "or click Close to dismiss this dialog box."}),
              Texts());

    request.File = folder.Path("page.htm");
    WriteFile(request.File, "<body>\n");
    EXPECT_EQ(InjectField::None, CheckInjectRequest(request, settings, files, messages));
    manager.AddBookmark(kURL, "", 1);
    rows.Select({0});
    settings.Options.ConfirmRemove = false;
    request.Backup = false;
    request.CleanBody = true;
    files.failCreate = [](const std::string&) { return true; };
    EXPECT_FALSE(RunInjectCommand(request, true, settings, {settings, messages, files, clock}, manager));
    EXPECT_EQ(1, manager.URLList().Count());  // not stamped: kept
    files.failCreate = [](const std::string&) { return false; };
    EXPECT_TRUE(RunInjectCommand(request, true, settings, {settings, messages, files, clock}, manager));
    EXPECT_EQ(0, manager.URLList().Count());
    EXPECT_TRUE(settings.Inject.CleanBody);
    EXPECT_FALSE(settings.Inject.Backup);
    EXPECT_EQ(folder.Folder(), settings.Inject.Path);
    EXPECT_EQ(kComment + "<BODY>\r\n" + kLink + "\r\n", ReadFile(request.File));
}

}  // namespace
}  // namespace brantlow

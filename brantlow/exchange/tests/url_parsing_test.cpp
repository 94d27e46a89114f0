// The URL and anchor parsers, link resolution, list splitting and names made from text.
#include <gtest/gtest.h>

#include "brantlow/exchange/safe_names.h"
#include "brantlow/exchange/url_parsing.h"
#include "brantlow/exchange/url_set.h"

namespace brantlow {
namespace {

TEST(ParseURL, SplitsSchemeHostPathFileAnchorAndQuery) {
    struct Case {
        const char* url;
        int index;
        const char* scheme;
        const char* host;
        const char* path;
        const char* file;
        const char* anchor;
        const char* query;
    };
    const Case cases[] = {
        {"http://www.x.com/a/b/page.html?q=1", 4, "http://", "www.x.com", "/a/b", "page.html", "", "?q=1"},
        {"HTTPS://x.com/a/#top?no", 5, "https://", "x.com", "/a", "", "#top?no", ""},
        {"ftp://x.com/file.zip", 2, "ftp://", "x.com", "/", "file.zip", "", ""},
        {"http://x.com", 4, "http://", "x.com", "/", "", "", ""},
        {"http://x.com/", 4, "http://", "x.com", "/", "", "", ""},
        {"mailto:someone@x.com", 6, "mailto:", "someone@x.com", "/", "", "", ""},
        {"javascript:go('/a/b')", 0, "", "go('", "/a", "b')", "", ""},
        {"", 0, "", "", "/", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url);
        const TURLRec rec = ParseURL(c.url);
        EXPECT_EQ(c.index, rec.SchemeIndex);
        EXPECT_EQ(c.scheme, rec.Scheme);
        EXPECT_EQ(c.host, rec.Host);
        EXPECT_EQ(c.path, rec.Path);
        EXPECT_EQ(c.file, rec.FileName);
        EXPECT_EQ(c.anchor, rec.Anchor);
        EXPECT_EQ(c.query, rec.Query);
        EXPECT_EQ("", rec.SafeName);
    }
}

TEST(ParseAnchor, ReadsQuotedHrefAndTextInAnyLetterCase) {
    struct Case {
        const char* html;
        const char* href;
        const char* text;
    };
    const Case cases[] = {
        {"<a href=\"x.html\">Some <B>Text</B></a>", "x.html", "Some <B>Text</B>"},
        {"junk <A HREF=\"http://Y/\" target=_top>Why</A> more", "http://Y/", "Why"},
        {"<a href=x.html>unquoted</a>", "", ""},
        {"<a name=\"n\">no link</a>", "", ""},
        {"<a href=\"open", "open", ""},
        {"<a href=\"x\" no end", "x", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.html);
        const TAnchorRec anchor = ParseAnchor(c.html);
        EXPECT_EQ(c.href, anchor.Href);
        EXPECT_EQ(c.text, anchor.Text);
    }
}

TEST(ResolveURL, MakesLinksOfWebPagesAbsolute) {
    struct Case {
        const char* base;
        const char* href;
        const char* resolved;
    };
    const Case cases[] = {
        {"http://h.com/d1/d2/page.html", "../x.html", "http://h.com/d1/x.html"},
        {"http://h.com/d1/d2/page.html", "../../../../x.html", "http://h.com/x.html"},
        {"http://h.com/d1/d2/page.html", "./x.html", "http://h.com/d1/d2/x.html"},
        {"http://h.com/d1/d2/page.html", "x.html", "http://h.com/d1/d2/x.html"},
        // A leading "/" is taken relative to the base's folder, not to the host.
        {"http://h.com/d1/page.html", "/x.html", "http://h.com/d1/x.html"},
        {"HTTP://h.com", "x.html", "http://h.com/x.html"},
        {"ftp://h.com/pub/", "f.zip", "ftp://h.com/pub/f.zip"},
        {"http://h.com/d/", "mailto:a@b", "mailto:a@b"},
        {"http://h.com/d/", "HTTP://other/", "HTTP://other/"},
        {"file:///c:/d/page.html", "x.html", "x.html"},
        {"", "x.html", "x.html"},
        {"http://h.com/d/p.html", "", "http://h.com/d/p.html"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.base) + " + " + c.href);
        EXPECT_EQ(c.resolved, ResolveURL(c.base, c.href));
    }
}

TEST(SplitList, ReadsItemsBetweenDelimitersBlanksAndQuotes) {
    using List = std::vector<std::string>;
    EXPECT_EQ((List{".htm", ".html", ".zip"}), SplitList(" .htm;.html ; .zip ", ';'));
    EXPECT_EQ((List{"a", "b", "c"}), SplitList("a b;c", ';'));
    EXPECT_EQ((List{"one; two", "say \"hi\"", "x"}), SplitList("\"one; two\";\"say \"\"hi\"\"\";x", ';'));
    EXPECT_EQ((List{"a", "", "b"}), SplitList("a;;b", ';'));
    EXPECT_EQ((List{"open"}), SplitList("\"open", ';'));
    EXPECT_EQ(List{}, SplitList(" \t\r\n", ';'));
}

TEST(FileNameFromText, ReplacesCollapsesTrimsAndCuts) {
    const std::string chars = "_abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-()";
    EXPECT_EQ("My_Page", FileNameFromText("My Page!", 70, chars));
    EXPECT_EQ("a_b", FileNameFromText("__a  ..__b__", 70, chars));
    EXPECT_EQ("", FileNameFromText("!!! ???", 70, chars));
    EXPECT_EQ("abc", FileNameFromText("abcdef", 3, chars));
    EXPECT_EQ("ab_", FileNameFromText("ab cd", 3, chars));  // cut after collapsing and trimming
    EXPECT_EQ("ab", FileNameFromText("ab !!!", 3, chars));
}

TEST(URLSet, FindsEveryInsertedURLExactlyAsItGrows) {
    std::vector<std::string> urls;
    for (int i = 0; i < 5000; ++i) urls.push_back("http://h.com/" + std::to_string(i));
    URLSet set;
    for (const std::string& url : urls) {
        EXPECT_FALSE(set.Contains(url));
        set.Insert(url);
        set.Insert(url);
    }
    for (const std::string& url : urls) EXPECT_TRUE(set.Contains(url));
    EXPECT_FALSE(set.Contains("HTTP://h.com/1"));  // exact, as the list compares
    EXPECT_FALSE(set.Contains("http://h.com/5000"));
}

}  // namespace
}  // namespace brantlow

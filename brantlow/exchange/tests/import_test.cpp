// Import of URLs from HTML, text and shortcut files: anchors with their base address, the
// acceptance rules, the messages, and the settings restored on every way out.
#include <gtest/gtest.h>

#include "brantlow/core/url_info.h"
#include "brantlow/exchange/import.h"
#include "brantlow/exchange/import_options.h"
#include "brantlow/tests/fakes.h"

namespace brantlow {
namespace {

using testing::ManagerFixture;
using testing::WriteFile;

class RecordingPanel final : public DescriptionPanel {
public:
    std::string text = "panel text";
    std::vector<std::string> shown;
    std::string Text() const override { return text; }
    void Show(const std::string& value) override {
        text = value;
        shown.push_back(value);
    }
};

struct ImportTest : ::testing::Test, ManagerFixture {
    ImportTest() {
        settings.Options.AutoSave = false;
        choices.Schemes = {"ftp://", "http://", "https://", "mailto:"};
    }
    int Import() { return ImportFromFiles(choices, {settings, manager, rows, window, panel, messages, files, clock}); }
    [[nodiscard]] std::vector<std::pair<std::string, std::string>> Added() {
        std::vector<std::pair<std::string, std::string>> added;
        for (int i = 0; i < manager.URLList().Count(); ++i)
            added.emplace_back(manager.URLList().Items(i)->URL, manager.URLList().Items(i)->Description);
        return added;
    }
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    RecordingPanel panel;
    ImportChoices choices;
};

TEST_F(ImportTest, HTMLAnchorsAreResolvedAgainstTheBaseOnTheSameLineAndFoundAcrossLines) {
    const std::string page = folder.Path("Page.HTM");
    WriteFile(page,
              "<html><head><BASE HREF=\"http://h.com/d1/d2/index.html\"></head><body><a href=\"../up.html\">Up</a> "
              "<A HREF=\"/here.html\"><b>Here</b></A>\r\n"
              "<p>An <a href=\"http://other.org/x/\">anchor\n"
              "split</a> and <a href=\"mailto:me@h.com\">Mail</a><a href=noquote.html>skipped</a>\r"
              "<a href=\"gopher://no.scheme/\">unchecked</a><a href=\"mailto:me@h.com\">Again</a>"
              "<a href=\"rel/no%20end.html\">never closed\n");
    choices.Files = {page};
    EXPECT_EQ(4, Import());
    EXPECT_EQ((Pairs{{"http://h.com/d1/up.html", "Up"},
                     {"http://h.com/d1/d2/here.html", "<b>Here</b>"},
                     {"http://other.org/x/", "anchor split"},
                     {"mailto:me@h.com", "Mail"}}),
              Added());
    EXPECT_EQ((std::vector<std::string>{"Number of URLs added: 4"}), Texts());
    EXPECT_FALSE(manager.Saved());
    EXPECT_EQ("Reading: " + folder.Path("page.htm"), panel.shown.at(0));
}

TEST_F(ImportTest, BaseResolutionIsOffWithoutTheOptionAndAfterAnUnterminatedBaseTag) {
    const std::string page = folder.Path("a.html");
    WriteFile(page, "<base href=\"http://h.com/d/\"><a href=\"x.html\">X</a>\n");
    const std::string broken = folder.Path("b.html");
    WriteFile(broken, "<base href=\"http://h.com/d/\n<a href=\"y.html\">Y</a>\n");
    choices.Schemes = {"http://", "x.html", "y.html"};  // relative links pass only through such a "scheme"
    choices.Files = {broken, page};
    choices.Options.BaseHREF = false;
    EXPECT_EQ(2, Import());
    EXPECT_EQ((Pairs{{"y.html", "Y"}, {"x.html", "X"}}), Added());

    choices.Options.BaseHREF = true;
    EXPECT_EQ(1, Import());  // "y.html" again is a duplicate
    EXPECT_EQ((Pairs{{"y.html", "Y"}, {"x.html", "X"}, {"http://h.com/d/x.html", "X"}}), Added());
}

TEST_F(ImportTest, AcceptanceFollowsSchemesExtensionsDomainsAndDuplicates) {
    struct Case {
        const char* url;
        bool allFiles, domains, accepted;
    };
    const Case cases[] = {
        {"http://h.com/pack.ZIP", false, false, true},   // extensions compare lower-cased
        {"http://h.com/page.html", false, true, false},  // not in the list
        {"http://h.com/noext", false, true, false},
        {"http://h.com/page.html", true, false, true},
        {"http://h.com/dir/", false, true, true},
        {"http://h.com/dir/", true, false, false},  // a path ending in "/" needs Domains
        {"ftp://h.com", false, false, false},
        {"MAILTO:me@h.com", false, false, true},  // no file name and not a web scheme
        {"news:comp.lang", false, false, false},  // scheme not checked
        {"http://dup.com/", true, true, false},   // already in the list
    };
    manager.AddBookmark("http://dup.com/", "", 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url);
        ImportRules rules{{"http://", "ftp://", "mailto:"}, {".zip", ".exe"}, c.allFiles, c.domains};
        EXPECT_EQ(c.accepted, AcceptImportedURL(c.url, rules, manager));
    }
    settings.Options.NoDuplicates = false;
    EXPECT_TRUE(AcceptImportedURL("http://dup.com/", {{"http://"}, {}, true, true}, manager));
}

TEST_F(ImportTest, TextFilesGoThroughTheRecogniserAndShortcutsAreNamedAfterTheirFile) {
    const std::string text = folder.Path("notes.txt");
    WriteFile(text, "see http://a.com/one.html and\r\nwww.b.com/two.zip or ftp://c.com/three.exe\r\n");
    const std::string shortcut = folder.Path("My Site.url");
    WriteFile(shortcut, "[InternetShortcut]\r\nURL=http://site.com/\r\n");
    choices.Files = {text, shortcut};
    choices.Options.Desc = false;
    choices.Options.Fuzzy = true;
    EXPECT_EQ(4, Import());
    // The recogniser takes the URLs of known schemes before the fuzzy ones of a line.
    EXPECT_EQ((Pairs{{"http://a.com/one.html", ""},
                     {"ftp://c.com/three.exe", ""},
                     {"http://www.b.com/two.zip", ""},
                     {"http://site.com/", "My Site"}}),
              Added());
}

TEST_F(ImportTest, NothingFoundKeepsTheSavedStateAndNoCheckedSchemeFindsNothing) {
    const std::string page = folder.Path("a.htm");
    WriteFile(page, "<a href=\"http://h.com/\">H</a>");
    choices.Files = {page};
    choices.Schemes.clear();
    EXPECT_EQ(0, Import());
    EXPECT_EQ((std::vector<std::string>{"Did not find any URLs in the selected files."}), Texts());
    EXPECT_TRUE(manager.Saved());
    EXPECT_EQ(0, manager.URLList().Count());
}

TEST_F(ImportTest, AnUnreadableFileEndsTheRunAndRestoresEverything) {
    const std::vector<std::string> schemes = settings.Schemes;
    settings.Options.ClipHash = true;
    settings.Options.ClipCGI = false;
    choices.Options.ClipHash = false;
    choices.Options.ClipCGI = true;
    const std::string good = folder.Path("good.htm");
    WriteFile(good, "<a href=\"http://h.com/a#frag\">A</a>");
    choices.Files = {good, folder.Path("missing.htm"), good};
    EXPECT_EQ(1, Import());
    ASSERT_EQ(1u, Texts().size());
    EXPECT_EQ(0u, Texts()[0].find("I/O error "));
    EXPECT_NE(std::string::npos, Texts()[0].find(folder.Path("missing.htm")));
    EXPECT_EQ((Pairs{{"http://h.com/a#frag", "A"}}), Added());  // kept, and to be saved
    EXPECT_FALSE(manager.Saved());
    EXPECT_EQ(schemes, settings.Schemes);
    EXPECT_TRUE(settings.Options.ClipHash);
    EXPECT_FALSE(settings.Options.ClipCGI);
    EXPECT_EQ(0, rows.locks);
    EXPECT_FALSE(window.busy);
    EXPECT_EQ("panel text", panel.text);
}

TEST_F(ImportTest, ImportNowStoresTheChoicesAndTheChosenExtensionSet) {
    ExtensionSets sets;
    sets.SetUserDefined(settings.Import.Extensions);
    ImportDialogState state;
    EXPECT_FALSE(AcceptImportDialog(state, sets, settings, messages).has_value());
    EXPECT_EQ("Please click \"Add files\" first to add one or more files to the list, or click \"Close\" to dismiss "
              "this dialog box.",
              Texts().back());

    state.Files = {"a.htm"};
    state.CheckedSchemes = {"http://"};
    state.Options.Extensions = ".HTM;.Zip";
    state.Options.Fuzzy = true;
    state.ChosenSet = 3;
    state.AllSchemes = true;
    const auto accepted = AcceptImportDialog(state, sets, settings, messages);
    ASSERT_TRUE(accepted.has_value());
    EXPECT_EQ(".htm;.zip", sets.List(3));
    EXPECT_EQ(".htm;.zip", settings.Import.Extensions);
    EXPECT_EQ(3, settings.Import.FileTypes);
    EXPECT_TRUE(settings.Import.Fuzzy && settings.Import.AllSchemes);
    EXPECT_EQ(state.Files, accepted->Files);
    EXPECT_EQ(".htm;.zip", accepted->Options.Extensions);

    state.ChosenSet = -1;  // no set chosen: no slot changes
    state.Options.Extensions = ".gif";
    ASSERT_TRUE(AcceptImportDialog(state, sets, settings, messages).has_value());
    EXPECT_EQ(-1, settings.Import.FileTypes);
    EXPECT_EQ(".htm;.html;.exe;.zip;.txt", sets.List(0));
    EXPECT_EQ(".gif", settings.Import.Extensions);
    sets.Store(0, ".x");
    sets.RestoreUserDefined();
    EXPECT_EQ(".htm;.html;.exe;.zip;.txt", sets.List(0));
    EXPECT_EQ(".wav;.snd;.mp3", sets.List(5));
}

TEST(HTMLAnchorReader, AnUnclosedAnchorIsCarriedWithoutRescanningIt) {
    std::vector<std::string> found;
    HTMLAnchorReader reader(true, [&](const std::string& url, const std::string& text) { found.push_back(url + "|" + text); });
    reader.Line("<base href=\"http://h.com/d/");
    reader.Line("\"><a href=\"a.html\">one");  // the base tag did not end on its line
    for (int i = 0; i < 20000; ++i) reader.Line("more text of the same anchor");
    reader.Line("</A><a href=\"b.html\">two</a>");
    ASSERT_EQ(2u, found.size());
    EXPECT_EQ("a.html|one", found[0].substr(0, 10));
    EXPECT_EQ("b.html|two", found[1]);
}

}  // namespace
}  // namespace brantlow

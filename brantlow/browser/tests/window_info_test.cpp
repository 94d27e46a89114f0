// The browsers' reply to "WWW_GetWindowInfo": the address and title taken from it, the
// error reply, and the service name of a browser program.
#include <gtest/gtest.h>

#include "brantlow/browser/window_info.h"
#include "common/testing/scripted_message_box.h"

namespace brantlow {
namespace {

TEST(WindowInfoReply, AddressAndTitleAreTakenFromTheQuotedFields) {
    const std::string far(300, 'x');
    const std::string limit(254, 'y');
    struct Case {
        std::string reply, url, title;
    } cases[] = {
        {R"("http://a.example/","Page [Home]")", "http://a.example/", "Home"},
        {R"("http://a.example/","Plain title","FFFFFFFF")", "http://a.example/", "Plain title"},
        {R"("http://a.example/")", "http://a.example/", ""},            // no comma-and-quote pair
        {R"("http://a.example/" , "spaced")", "http://a.example/", ""},  // the pair must be adjacent
        {R"("http://a.example/,"Title")", "http://a.example/,", "Title"},
        {R"("http://a.example/","Open [bracket")", "http://a.example/", ""},
        {R"("http://a.example/","[] empty")", "http://a.example/", ""},
        {R"("unterminated)", "", ""},
        {"\"" + far + "\",\"T\"", "", "T"},                       // closing quote too far away
        {"\"" + limit + "\",\"T\"", limit, "T"},   // the closing quote is the 255th character after
        {"\"" + limit + "z\",\"T\"", "", "T"},     // ... and the 256th is not searched
        {R"("u","A [B] [C]")", "u", "B"},
        {"\"u\",\"" + far + "\"", "u", ""},                      // title's closing quote too far away
        {"", "", ""},
    };
    for (const Case& c : cases) {
        const BrowserPage page = ParseWindowInfoReply(c.reply);
        EXPECT_EQ(c.url, page.url) << c.reply;
        EXPECT_EQ(c.title, page.title) << c.reply;
    }
}

TEST(WindowInfoReply, AnErrorReplyShowsItsFirstFourBytesAndGivesNothing) {
    EXPECT_EQ("Error ff1ab0", ErrorReplyText(std::string("\xFF\x01\xAB\x00\x42", 5)));
    EXPECT_EQ("Error ff000", ErrorReplyText("\xFF"));

    common::testing::ScriptedMessageBox messages;
    EXPECT_FALSE(InterpretWindowInfoReply(std::string("\xFF\x12\x34\x56"), messages));
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ("Error ff123456", messages.shown[0].text);
    EXPECT_EQ(common::MessageIcon::Error, messages.shown[0].icon);
}

TEST(WindowInfoReply, NoReplyOrAnEmptyTextGivesNothingWithoutABox) {
    common::testing::ScriptedMessageBox messages;
    EXPECT_FALSE(InterpretWindowInfoReply(std::nullopt, messages));
    EXPECT_FALSE(InterpretWindowInfoReply(std::string(), messages));
    EXPECT_FALSE(InterpretWindowInfoReply(std::string("\0\"x\"", 4), messages));
    EXPECT_TRUE(messages.shown.empty());

    // The text ends at its terminating zero.
    const auto page = InterpretWindowInfoReply(std::string("\"http://z.example/\",\"Z\"\0\"junk\"", 31), messages);
    ASSERT_TRUE(page);
    EXPECT_EQ("http://z.example/", page->url);
    EXPECT_EQ("Z", page->title);
}

TEST(WindowInfoReply, TheServiceIsTheProgramsFileNameUpToItsFirstDot) {
    const std::pair<std::string, std::string> cases[] = {
        {"netscape", "netscape"},
        {"iexplore", "iexplore"},
        {"C:\\Program Files\\Netscape\\netscape.exe", "netscape"},
        {"c:iexplore.exe", "iexplore"},
        {"d:\\web.dir\\browser.v2.exe", "browser"},
        {"", ""},
    };
    for (const auto& [application, service] : cases) EXPECT_EQ(service, ServiceNameOf(application)) << application;
}

}  // namespace
}  // namespace brantlow

#include "platform/clipboard.h"

#include <gtest/gtest.h>

namespace {

TEST(Clipboard, TextRoundTripsAndOtherContentReadsAsNoText) {
    ASSERT_TRUE(platform::WriteClipboardText(nullptr, "http://example.com/a?b=c\r\nsecond line \xE9"));
    EXPECT_EQ("http://example.com/a?b=c\r\nsecond line \xE9", platform::ReadClipboardText(nullptr).value_or("?"));

    ASSERT_TRUE(platform::WriteClipboardText(nullptr, ""));
    EXPECT_EQ("", platform::ReadClipboardText(nullptr).value_or("?"));

    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
    EXPECT_FALSE(platform::ReadClipboardText(nullptr));
}

}  // namespace

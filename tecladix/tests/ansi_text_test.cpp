// The texts reach Windows and the data files as Windows-1252 bytes.
#include <gtest/gtest.h>

#include "tecladix/core/portuguese_date.h"
#include "tecladix/core/texts.h"

namespace tecladix {
namespace {

TEST(AnsiText, PortugueseLettersAreSingleWindows1252Bytes) {
    constexpr AnsiText text = "ç ã é ú º";
    EXPECT_EQ(std::string("\xe7 \xe3 \xe9 \xfa \xba"), text.str());
    EXPECT_EQ(std::string("Usu\xe1rio: "), texts::kCaptionStudent.str());
    EXPECT_EQ(12u, texts::kProductTitle.size());
}

TEST(PortugueseDate, AccessLogLineIsPortugueseWhateverTheLocale) {
    const LocalDateTime friday{2001, 3, 9, 5, 14, 5, 9};
    EXPECT_EQ("FULANO - sexta-feira, 09 de mar\xe7o de 2001 - 14:05:09", AccessLogLine("FULANO", friday));
    const LocalDateTime saturday{2024, 12, 28, 6, 0, 0, 0};
    EXPECT_EQ("s\xe1" "bado, 28 de dezembro de 2024", FormatLongDate(saturday));
    const LocalDateTime tuesday{2024, 1, 2, 2, 23, 59, 7};
    EXPECT_EQ("ter\xe7" "a-feira, 02 de janeiro de 2024", FormatLongDate(tuesday));
    EXPECT_EQ("23:59:07", FormatClockTime(tuesday));
}

}  // namespace
}  // namespace tecladix

#pragma once
// Dates and times as the tutor writes them: the long date "sexta-feira, 09 de março de 2001"
// (pattern dddd, dd 'de' mmmm 'de' yyyy) in Portuguese whatever the machine's regional
// settings, and the time "14:05:09".
#include <string>

namespace tecladix {

struct LocalDateTime {
    int year = 2001, month = 1, day = 1;  // month 1..12
    int weekday = 1;                      // 0 = Sunday
    int hour = 0, minute = 0, second = 0;
};

[[nodiscard]] LocalDateTime CurrentLocalDateTime();
[[nodiscard]] std::string FormatLongDate(const LocalDateTime& when);
[[nodiscard]] std::string FormatClockTime(const LocalDateTime& when);

// One line of Alteracoes.txt: "NAME - long date - time".
[[nodiscard]] std::string AccessLogLine(const std::string& administrator, const LocalDateTime& when);

}  // namespace tecladix

#include "tecladix/core/portuguese_date.h"

#include <array>
#include <ctime>
#include <string_view>

#include "tecladix/core/ansi_text.h"

namespace tecladix {
namespace {

constexpr std::array<AnsiText<14>, 7> kWeekdays = {
    "domingo", "segunda-feira", "terça-feira", "quarta-feira", "quinta-feira", "sexta-feira", "sábado",
};
constexpr std::array<AnsiText<10>, 12> kMonths = {
    "janeiro", "fevereiro", "março", "abril", "maio", "junho",
    "julho", "agosto", "setembro", "outubro", "novembro", "dezembro",
};

std::string TwoDigits(int value) {
    const int v = value < 0 ? 0 : value % 100;
    return {static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)};
}

template <typename Table>
std::string Name(const Table& table, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) return {};
    return table[static_cast<std::size_t>(index)].str();
}

}  // namespace

LocalDateTime CurrentLocalDateTime() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);  // the tutor has one thread
    if (!local) return {};
    return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, local->tm_wday,
            local->tm_hour,        local->tm_min,     local->tm_sec};
}

std::string FormatLongDate(const LocalDateTime& when) {
    std::string year = std::to_string(when.year);
    if (year.size() < 4) year.insert(0, 4 - year.size(), '0');
    return Name(kWeekdays, when.weekday) + ", " + TwoDigits(when.day) + " de " + Name(kMonths, when.month - 1) +
           " de " + year;
}

std::string FormatClockTime(const LocalDateTime& when) {
    return TwoDigits(when.hour) + ":" + TwoDigits(when.minute) + ":" + TwoDigits(when.second);
}

std::string AccessLogLine(const std::string& administrator, const LocalDateTime& when) {
    return administrator + " - " + FormatLongDate(when) + " - " + FormatClockTime(when);
}

}  // namespace tecladix

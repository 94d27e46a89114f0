#pragma once
// Tempo.txt: allowed minutes and allowed errors of each module, and the values the limit
// fields offer.
#include <array>
#include <string>

#include "tecladix/core/line_file.h"

namespace tecladix {

inline constexpr std::array<const char*, 16> kOfferedMinutes = {
    "1", "2", "3", "4", "5", "10", "15", "20", "25", "30", "35", "40", "45", "50", "55", "60"};
inline constexpr std::array<const char*, 16> kOfferedErrors = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "15", "20", "25", "30", "35", "40"};

// Line `line` of the limits, or `fallback` when the file was short or unreadable.
[[nodiscard]] inline std::string LimitOr(const Lines& limits, int line, const std::string& fallback) {
    return line >= 0 && static_cast<std::size_t>(line) < limits.size() ? limits[static_cast<std::size_t>(line)]
                                                                          : fallback;
}

}  // namespace tecladix

#include "install/archive/file_stats.h"

#include <cmath>
#include <cstdint>

namespace install {

std::int32_t Percentage(double part, double whole) {
    if (whole == 0) return 0;
    const double value = std::nearbyint(100.0 * part / whole);
    if (!(value > -2147483648.0)) return INT32_MIN;
    if (!(value < 2147483647.0)) return INT32_MAX;
    return static_cast<std::int32_t>(value);
}

std::uint8_t PercentByte(double part, double whole) {
    const std::int32_t value = Percentage(part, whole);
    return static_cast<std::uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
}

}  // namespace install

#pragma once
// The URL list's font and colours as the system wants them, from the stored settings.
#include <windows.h>

#include <cstdint>

#include "brantlow/core/settings.h"

namespace brantlow {

// A negative colour names a system colour by its index in the low byte.
[[nodiscard]] COLORREF ToColorRef(std::int32_t colour);

// The list font as the system describes it, in screen pixels.
[[nodiscard]] LOGFONTA ListLogFont(const TFontProperties& font);

}  // namespace brantlow

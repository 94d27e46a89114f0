#pragma once
// The rules of the options dialog that need no window: what its fields become when they
// are stored, the description-length correction, and the text of the font sample.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "brantlow/core/settings.h"

namespace brantlow {

// Valid file-name characters always include "_", put in front when missing.
[[nodiscard]] std::string StoredFileNameChars(std::string_view typed);
// URL delimiters never hold the first "#" or the first "?": both belong to URLs.
[[nodiscard]] std::string StoredURLDelimiters(std::string_view typed);

// The ranges of the number fields.
inline constexpr int kMinDescMinLen = 1, kMaxDescMinLen = 250;
inline constexpr int kMinDescMaxLen = 10, kMaxDescMaxLen = 255;
inline constexpr int kMinMRUCount = 1, kMaxMRUCount = 9;

// A number typed into a field with a range: out-of-range values go to the nearest end, and
// text that is no number keeps `fallback`.
[[nodiscard]] int NumberInRange(std::string_view typed, int low, int high, int fallback);

// When the minimum description length reaches the maximum, the maximum that corrects it.
[[nodiscard]] std::optional<int> CorrectedMaxDescLen(int minLen, int maxLen);
inline constexpr const char* kDescLengthCorrected =
    "You have set the minimum description length larger than the maximum description length. "
    "The maximum length has been increased to correct the error.";

// "Arial 10 pt bolditalic": name, size and the style words run together.
[[nodiscard]] std::string FontSampleText(const TFontProperties& font);

// The list font and background that "R&eset" restores: the settings' own defaults.
struct ListAppearance {
    TFontProperties Font;
    std::int32_t ListColor = 0;
};
[[nodiscard]] ListAppearance FactoryListAppearance();

}  // namespace brantlow

#include "brantlow/options/option_rules.h"

#include <charconv>

#include "brantlow/core/text.h"

namespace brantlow {

std::string StoredFileNameChars(std::string_view typed) {
    std::string chars(typed);
    if (chars.find('_') == std::string::npos) chars.insert(0, "_");
    return chars;
}

std::string StoredURLDelimiters(std::string_view typed) {
    std::string delimiters(typed);
    for (const char c : {'#', '?'})
        if (const std::size_t at = delimiters.find(c); at != std::string::npos) delimiters.erase(at, 1);
    return delimiters;
}

int NumberInRange(std::string_view typed, int low, int high, int fallback) {
    const std::string text = Trim(typed);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || end != text.data() + text.size()) return fallback;
    if (error == std::errc::result_out_of_range) return text.front() == '-' ? low : high;
    if (value < low) return low;
    if (value > high) return high;
    return static_cast<int>(value);
}

std::optional<int> CorrectedMaxDescLen(int minLen, int maxLen) {
    if (minLen < maxLen) return std::nullopt;
    return minLen + 1;
}

std::string FontSampleText(const TFontProperties& font) {
    std::string text = font.FName + " " + std::to_string(font.FSize) + " pt ";
    if (font.Bold) text += "bold";
    if (font.Italic) text += "italic";
    if (font.Underline) text += "underline";
    if (font.StrikeOut) text += "strikeout";
    return text;
}

ListAppearance FactoryListAppearance() {
    const TBrantlowURLOptions defaults;
    return {defaults.Font, defaults.ListColor};
}

}  // namespace brantlow

#pragma once
// Small text helpers of the bookmark manager. Letter case follows the ANSI code page's
// ASCII range only: schemes, extensions and keys are ASCII.
#include <string>
#include <string_view>

namespace brantlow {

[[nodiscard]] char LowerChar(char c);
[[nodiscard]] std::string LowerCase(std::string_view text);
[[nodiscard]] bool SameTextIgnoringCase(std::string_view a, std::string_view b);
// Removes spaces and control characters (code 32 and below) at both ends.
[[nodiscard]] std::string Trim(std::string_view text);
// Replaces the first occurrence of `what`; returns whether there was one.
bool ReplaceFirst(std::string& text, std::string_view what, std::string_view with);
// Replaces every occurrence; inserted text is not searched again.
[[nodiscard]] std::string ReplaceAll(std::string_view text, std::string_view what, std::string_view with);

}  // namespace brantlow

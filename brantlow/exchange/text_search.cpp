#include "brantlow/exchange/text_search.h"

#include "brantlow/core/text.h"

namespace brantlow {

std::size_t FindNoCase(std::string_view text, std::string_view lowerPattern, std::size_t from) {
    if (lowerPattern.empty()) return from <= text.size() ? from : std::string_view::npos;
    if (text.size() < lowerPattern.size()) return std::string_view::npos;
    const char first = lowerPattern[0];
    const char firstUpper = (first >= 'a' && first <= 'z') ? static_cast<char>(first - 'a' + 'A') : first;
    const std::size_t last = text.size() - lowerPattern.size();
    for (std::size_t at = from; at <= last; ++at) {
        if (text[at] != first && text[at] != firstUpper) continue;
        std::size_t i = 1;
        while (i < lowerPattern.size() && LowerChar(text[at + i]) == lowerPattern[i]) ++i;
        if (i == lowerPattern.size()) return at;
    }
    return std::string_view::npos;
}

std::string IOErrorText(const std::string& path, const FileError& error) {
    return "I/O error " + std::to_string(error.code) + ": " + error.text + "\r" + path;
}

FileError ReadFailure() { return {100, "Disk read error"}; }

FileError RenameFailure() { return {5, "Access denied"}; }

}  // namespace brantlow

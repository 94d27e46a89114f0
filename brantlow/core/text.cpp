#include "brantlow/core/text.h"

#include <algorithm>

namespace brantlow {

char LowerChar(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = LowerChar(c);
    return lower;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerChar(x) == LowerChar(y); });
}

std::string Trim(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::size_t first = 0, last = text.size();
    while (first < last && blank(text[first])) ++first;
    while (last > first && blank(text[last - 1])) --last;
    return std::string(text.substr(first, last - first));
}

bool ReplaceFirst(std::string& text, std::string_view what, std::string_view with) {
    const std::size_t at = text.find(what);
    if (at == std::string::npos) return false;
    text.replace(at, what.size(), with);
    return true;
}

std::string ReplaceAll(std::string_view text, std::string_view what, std::string_view with) {
    std::string result;
    result.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(what, from)) != std::string_view::npos; from = at + what.size()) {
        result.append(text.substr(from, at - from));
        result.append(with);
    }
    result.append(text.substr(from));
    return result;
}

}  // namespace brantlow

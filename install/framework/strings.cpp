#include "install/framework/strings.h"

#include <charconv>

namespace install {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
bool IsSeparator(char c) { return c == '\\' || c == '/' || c == ':'; }

std::size_t LastSeparator(std::string_view path) {
    for (std::size_t i = path.size(); i > 0; --i)
        if (IsSeparator(path[i - 1])) return i - 1;
    return std::string_view::npos;
}

}  // namespace

std::string Trim(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

char ToUpperAnsi(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
    // Windows-1252: à..þ except ÷ map to À..Þ; š œ ž ÿ to Š Œ Ž Ÿ.
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);
    switch (u) {
        case 0x9A: return static_cast<char>(0x8A);
        case 0x9C: return static_cast<char>(0x8C);
        case 0x9E: return static_cast<char>(0x8E);
        case 0xFF: return static_cast<char>(0x9F);
        default: return c;
    }
}

std::string UpperCaseAnsi(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = ToUpperAnsi(c);
    return out;
}

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (ToUpperAnsi(a[i]) != ToUpperAnsi(b[i])) return false;
    return true;
}

std::string AddBackslash(std::string_view path) {
    std::string out(path);
    if (!out.empty() && out.back() != '\\') out += '\\';
    return out;
}

std::string StripBackslash(std::string_view path) {
    if (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    return std::string(path);
}

std::string NthField(std::string_view text, int n, char separator) {
    if (n < 1) return {};
    for (int field = 1; field < n; ++field) {
        const std::size_t at = text.find(separator);
        if (at == std::string_view::npos) return {};
        text.remove_prefix(at + 1);
    }
    return std::string(text.substr(0, text.find(separator)));
}

std::string ExtractFileName(std::string_view path) {
    const std::size_t at = LastSeparator(path);
    return std::string(at == std::string_view::npos ? path : path.substr(at + 1));
}

std::string ExtractFilePath(std::string_view path) {
    const std::size_t at = LastSeparator(path);
    return at == std::string_view::npos ? std::string() : std::string(path.substr(0, at + 1));
}

std::string ExtractFileDir(std::string_view path) {
    std::string folder = ExtractFilePath(path);
    // "C:\" and "\" keep their separator: they name a root, not a folder within it.
    if (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/') &&
        folder[folder.size() - 2] != ':')
        folder.pop_back();
    return folder;
}

std::string ExtractFileExt(std::string_view path) {
    const std::string name = ExtractFileName(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string ChangeFileExt(std::string_view path, std::string_view extension) {
    const std::size_t separator = LastSeparator(path);
    const std::size_t dot = path.rfind('.');
    const bool hasExtension =
        dot != std::string_view::npos && (separator == std::string_view::npos || dot > separator);
    std::string out(hasExtension ? path.substr(0, dot) : path);
    out += extension;
    return out;
}

std::string BeforeSemicolon(std::string_view line) {
    return std::string(line.substr(0, line.find(';')));
}

bool TryParseInt(std::string_view text, int& value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

}  // namespace install

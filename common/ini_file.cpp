#include "common/ini_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace common {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && (IsBlank(text.back()) || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

}  // namespace

IniFile IniFile::Parse(std::string_view text) {
    IniFile ini;
    std::vector<Line>* target = &ini.leading_;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        const std::string_view trimmed = TrimBlanks(raw);
        Line line{std::string(raw), {}, {}, {}};
        if (trimmed.starts_with('[')) {
            const std::size_t close = trimmed.find(']');
            ini.sections_.push_back({std::string(TrimBlanks(trimmed.substr(1, close == std::string_view::npos
                                                                                     ? std::string_view::npos
                                                                                     : close - 1))),
                                     {}});
            target = &ini.sections_.back().lines;
            continue;
        }
        if (const std::size_t equals = trimmed.find('='); equals != std::string_view::npos) {
            line.key = std::string(TrimBlanks(trimmed.substr(0, equals)));
            line.value = std::string(TrimBlanks(trimmed.substr(equals + 1)));
        }
        target->push_back(std::move(line));
    }
    return ini;
}

std::string IniFile::Serialize() const {
    std::string text;
    for (const Line& line : leading_) text += line.text + "\r\n";
    for (const Section& section : sections_) {
        text += "[" + section.name + "]\r\n";
        for (const Line& line : section.lines) text += line.text + "\r\n";
    }
    return text;
}

bool IniFile::Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *this = IniFile();
        return false;
    }
    *this = Parse(std::string(std::istreambuf_iterator<char>(in), {}));
    return !in.bad();
}

bool IniFile::Save(const std::string& path) const {
    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        const std::string text = Serialize();
        if (!out || !out.write(text.data(), static_cast<std::streamsize>(text.size())) || !out.flush()) {
            out.close();
            std::remove(temporary.c_str());
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) std::remove(temporary.c_str());
    return !error;
}

const IniFile::Section* IniFile::Find(std::string_view section) const {
    for (const Section& candidate : sections_)
        if (SameName(candidate.name, section)) return &candidate;
    return nullptr;
}

IniFile::Section* IniFile::Find(std::string_view section) {
    return const_cast<Section*>(static_cast<const IniFile*>(this)->Find(section));
}

bool IniFile::SectionExists(std::string_view section) const { return Find(section) != nullptr; }

std::optional<std::string> IniFile::ReadString(std::string_view section, std::string_view key) const {
    const Section* found = Find(section);
    if (!found) return std::nullopt;
    for (const Line& line : found->lines) {
        if (line.key.empty() || !SameName(line.key, key)) continue;
        std::string_view value = line.value;
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return std::string(value.substr(0, kProfileValueMax));
    }
    return std::nullopt;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Section* target = Find(section);
    if (!target) {
        sections_.push_back({std::string(section), {}});
        target = &sections_.back();
    }
    Line line{std::string(key) + "=" + std::string(value), {}, std::string(key), std::string(TrimBlanks(value))};
    for (Line& existing : target->lines) {
        if (!existing.key.empty() && SameName(existing.key, key)) {
            existing = std::move(line);
            return;
        }
    }
    // A new key goes after the section's last key, before any blank lines that follow it.
    auto at = target->lines.end();
    while (at != target->lines.begin() && TrimBlanks(std::prev(at)->text).empty()) --at;
    target->lines.insert(at, std::move(line));
}

bool IniFile::EraseSection(std::string_view section) {
    std::erase_if(sections_, [&](const Section& candidate) { return SameName(candidate.name, section); });
    return true;
}

std::optional<std::int32_t> ParseProfileInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with('$')) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > (base == 16 ? 0xffffffffull : 0x80000000ull)) return std::nullopt;
    }
    if (base == 16) {
        const auto bits = static_cast<std::uint32_t>(value);
        return static_cast<std::int32_t>(negative ? 0u - bits : bits);
    }
    if (!negative && value > 0x7fffffffull) return std::nullopt;
    return negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(value)) : static_cast<std::int32_t>(value);
}

}  // namespace common

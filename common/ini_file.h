#pragma once
// An INI file with the conventions of the Windows profile functions: "[Section]" lines,
// "Key=Value" lines, section and key names compared without regard to letter case, blanks
// around names and values ignored, one pair of enclosing quotes (double or single) removed
// from a value read, and a value read cut to 1023 characters. Lines that are neither
// (comments, blank lines) are kept as they are when the file is written back.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace common {

inline constexpr std::size_t kProfileValueMax = 1023;

class IniFile {
public:
    virtual ~IniFile() = default;

    [[nodiscard]] static IniFile Parse(std::string_view text);
    // Lines end with carriage return and line feed.
    [[nodiscard]] std::string Serialize() const;
    // Reads a file; false when it cannot be read (the contents are then empty).
    [[nodiscard]] bool Load(const std::string& path);
    // Writes through a temporary file beside it, so a failure leaves the old file whole.
    [[nodiscard]] bool Save(const std::string& path) const;

    [[nodiscard]] std::optional<std::string> ReadString(std::string_view section, std::string_view key) const;
    [[nodiscard]] bool SectionExists(std::string_view section) const;
    virtual void WriteString(std::string_view section, std::string_view key, std::string_view value);
    // Removes a section with all its keys; false when that was not possible.
    [[nodiscard]] virtual bool EraseSection(std::string_view section);

private:
    struct Line {
        std::string text;
        std::string section;  // for "[Section]" lines
        std::string key;      // for "Key=Value" lines
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Line> lines;  // the lines after the "[Section]" line
    };
    [[nodiscard]] const Section* Find(std::string_view section) const;
    [[nodiscard]] Section* Find(std::string_view section);

    std::vector<Line> leading_;  // lines before the first section
    std::vector<Section> sections_;
};

// An integer of a profile value: decimal, or hexadecimal after "$", "0x" or "0X", with an
// optional sign; hexadecimal values wrap to 32 bits. Nothing for anything else.
[[nodiscard]] std::optional<std::int32_t> ParseProfileInteger(std::string_view text);

}  // namespace common

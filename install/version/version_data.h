#pragma once
// What the system's version functions tell about a file: the fixed file information and
// the values of the version resource's blocks, asked for by path as VerQueryValue does
// ("\StringFileInfo\040904E4\CompanyName"). The windows build asks the system; every build
// also carries a reader of its own for the version resource of PE files.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace install {

class Stream;

struct FixedFileInfo {
    std::uint32_t fileVersionMS = 0, fileVersionLS = 0;
    std::uint32_t productVersionMS = 0, productVersionLS = 0;
    std::uint32_t fileOS = 0, fileType = 0, fileSubtype = 0;
};

class VersionData {
public:
    virtual ~VersionData() = default;
    [[nodiscard]] virtual std::optional<FixedFileInfo> Fixed() const = 0;
    // A string value (in the ANSI code page); nothing when the block does not exist.
    [[nodiscard]] virtual std::optional<std::string> QueryString(const std::string& subBlock) const = 0;
};

// The version data of a file, or null when it has none or cannot be read.
std::unique_ptr<VersionData> ReadVersionData(const std::string& path);

// The portable reader: the raw version resource of a PE image (the bytes the system's
// GetFileVersionInfo returns), or nothing. Every offset is checked against the image.
std::optional<std::vector<unsigned char>> ExtractVersionResource(Stream& image);
// Version data over a raw version resource; null when its root block is malformed.
std::unique_ptr<VersionData> ParseVersionResource(std::vector<unsigned char> block);
std::unique_ptr<VersionData> ReadVersionDataPortable(const std::string& path);

}  // namespace install

// The version resource of a PE image, read without the system.
//
// Layout followed: the DOS header's e_lfanew (offset 0x3C) leads to "PE\0\0", the COFF
// header (20 bytes) and the optional header, whose data directory 2 gives the resource
// tree's RVA. The tree has three levels (type, name, language) of directories of 16 bytes
// followed by 8-byte entries; type 16 is the version resource, whose data entry gives the
// RVA and size of the VS_VERSIONINFO block. RVAs become file offsets through the section
// table (40 bytes a section).
//
// VS_VERSIONINFO is a tree of blocks: wLength, wValueLength, wType, a UTF-16 key ending in
// 0, padding to 4 bytes, the value (bytes, or UTF-16 characters when wType is 1), padding to
// 4 bytes, then the child blocks up to wLength.
#include <algorithm>
#include <cstring>

#include "install/framework/file_system.h"
#include "install/framework/strings.h"
#include "install/version/version_data.h"

namespace install {

namespace {

constexpr std::uint32_t kVersionResourceType = 16;
constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr std::size_t kMaxVersionBlock = 0x10000;  // wLength is 16 bits
constexpr int kMaxResourceEntries = 4096;

bool ReadAt(Stream& s, std::int64_t offset, void* buffer, std::size_t count) {
    return offset >= 0 && s.Seek(offset) && s.Read(buffer, count) == count;
}

std::uint16_t U16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
std::uint32_t U32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

struct Section {
    std::uint32_t virtualAddress, virtualSize, rawSize, rawOffset;
};

std::optional<std::int64_t> FileOffsetOf(const std::vector<Section>& sections, std::uint32_t rva,
                                         std::uint32_t length) {
    for (const Section& s : sections) {
        const std::uint64_t extent = std::max(s.virtualSize, s.rawSize);
        if (rva >= s.virtualAddress && rva - s.virtualAddress < extent) {
            const std::uint64_t within = rva - s.virtualAddress;
            if (within + length > s.rawSize) return std::nullopt;
            return static_cast<std::int64_t>(s.rawOffset + within);
        }
    }
    return std::nullopt;
}

// One directory of the resource tree: the entry whose id is `id`, or the first one when
// `id` is 0. The result is the entry's offset field (high bit: a subdirectory).
std::optional<std::uint32_t> FindResourceEntry(Stream& image, std::int64_t treeStart,
                                               std::uint32_t directory, std::uint32_t id) {
    unsigned char header[16];
    if (!ReadAt(image, treeStart + directory, header, sizeof header)) return std::nullopt;
    const int count = std::min(U16(header + 12) + U16(header + 14), kMaxResourceEntries);
    std::optional<std::uint32_t> first;
    for (int i = 0; i < count; ++i) {
        unsigned char entry[8];
        if (!ReadAt(image, treeStart + directory + 16 + 8 * static_cast<std::int64_t>(i), entry, 8))
            return std::nullopt;
        const std::uint32_t name = U32(entry), target = U32(entry + 4);
        if (!first) first = target;
        if (id != 0 && name == id) return target;
    }
    return first;
}

char AnsiFromUtf16(std::uint16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
    // Windows-1252 places these characters in 0x80..0x9F.
    static constexpr std::uint16_t kHigh[32] = {
        0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013,
        0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == unit && unit != 0) return static_cast<char>(0x80 + i);
    return '?';
}

struct Block {
    std::size_t start = 0, end = 0;  // [start, end) within the resource
    std::string key;
    std::uint16_t valueLength = 0, type = 0;
    std::size_t valueStart = 0, childrenStart = 0;
};

std::size_t Align4(std::size_t n) { return (n + 3) & ~static_cast<std::size_t>(3); }

std::optional<Block> ParseBlock(const std::vector<unsigned char>& data, std::size_t start,
                                std::size_t limit) {
    if (start + 6 > limit) return std::nullopt;
    Block b;
    b.start = start;
    const std::size_t length = U16(&data[start]);
    if (length < 6 || start + length > limit) return std::nullopt;
    b.end = start + length;
    b.valueLength = U16(&data[start + 2]);
    b.type = U16(&data[start + 4]);
    std::size_t at = start + 6;
    for (;;) {
        if (at + 2 > b.end) return std::nullopt;
        const std::uint16_t unit = U16(&data[at]);
        at += 2;
        if (unit == 0) break;
        b.key += AnsiFromUtf16(unit);
    }
    b.valueStart = std::min(Align4(at), b.end);
    const std::size_t valueBytes = b.type == 1 ? 2u * b.valueLength : b.valueLength;
    b.childrenStart = std::min(Align4(b.valueStart + valueBytes), b.end);
    return b;
}

class PortableVersionData final : public VersionData {
public:
    PortableVersionData(std::vector<unsigned char> data, Block root)
        : data_(std::move(data)), root_(root) {}

    std::optional<FixedFileInfo> Fixed() const override {
        if (root_.valueLength < 52 || root_.valueStart + 52 > root_.end) return std::nullopt;
        const unsigned char* p = &data_[root_.valueStart];
        if (U32(p) != kFixedInfoSignature) return std::nullopt;
        FixedFileInfo info;
        info.fileVersionMS = U32(p + 8);
        info.fileVersionLS = U32(p + 12);
        info.productVersionMS = U32(p + 16);
        info.productVersionLS = U32(p + 20);
        info.fileOS = U32(p + 32);
        info.fileType = U32(p + 36);
        info.fileSubtype = U32(p + 40);
        return info;
    }

    std::optional<std::string> QueryString(const std::string& subBlock) const override {
        Block current = root_;
        std::size_t from = 0;
        int depth = 0;
        while (from < subBlock.size()) {
            while (from < subBlock.size() && subBlock[from] == '\\') ++from;
            if (from >= subBlock.size()) break;
            const std::size_t to = std::min(subBlock.find('\\', from), subBlock.size());
            const std::string key = subBlock.substr(from, to - from);
            from = to;
            if (++depth > 8) return std::nullopt;
            std::optional<Block> found;
            for (std::size_t at = current.childrenStart; at < current.end;) {
                const auto child = ParseBlock(data_, at, current.end);
                if (!child) break;
                if (SameText(child->key, key)) {
                    found = child;
                    break;
                }
                at = Align4(child->end);
            }
            if (!found) return std::nullopt;
            current = *found;
        }
        if (depth == 0) return std::nullopt;
        std::string text;
        const std::size_t units = current.type == 1 ? current.valueLength : current.valueLength / 2u;
        for (std::size_t i = 0; i < units; ++i) {
            const std::size_t at = current.valueStart + 2 * i;
            if (at + 2 > current.end) break;
            const std::uint16_t unit = U16(&data_[at]);
            if (unit == 0) break;
            text += AnsiFromUtf16(unit);
        }
        return text;
    }

private:
    std::vector<unsigned char> data_;
    Block root_;
};

}  // namespace

std::optional<std::vector<unsigned char>> ExtractVersionResource(Stream& image) {
    unsigned char dos[64];
    if (!ReadAt(image, 0, dos, sizeof dos) || dos[0] != 'M' || dos[1] != 'Z') return std::nullopt;
    const std::int64_t pe = U32(dos + 0x3C);
    unsigned char coff[24];
    if (!ReadAt(image, pe, coff, sizeof coff) || std::memcmp(coff, "PE\0\0", 4) != 0)
        return std::nullopt;
    const int sectionCount = U16(coff + 6);
    const std::uint16_t optionalSize = U16(coff + 20);
    const std::int64_t optional = pe + 24;
    unsigned char magic[2];
    if (!ReadAt(image, optional, magic, 2)) return std::nullopt;
    const bool plus = U16(magic) == 0x20B;
    if (!plus && U16(magic) != 0x10B) return std::nullopt;
    const std::int64_t directoryCountAt = optional + (plus ? 108 : 92);
    unsigned char countBytes[4];
    if (!ReadAt(image, directoryCountAt, countBytes, 4) || U32(countBytes) < 3) return std::nullopt;
    unsigned char resourceDirectory[8];
    if (!ReadAt(image, directoryCountAt + 4 + 2 * 8, resourceDirectory, 8)) return std::nullopt;
    const std::uint32_t treeRva = U32(resourceDirectory);
    if (treeRva == 0) return std::nullopt;

    std::vector<Section> sections;
    for (int i = 0; i < sectionCount; ++i) {
        unsigned char s[40];
        if (!ReadAt(image, optional + optionalSize + 40 * static_cast<std::int64_t>(i), s, 40))
            return std::nullopt;
        sections.push_back({U32(s + 12), U32(s + 8), U32(s + 16), U32(s + 20)});
    }
    const auto treeStart = FileOffsetOf(sections, treeRva, 16);
    if (!treeStart) return std::nullopt;

    // Type 16, then the name VS_VERSION_INFO (1) or the first, then the first language.
    const auto type = FindResourceEntry(image, *treeStart, 0, kVersionResourceType);
    if (!type || !(*type & 0x80000000u)) return std::nullopt;
    const auto name = FindResourceEntry(image, *treeStart, *type & 0x7FFFFFFFu, 1);
    if (!name || !(*name & 0x80000000u)) return std::nullopt;
    const auto language = FindResourceEntry(image, *treeStart, *name & 0x7FFFFFFFu, 0);
    if (!language || (*language & 0x80000000u)) return std::nullopt;
    unsigned char dataEntry[16];
    if (!ReadAt(image, *treeStart + *language, dataEntry, sizeof dataEntry)) return std::nullopt;
    const std::uint32_t size = U32(dataEntry + 4);
    if (size < 6 || size > kMaxVersionBlock) return std::nullopt;
    const auto at = FileOffsetOf(sections, U32(dataEntry), size);
    if (!at) return std::nullopt;
    std::vector<unsigned char> block(size);
    if (!ReadAt(image, *at, block.data(), size)) return std::nullopt;
    return block;
}

std::unique_ptr<VersionData> ParseVersionResource(std::vector<unsigned char> block) {
    const auto root = ParseBlock(block, 0, block.size());
    if (!root) return nullptr;
    return std::make_unique<PortableVersionData>(std::move(block), *root);
}

std::unique_ptr<VersionData> ReadVersionDataPortable(const std::string& path) {
    const auto file = FileStream::OpenRead(path);
    if (!file) return nullptr;
    auto block = ExtractVersionResource(*file);
    if (!block) return nullptr;
    return ParseVersionResource(std::move(*block));
}

}  // namespace install

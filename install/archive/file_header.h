#pragma once
// The archive's entry header, the same 172-byte record on disk and in memory:
//
//   0  4 FileNumber        1-based position in the batch that added the file
//   4  8 FileDate          modification time, IEEE double day count (local time)
//  12  1 LastVolume        volume of the last data byte; 0 in a single-file archive
//  13  3 reserved (0)
//  16  4 EndOffset         offset of the last data byte (inclusive) in LastVolume
//  20 101 StoredName       length byte (0..100) and characters; rest 0
// 121  3 reserved (0)
// 124  4 NextHeader        offset of the next header from the archive start
// 128  4 UncompressedSize
// 132  4 DataOffset        offset of the first data byte in FirstVolume
// 136  4 CompressedSize
// 140  1 FirstVolume       volume of the first data byte; 0 in a single-file archive
// 141  3 reserved (0)
// 144  4 UniqueID          key of the installation file the entry belongs to
// 148 21 FileVersion       length byte (0..20) and characters; rest 0
// 169  3 reserved (0)
//
// Numbers are little-endian. The archive starts with a 5-byte prefix: the signed 32-bit
// entry count and the Spanned byte (1 for a volume set).
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace install {

inline constexpr std::size_t kFileHeaderSize = 172;
inline constexpr std::size_t kArchivePrefixSize = 5;
inline constexpr std::size_t kMaxStoredName = 100;
inline constexpr std::size_t kMaxFileVersion = 20;

struct TFileHeaderRecord {
    std::int32_t FileNumber = 0;
    double FileDate = 0;
    std::uint8_t LastVolume = 0;
    std::int32_t EndOffset = 0;
    std::string StoredName;
    std::int32_t NextHeader = 0;
    std::int32_t UncompressedSize = 0;
    std::int32_t DataOffset = 0;
    std::int32_t CompressedSize = 0;
    std::uint8_t FirstVolume = 0;
    std::int32_t UniqueID = 0;
    std::string FileVersion;

    bool operator==(const TFileHeaderRecord&) const = default;
};

using FileHeaderBytes = std::array<unsigned char, kFileHeaderSize>;

FileHeaderBytes EncodeFileHeader(const TFileHeaderRecord& record);
// Length bytes beyond a field's room are taken as the room.
TFileHeaderRecord DecodeFileHeader(const FileHeaderBytes& bytes);

struct TFileHeader {
    bool Loaded = false;  // read from an existing archive, not made from a source file
    TFileHeaderRecord Header;

    // A header names a file: its StoredName is not blank.
    [[nodiscard]] bool IsValid() const;
};

class TFileHeaders {
public:
    [[nodiscard]] int Count() const { return static_cast<int>(headers_.size()); }
    TFileHeader& GetFileHeaders(int index);
    const TFileHeader& GetFileHeaders(int index) const;
    void Add(std::unique_ptr<TFileHeader> header);  // refuses an invalid header
    void Clear() { headers_.clear(); }

    bool Spanned = false;

private:
    std::vector<std::unique_ptr<TFileHeader>> headers_;
};

}  // namespace install

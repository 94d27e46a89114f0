#pragma once
// The last 56 bytes of a self-extracting setup file:
//
//   0 15 length byte 14 and "SELFEXTRACTING"
//  15  1 0
//  16  4 file offset where the installation information block starts
//  20  4 file offset of its last byte (inclusive)
//  24  4 file offset where the archive starts; 0 when none was appended
//  28  4 file offset of the archive's last byte (inclusive)
//  32 24 0
//
// The file is the loading program, the information block, the archive, then the trailer.
#include <array>
#include <cstdint>
#include <string>

namespace install {

class Stream;

inline constexpr std::size_t kSelfExtractTrailerSize = 56;

struct TSelfExtractTrailer {
    std::int32_t InfoStart = 0;
    std::int32_t InfoEnd = 0;
    std::int32_t ArchiveStart = 0;
    std::int32_t ArchiveEnd = 0;

    bool operator==(const TSelfExtractTrailer&) const = default;
};

std::array<unsigned char, kSelfExtractTrailerSize> EncodeTrailer(const TSelfExtractTrailer& trailer);
// The signature is written but not examined when reading.
TSelfExtractTrailer DecodeTrailer(const std::array<unsigned char, kSelfExtractTrailerSize>& bytes);

// Reads the trailer at the end of a stream; false when the stream holds fewer than 56 bytes.
[[nodiscard]] bool ReadTrailer(Stream& file, TSelfExtractTrailer& trailer);
// Reads the trailer of a setup file, raising "Could not read the extraction info ..." with
// the file's path when it cannot be opened or is too short.
TSelfExtractTrailer ReadSelfExtractTrailer(const std::string& setupFile);

// Joins the loading program, the setup archive and (when it exists) the files archive
// into a self-extracting file and writes its trailer.
TSelfExtractTrailer MakeSelfExtracting(const std::string& output, const std::string& loader,
                                       const std::string& setupArchive,
                                       const std::string& filesArchive);

}  // namespace install

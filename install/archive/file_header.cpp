#include "install/archive/file_header.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "install/archive/archive_errors.h"
#include "install/archive/archive_messages.h"
#include "install/framework/strings.h"

namespace install {

namespace {

void Put32(unsigned char* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}
std::uint32_t Get32(const unsigned char* p) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(p[i]) << (8 * i);
    return v;
}

void PutShortString(unsigned char* p, const std::string& text, std::size_t room) {
    const std::size_t n = std::min(text.size(), room);
    p[0] = static_cast<unsigned char>(n);
    std::memcpy(p + 1, text.data(), n);
}
std::string GetShortString(const unsigned char* p, std::size_t room) {
    const std::size_t n = std::min<std::size_t>(p[0], room);
    return std::string(reinterpret_cast<const char*>(p + 1), n);
}

}  // namespace

FileHeaderBytes EncodeFileHeader(const TFileHeaderRecord& r) {
    FileHeaderBytes b{};
    Put32(&b[0], static_cast<std::uint32_t>(r.FileNumber));
    const auto date = std::bit_cast<std::uint64_t>(r.FileDate);
    Put32(&b[4], static_cast<std::uint32_t>(date));
    Put32(&b[8], static_cast<std::uint32_t>(date >> 32));
    b[12] = r.LastVolume;
    Put32(&b[16], static_cast<std::uint32_t>(r.EndOffset));
    PutShortString(&b[20], r.StoredName, kMaxStoredName);
    Put32(&b[124], static_cast<std::uint32_t>(r.NextHeader));
    Put32(&b[128], static_cast<std::uint32_t>(r.UncompressedSize));
    Put32(&b[132], static_cast<std::uint32_t>(r.DataOffset));
    Put32(&b[136], static_cast<std::uint32_t>(r.CompressedSize));
    b[140] = r.FirstVolume;
    Put32(&b[144], static_cast<std::uint32_t>(r.UniqueID));
    PutShortString(&b[148], r.FileVersion, kMaxFileVersion);
    return b;
}

TFileHeaderRecord DecodeFileHeader(const FileHeaderBytes& b) {
    TFileHeaderRecord r;
    r.FileNumber = static_cast<std::int32_t>(Get32(&b[0]));
    r.FileDate = std::bit_cast<double>(static_cast<std::uint64_t>(Get32(&b[4])) |
                                       static_cast<std::uint64_t>(Get32(&b[8])) << 32);
    r.LastVolume = b[12];
    r.EndOffset = static_cast<std::int32_t>(Get32(&b[16]));
    r.StoredName = GetShortString(&b[20], kMaxStoredName);
    r.NextHeader = static_cast<std::int32_t>(Get32(&b[124]));
    r.UncompressedSize = static_cast<std::int32_t>(Get32(&b[128]));
    r.DataOffset = static_cast<std::int32_t>(Get32(&b[132]));
    r.CompressedSize = static_cast<std::int32_t>(Get32(&b[136]));
    r.FirstVolume = b[140];
    r.UniqueID = static_cast<std::int32_t>(Get32(&b[144]));
    r.FileVersion = GetShortString(&b[148], kMaxFileVersion);
    return r;
}

bool TFileHeader::IsValid() const { return !Trim(Header.StoredName).empty(); }

TFileHeader& TFileHeaders::GetFileHeaders(int index) {
    if (index < 0 || index >= Count())
        throw EAmblCompress(archive_messages::kInvalidHeaderIndex,
                            {std::int64_t{index}});
    return *headers_[static_cast<std::size_t>(index)];
}

const TFileHeader& TFileHeaders::GetFileHeaders(int index) const {
    return const_cast<TFileHeaders*>(this)->GetFileHeaders(index);
}

void TFileHeaders::Add(std::unique_ptr<TFileHeader> header) {
    if (!header || !header->IsValid()) throw EAmblCompress(archive_messages::kInvalidHeader);
    headers_.push_back(std::move(header));
}

}  // namespace install

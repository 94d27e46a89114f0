#include "install/archive/sfx_trailer.h"

#include <cstring>
#include <vector>

#include "install/archive/archive_errors.h"
#include "install/archive/archive_messages.h"
#include "install/framework/file_system.h"

namespace install {

namespace {

void Put32(unsigned char* p, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}
std::int32_t Get32(const unsigned char* p) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(p[i]) << (8 * i);
    return static_cast<std::int32_t>(v);
}

// Appends a whole file to `out`; the positions of its first and last byte, or false.
bool AppendFile(Stream& out, const std::string& path, std::int64_t& first, std::int64_t& last) {
    const auto in = FileStream::OpenRead(path);
    if (!in) return false;
    first = out.Position();
    std::vector<unsigned char> buffer(1 << 16);
    std::int64_t copied = 0;
    for (;;) {
        const std::size_t n = in->Read(buffer.data(), buffer.size());
        if (n == 0) break;
        if (out.Write(buffer.data(), n) != n) return false;
        copied += static_cast<std::int64_t>(n);
    }
    if (copied != in->Size()) return false;
    last = out.Position() - 1;
    return true;
}

std::int32_t AsOffset(std::int64_t position, const std::string& file) {
    if (position < 0 || position > INT32_MAX)
        throw EAmblCompress(archive_messages::kSfxTooLarge, {file});
    return static_cast<std::int32_t>(position);
}

}  // namespace

std::array<unsigned char, kSelfExtractTrailerSize> EncodeTrailer(const TSelfExtractTrailer& t) {
    std::array<unsigned char, kSelfExtractTrailerSize> b{};
    b[0] = 14;
    std::memcpy(&b[1], "SELFEXTRACTING", 14);
    Put32(&b[16], t.InfoStart);
    Put32(&b[20], t.InfoEnd);
    Put32(&b[24], t.ArchiveStart);
    Put32(&b[28], t.ArchiveEnd);
    return b;
}

TSelfExtractTrailer DecodeTrailer(const std::array<unsigned char, kSelfExtractTrailerSize>& b) {
    return {Get32(&b[16]), Get32(&b[20]), Get32(&b[24]), Get32(&b[28])};
}

bool ReadTrailer(Stream& file, TSelfExtractTrailer& trailer) {
    std::array<unsigned char, kSelfExtractTrailerSize> bytes{};
    const std::int64_t size = file.Size();
    if (size < static_cast<std::int64_t>(bytes.size())) return false;
    if (!file.Seek(size - static_cast<std::int64_t>(bytes.size())) ||
        file.Read(bytes.data(), bytes.size()) != bytes.size())
        return false;
    trailer = DecodeTrailer(bytes);
    return true;
}

TSelfExtractTrailer ReadSelfExtractTrailer(const std::string& setupFile) {
    TSelfExtractTrailer trailer;
    const auto file = FileStream::OpenRead(setupFile);
    if (!file || !ReadTrailer(*file, trailer))
        throw IEInstall(
            "Could not read the extraction info from the archive file %s when trying to find the correct offset into the self extracting file",
            {setupFile});
    return trailer;
}

TSelfExtractTrailer MakeSelfExtracting(const std::string& output, const std::string& loader,
                                       const std::string& setupArchive,
                                       const std::string& filesArchive) {
    const auto out = FileStream::Create(output);
    if (!out) throw EAmblCompress(archive_messages::kCannotCreateFile, {output});
    std::int64_t first = 0, last = 0;
    if (!AppendFile(*out, loader, first, last))
        throw EAmblCompress(archive_messages::kCannotOpenFile, {loader});
    TSelfExtractTrailer trailer;
    if (!AppendFile(*out, setupArchive, first, last))
        throw EAmblCompress(archive_messages::kSfxAppendFailed,
                            {setupArchive, output});
    trailer.InfoStart = AsOffset(first, output);
    trailer.InfoEnd = AsOffset(last, output);
    if (!filesArchive.empty() && FileExists(filesArchive)) {
        if (!AppendFile(*out, filesArchive, first, last))
            throw EAmblCompress(
                archive_messages::kSfxAppendFailed,
                {filesArchive, output});
        trailer.ArchiveStart = AsOffset(first, output);
        trailer.ArchiveEnd = AsOffset(last, output);
    }
    const auto bytes = EncodeTrailer(trailer);
    if (out->Write(bytes.data(), bytes.size()) != bytes.size() || !out->Flush())
        throw EAmblCompress(archive_messages::kSfxAppendFailed,
                            {setupArchive, output});
    return trailer;
}

}  // namespace install

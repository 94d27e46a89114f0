// The archive component: settings, the header list and what every operation shares.
#include "install/archive/ambl_compress.h"

#include "install/archive/ambl_compress_internal.h"
#include "install/archive/archive_messages.h"
#include "install/archive/volume_names.h"

namespace install {

using namespace archive_detail;

TAmblCompress::TAmblCompress(TComponent* owner) : TComponent(owner) { ResetUniqueIDs(); }

void TAmblCompress::SetCompressedFile(const std::string& name) {
    if (SameText(name, compressedFile_)) return;
    if (headersLoaded_ && !SameVolumeSet(name, compressedFile_)) headersLoaded_ = false;
    compressedFile_ = name;
}

void TAmblCompress::SetFilesToProcess(const std::vector<std::string>& lines) {
    filesToProcess_.clear();
    for (const std::string& line : lines)
        if (!Trim(line).empty()) filesToProcess_.push_back(line);
}

void TAmblCompress::DoFullDisk() {
    if (!OnFullDisk) throw EacDiskFull();
    OnFullDisk(*this);
}

void TAmblCompress::WriteAll(Stream& target, const void* data, std::size_t count) {
    const std::size_t written = target.Write(data, count);
    if (written == count) return;
    // The handler may have made room: the rest is tried once more.
    DoFullDisk();
    const std::size_t rest = count - written;
    if (target.Write(static_cast<const unsigned char*>(data) + written, rest) != rest)
        throw EacDiskFull();
}

std::unique_ptr<Stream> TAmblCompress::Target(std::unique_ptr<Stream> stream) {
    if (!stream || !OnOpenTarget) return stream;
    return OnOpenTarget(std::move(stream));
}

void TAmblCompress::StatusStep() {
    if (Abort) throw EacAborted();
    if (ProcessMessages) ProcessMessages();
}


void TAmblCompress::LoadHeaders() {
    std::unique_ptr<FileStream> archive;
    if (FileExists(compressedFile_)) archive = FileStream::OpenRead(compressedFile_);
    if (!archive) throw EAmblCompress(archive_messages::kCannotOpenArchive, {compressedFile_});
    ReadHeadersFrom(*archive, Offset);
    headersLoaded_ = true;
}

void TAmblCompress::ReadHeadersFrom(Stream& archive, std::int64_t at) {
    headers_.Clear();
    headers_.Spanned = false;
    ResetUniqueIDs();
    unsigned char prefix[kArchivePrefixSize];
    if (at < 0 || !archive.Seek(at) || archive.Read(prefix, sizeof prefix) != sizeof prefix)
        throw EAmblCompress(archive_messages::kCannotReadCount);
    const auto count = static_cast<std::int32_t>(static_cast<std::uint32_t>(prefix[0]) |
                                                 static_cast<std::uint32_t>(prefix[1]) << 8 |
                                                 static_cast<std::uint32_t>(prefix[2]) << 16 |
                                                 static_cast<std::uint32_t>(prefix[3]) << 24);
    try {
        // Every header takes 172 bytes of its own, and each one lies after the one before:
        // a count the file cannot hold, or a chain that does not move forward, is corrupt.
        const std::int64_t room = archive.Size() - at - static_cast<std::int64_t>(kArchivePrefixSize);
        if (count < 0 || count > room / static_cast<std::int64_t>(kFileHeaderSize))
            throw EAmblCompress(archive_messages::kCorrupt);
        std::int64_t position = at + static_cast<std::int64_t>(kArchivePrefixSize);
        for (std::int32_t i = 0; i < count; ++i) {
            FileHeaderBytes bytes{};
            if (!archive.Seek(position) || archive.Read(bytes.data(), bytes.size()) != bytes.size())
                throw EAmblCompress(archive_messages::kCorrupt);
            auto header = std::make_unique<TFileHeader>();
            header->Loaded = true;
            header->Header = DecodeFileHeader(bytes);
            const std::int64_t next = at + header->Header.NextHeader;
            headers_.Add(std::move(header));
            if (i + 1 < count && next < position + static_cast<std::int64_t>(kFileHeaderSize))
                throw EAmblCompress(archive_messages::kCorrupt);
            position = next;
        }
        headers_.Spanned = prefix[4] != 0;
    } catch (const EAmbrelAbnormal&) {
        headers_.Clear();
        throw EAmblCompress(archive_messages::kCorrupt);
    }
    for (int i = 0; i < headers_.Count(); ++i) {
        const std::int32_t id = headers_.GetFileHeaders(i).Header.UniqueID;
        if (id >= 0 && id < kUniqueIDCount) uniqueIDTable_[static_cast<std::size_t>(id)] = i;
    }
}

void TAmblCompress::WriteHeaders(Stream& target) {
    unsigned char prefix[kArchivePrefixSize];
    Put32(prefix, headers_.Count());
    prefix[4] = headers_.Spanned ? 1 : 0;
    if (!target.Seek(0) || target.Write(prefix, sizeof prefix) != sizeof prefix)
        throw EAmblCompress(archive_messages::kCannotWriteHeaders);
    if (!headers_.Spanned) return;
    for (int i = 0; i < headers_.Count(); ++i) {
        TFileHeaderRecord& header = headers_.GetFileHeaders(i).Header;
        header.NextHeader = Saturate(target.Position() + static_cast<std::int64_t>(kFileHeaderSize));
        const FileHeaderBytes bytes = EncodeFileHeader(header);
        if (target.Write(bytes.data(), bytes.size()) != bytes.size())
            throw EAmblCompress(archive_messages::kCannotWriteHeaders);
    }
}

void TAmblCompress::AddFiles(const std::vector<std::string>& lines, bool keep) {
    if (!keep) headers_.Clear();
    std::int32_t number = 0;
    for (const std::string& line : lines) {
        const std::string path = BeforeSemicolon(line).substr(0, kMaxStoredName);
        const auto source = FileStream::OpenRead(path);
        if (!source) throw EAmblCompress(archive_messages::kCannotOpenFile, {path});
        const std::int64_t size = source->Size();
        if (size > INT32_MAX) throw EAmblCompress(archive_messages::kFileTooLarge, {path});
        auto header = std::make_unique<TFileHeader>();
        header->Header.StoredName = path;
        header->Header.FileNumber = ++number;
        header->Header.FileDate = FileDateOf(path).value_or(0.0);
        header->Header.UncompressedSize = static_cast<std::int32_t>(size);
        TVersionResource& versions = TVersionResource::Shared();
        versions.SetFileName(path);
        header->Header.FileVersion = versions.VersionInfo().FileVersion.substr(0, kMaxFileVersion);
        headers_.Add(std::move(header));
    }
}

void TAmblCompress::ResetTotals(bool clearCompressed) {
    std::int64_t compressed = 0, uncompressed = 0;
    for (int i = 0; i < headers_.Count(); ++i) {
        compressed += headers_.GetFileHeaders(i).Header.CompressedSize;
        uncompressed += headers_.GetFileHeaders(i).Header.UncompressedSize;
    }
    stats_.TotalDone = 0;
    stats_.TotalPercent = 0;
    stats_.Finished = false;
    stats_.TotalCompressed = Saturate(compressed);
    stats_.TotalUncompressed = Saturate(uncompressed);
    stats_.TotalRatio = Percentage(stats_.TotalCompressed, stats_.TotalUncompressed);
    if (clearCompressed) stats_.TotalCompressed = 0;
}

void TAmblCompress::FillStats(const TFileHeaderRecord& header) {
    stats_.FilePercent = 0;
    stats_.FileDone = 0;
    stats_.FileName = header.StoredName;
    stats_.CompressedSize = header.CompressedSize;
    stats_.UncompressedSize = header.UncompressedSize;
    stats_.Ratio = Percentage(header.CompressedSize, header.UncompressedSize);
    stats_.Header = header;
    stats_.Finished = false;
}

int TAmblCompress::FileCount() {
    if (!headersLoaded_ && operation_ != Operation::compressing) LoadHeaders();
    return headers_.Count();
}

TlzhFileStats TAmblCompress::GetFileStats(int index, TlzhFileStats& stats) {
    if (!headersLoaded_) LoadHeaders();
    if (index < 0 || index >= headers_.Count())
        throw EAmblCompress(archive_messages::kUndefinedFile, {std::int64_t{index}});
    ResetTotals(false);
    FillStats(headers_.GetFileHeaders(index).Header);
    stats = stats_;
    return stats_;
}

int TAmblCompress::IndexOfUniqueID(int id) {
    if (!headersLoaded_) LoadHeaders();
    return id >= 0 && id < kUniqueIDCount ? uniqueIDTable_[static_cast<std::size_t>(id)] : 0;
}

}  // namespace install

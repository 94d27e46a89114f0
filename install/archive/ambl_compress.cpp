#include "install/archive/ambl_compress.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <filesystem>

#include "install/archive/archive_errors.h"
#include "install/archive/archive_messages.h"
#include "install/archive/volume_names.h"
#include "install/framework/strings.h"

namespace install {

namespace {

constexpr std::size_t kSourceBuffer = 65536;
constexpr std::size_t kInflateInput = 65536;
// Inflated bytes go out in 64 KB steps: with smaller steps zlib copies every byte into its
// window once more, which costs about a third of the extraction time.
constexpr std::size_t kInflateOutput = 65536;
constexpr std::size_t kChunk = 8192;
constexpr int kOpenVolumeAttempts = 4;
constexpr int kMaxVolume = 255;  // volume numbers are one byte

std::int32_t Saturate(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

void Put32(unsigned char* p, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}

// The name an entry is written under: the file-name part only, so that no stored name can
// lead outside the extraction folder.
bool IsPlainFileName(const std::string& name) {
    return !Trim(name).empty() && name != "." && name != "..";
}

class InflateGuard {
public:
    InflateGuard() {
        if (inflateInit(&stream) < 0) throw EZlibError();
    }
    ~InflateGuard() { inflateEnd(&stream); }
    InflateGuard(const InflateGuard&) = delete;
    InflateGuard& operator=(const InflateGuard&) = delete;
    z_stream stream{};
};

}  // namespace

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

template <typename Body>
void TAmblCompress::RunOperation(bool swallowSilentAbort, Body body) {
    try {
        body();
    } catch (const EacAborted&) {
        if (OnAborted) OnAborted(*this);
    } catch (const EAbort&) {
        if (!swallowSilentAbort) {
            Abort = true;
            throw;
        }
    } catch (...) {
        Abort = true;
        throw;
    }
}

// ---- headers -------------------------------------------------------------------------

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

// ---- Compress ------------------------------------------------------------------------

void TAmblCompress::Compress(bool append, std::int32_t uniqueID) {
    Abort = false;
    operation_ = Operation::compressing;
    headers_.Spanned = false;
    Offset = 0;
    struct Finally {
        TAmblCompress& self;
        ~Finally() {
            self.headersLoaded_ = false;
            self.operation_ = Operation::none;
            self.filesToProcess_.clear();
        }
    } finally{*this};

    RunOperation(true, [&] {
        (void)ForceDirectories(ExtractFileDir(compressedFile_));
        const bool appending = append && FileExists(compressedFile_);
        std::unique_ptr<Stream> archive =
            appending ? std::unique_ptr<Stream>(FileStream::OpenReadWrite(compressedFile_))
                      : std::unique_ptr<Stream>(FileStream::Create(compressedFile_));
        if (!archive) throw EAmblCompress(archive_messages::kCannotCreateFile, {compressedFile_});
        if (appending) {
            ReadHeadersFrom(*archive, 0);
            AddFiles(filesToProcess_, true);
        } else {
            ResetUniqueIDs();
            AddFiles(filesToProcess_, false);
        }
        archive = Target(std::move(archive));

        // Entries are only counted once they are whole: on a failure the archive is cut back
        // to the last complete entry so that everything written before stays readable.
        int complete = 0;
        while (complete < headers_.Count() && headers_.GetFileHeaders(complete).Loaded) ++complete;
        std::int64_t completeEnd = appending ? archive->Size() : static_cast<std::int64_t>(kArchivePrefixSize);
        try {
            WriteHeaders(*archive);
            if (!archive->Seek(completeEnd))
                throw EAmblCompress(archive_messages::kCannotWriteHeaders);
            ResetTotals(true);
            for (int i = 0; i < headers_.Count(); ++i) {
                TFileHeader& entry = headers_.GetFileHeaders(i);
                if (entry.Loaded) continue;
                CompressEntry(*archive, entry, i, uniqueID);
                ++complete;
                completeEnd = archive->Position();
            }
            if (!archive->Flush()) throw EacDiskFull();
        } catch (...) {
            unsigned char count[4];
            Put32(count, complete);
            if (archive->Seek(0)) (void)archive->Write(count, sizeof count);
            (void)archive->Flush();
            archive.reset();
            std::error_code ignored;
            std::filesystem::resize_file(HostPath(compressedFile_),
                                         static_cast<std::uintmax_t>(completeEnd), ignored);
            throw;
        }
    });
}

void TAmblCompress::CompressEntry(Stream& archive, TFileHeader& entry, int index,
                                  std::int32_t uniqueID) {
    TFileHeaderRecord& header = entry.Header;
    const auto source = FileStream::OpenRead(header.StoredName);
    if (!source) throw EAmblCompress(archive_messages::kCannotOpenFile, {header.StoredName});
    FillStats(header);
    stats_.CompressedSize = 0;
    if (OnBeforeAdding) OnBeforeAdding(*this, stats_);

    const std::int64_t headerAt = archive.Position();
    const FileHeaderBytes provisional = EncodeFileHeader(header);
    WriteAll(archive, provisional.data(), provisional.size());
    const std::int64_t dataAt = archive.Position();

    std::int64_t reported = 0;
    TCompressionStream* stream = nullptr;
    TCompressionStream deflater(
        CompressionLevel, [&](const unsigned char* data, std::size_t n) { WriteAll(archive, data, n); },
        [&] { AddStatus(*stream, reported); });
    stream = &deflater;
    std::vector<unsigned char> buffer(kSourceBuffer);
    for (;;) {
        const std::size_t n = source->Read(buffer.data(), buffer.size());
        if (n == 0) break;
        (void)deflater.Write(buffer.data(), n);
    }
    deflater.Finish();
    // The source may have changed since it was measured: the header tells what was read.
    header.UncompressedSize = Saturate(deflater.BytesConsumed());
    stats_.UncompressedSize = header.UncompressedSize;
    stats_.CompressedSize = Saturate(deflater.BytesProduced());
    stats_.Ratio = Percentage(stats_.CompressedSize, stats_.UncompressedSize);
    stats_.Finished = true;
    AddStatus(deflater, reported);
    stats_.Finished = false;

    const std::int64_t end = archive.Position();
    if (end > INT32_MAX) throw EAmblCompress(archive_messages::kArchiveTooLarge, {compressedFile_});
    stats_.TotalCompressed = Saturate(static_cast<std::int64_t>(stats_.TotalCompressed) + deflater.BytesProduced());
    header.DataOffset = static_cast<std::int32_t>(dataAt);
    header.EndOffset = static_cast<std::int32_t>(end - 1);
    header.NextHeader = static_cast<std::int32_t>(end);
    header.CompressedSize = stats_.CompressedSize;
    header.UniqueID = uniqueID;
    if (uniqueID >= 0 && uniqueID < kUniqueIDCount) uniqueIDTable_[static_cast<std::size_t>(uniqueID)] = index;

    const FileHeaderBytes final = EncodeFileHeader(header);
    if (!archive.Seek(headerAt)) throw EAmblCompress(archive_messages::kCannotWriteHeaders);
    WriteAll(archive, final.data(), final.size());
    if (!archive.Seek(end)) throw EAmblCompress(archive_messages::kCannotWriteHeaders);
    stats_.Header = header;
    if (OnAfterAdding) OnAfterAdding(*this, stats_);
}

void TAmblCompress::AddStatus(const TCompressionStream& stream, std::int64_t& reported) {
    if (Abort) throw EacAborted();
    if (ProcessMessages) ProcessMessages();
    if (operation_ != Operation::compressing) throw EAmblCompress(archive_messages::kNoDestFile);
    const std::int64_t step = stream.BytesConsumed() - reported;
    reported = stream.BytesConsumed();
    stats_.FileDone = Saturate(stats_.FileDone + step);
    stats_.TotalDone = Saturate(stats_.TotalDone + step);
    stats_.CompressedSize = Saturate(stream.BytesProduced());
    stats_.FilePercent = PercentByte(stats_.FileDone, stats_.UncompressedSize);
    stats_.TotalPercent = PercentByte(stats_.TotalDone, stats_.TotalUncompressed);
    if (OnStatus) OnStatus(*this, stats_);
}

// ---- Extract -------------------------------------------------------------------------

void TAmblCompress::Extract() {
    Abort = false;
    operation_ = Operation::extracting;
    struct Finally {
        TAmblCompress& self;
        ~Finally() {
            self.filesToProcess_.clear();
            self.DestName.clear();
            self.operation_ = Operation::none;
        }
    } finally{*this};

    RunOperation(true, [&] {
        if (!headersLoaded_) LoadHeaders();
        currentVolume_ = 0;
        ResetTotals(false);
        for (const std::string& line : filesToProcess_) ExtractEntry(line);
    });
}

void TAmblCompress::ExtractEntry(const std::string& line) {
    SkipFile = false;
    const std::string wanted = BeforeSemicolon(line);
    int found = -1;
    for (int i = 0; i < headers_.Count() && found < 0; ++i)
        if (SameText(headers_.GetFileHeaders(i).Header.StoredName, wanted)) found = i;
    if (found < 0)
        throw EAmblCompress(archive_messages::kNotInArchive, {line, compressedFile_});
    const TFileHeaderRecord entry = headers_.GetFileHeaders(found).Header;

    FillStats(entry);
    if (Trim(DestName).empty()) DestName = ExtractFileName(entry.StoredName);
    if (OnBeforeExtracting) OnBeforeExtracting(*this, stats_);
    auto destination = [&] {
        DestName = ExtractFileName(DestName);
        return AddBackslash(ExtractDirectory) + DestName;
    };
    std::string dest = destination();

    bool skip = false;
    if (FileExists(dest)) {
        switch (TVersionResource::IsFileNewerByInfo(entry.FileVersion, dest, Overwrite, entry.FileDate)) {
            case TReplaceDecision::rdFailed:
                throw EAmblCompress(archive_messages::kCompareFailed);
            case TReplaceDecision::rdSame:
            case TReplaceDecision::rdKeep:
                skip = true;
                break;
            case TReplaceDecision::rdReplace:
                if (OnReplace) OnReplace(*this, stats_);
                dest = destination();
                break;
        }
    }
    if (skip || SkipFile) {
        stats_.Finished = true;
        if (OnStatus) OnStatus(*this, stats_);
        DestName.clear();  // the next entry must not inherit this one's name
        return;
    }
    if (!IsPlainFileName(DestName)) throw EAmblCompress(archive_messages::kCannotCreateFile, {dest});

    auto volume = OpenVolume(entry.FirstVolume == 0 ? 1 : entry.FirstVolume, false, compressedFile_);
    currentVolume_ = entry.FirstVolume;
    (void)ForceDirectories(ExtractFileDir(dest));
    auto out = Target(FileStream::Create(dest));
    if (!out) throw EAmblCompress(archive_messages::kCannotCreateFile, {dest});

    std::int64_t written = 0;
    const bool positioned = volume->Seek(static_cast<std::int64_t>(Offset) + entry.DataOffset);
    if (positioned) InflateEntry(entry, *volume, *out, written);
    stats_.Finished = true;
    if (OnStatus) OnStatus(*this, stats_);
    if (!out->Flush()) {
        DoFullDisk();
        throw EacDiskFull();
    }
    out.reset();
    volume.reset();
    if (written != entry.UncompressedSize)
        throw EAmblCompress(
            archive_messages::kSizeMismatch,
            {entry.StoredName});
    if (!SetFileDate(dest, entry.FileDate))
        throw EAmblCompress(archive_messages::kCannotSetDate);
    DestName.clear();
}

void TAmblCompress::InflateEntry(const TFileHeaderRecord& entry, Stream& volumeStart, Stream& dest,
                                 std::int64_t& written) {
    // The first volume is the caller's; later ones are opened here.
    Stream* volume = &volumeStart;
    std::unique_ptr<Stream> laterVolume;
    InflateGuard inflater;
    z_stream& z = inflater.stream;
    std::vector<unsigned char> input(kInflateInput), output(kInflateOutput);

    auto readInput = [&]() -> std::size_t {
        std::size_t want = input.size();
        if (currentVolume_ == entry.LastVolume) {
            const std::int64_t left =
                static_cast<std::int64_t>(Offset) + entry.EndOffset + 1 - volume->Position();
            if (left <= 0) return 0;
            want = static_cast<std::size_t>(std::min<std::int64_t>(left, static_cast<std::int64_t>(want)));
        }
        return volume->Read(input.data(), want);
    };

    bool ended = false;
    const int passes = entry.LastVolume - currentVolume_ + 1;
    for (int pass = 0; pass < passes && !ended; ++pass) {
        for (;;) {
            z.next_out = output.data();
            z.avail_out = static_cast<uInt>(output.size());
            while (z.avail_out > 0 && !ended) {
                if (z.avail_in == 0) {
                    const std::size_t n = readInput();
                    if (n == 0) break;
                    z.next_in = input.data();
                    z.avail_in = static_cast<uInt>(n);
                }
                const int result = inflate(&z, Z_NO_FLUSH);
                // A stream asking for a dictionary can never go on: it is as broken as a negative code.
                if (result < 0 || result == Z_NEED_DICT) throw EZlibError();
                if (result == Z_STREAM_END) ended = true;
            }
            const std::size_t produced = output.size() - z.avail_out;
            StatusStep();
            if (written + static_cast<std::int64_t>(produced) > entry.UncompressedSize)
                throw EAmblCompress(
                    archive_messages::kSizeMismatch,
                    {entry.StoredName});
            WriteAll(dest, output.data(), produced);
            written += static_cast<std::int64_t>(produced);
            stats_.FileDone = Saturate(stats_.FileDone + static_cast<std::int64_t>(produced));
            stats_.TotalDone = Saturate(stats_.TotalDone + static_cast<std::int64_t>(produced));
            stats_.FilePercent = PercentByte(stats_.FileDone, entry.UncompressedSize);
            stats_.TotalPercent = PercentByte(stats_.TotalDone, stats_.TotalUncompressed);
            if (OnStatus) OnStatus(*this, stats_);
            if (produced == 0) break;
        }
        // Only a volume set goes on in another file.
        if (ended || !headers_.Spanned || currentVolume_ >= entry.LastVolume) break;
        ++currentVolume_;
        laterVolume = OpenVolume(currentVolume_, false, compressedFile_);
        volume = laterVolume.get();
    }
}

std::unique_ptr<Stream> TAmblCompress::OpenVolume(int volume, bool readWrite, std::string& name) {
    for (int attempt = 0; attempt < kOpenVolumeAttempts; ++attempt) {
        if (headers_.Spanned) name = VolumeFileName(name, volume);
        if (!FileExists(name)) {
            if (!OnNewDisk) throw EAmblCompress(archive_messages::kNoDiskFile, {std::int64_t{volume}});
            std::string folder = StripBackslash(ExtractFilePath(name));
            OnNewDisk(*this, volume, folder);
            name = AddBackslash(folder) + ExtractFileName(name);
            if (!FileExists(name)) continue;
        }
        std::unique_ptr<Stream> stream =
            readWrite ? std::unique_ptr<Stream>(FileStream::OpenReadWrite(name))
                      : std::unique_ptr<Stream>(FileStream::OpenRead(name));
        if (!stream) throw EAmblCompress(archive_messages::kCannotOpenArchive, {name});
        return stream;
    }
    throw EAmblCompress(archive_messages::kCannotOpenArchive, {name});
}

// ---- SpanToDisks ---------------------------------------------------------------------

void TAmblCompress::SpanToDisks(const std::string& destDir, const std::string& volumeName) {
    Abort = false;
    RunOperation(false, [&] {
        if (!headersLoaded_) LoadHeaders();
        if (headers_.Spanned)
            throw EAmblCompress(archive_messages::kAlreadySpanned, {compressedFile_});
        currentVolume_ = 1;
        headers_.Spanned = true;
        ResetTotals(false);
        // From here on the headers in memory describe the new set, not CompressedFile.
        headersLoaded_ = false;

        const auto source = FileStream::OpenRead(compressedFile_);
        if (!source) throw EAmblCompress(archive_messages::kCannotOpenArchive, {compressedFile_});
        // The first volume carries the extension ".1", so that a reader finds every volume
        // of the set by its number.
        const std::string setName = ExtractFileName(volumeName);
        std::string firstVolume = AddBackslash(destDir) + VolumeFileName(setName, 1);
        if (SameText(firstVolume, compressedFile_))
            throw EAmblCompress(archive_messages::kCannotCreateFile, {firstVolume});
        auto volume = Target(FileStream::Create(firstVolume));
        if (!volume) throw EAmblCompress(archive_messages::kCannotCreateFile, {firstVolume});
        WriteHeaders(*volume);

        std::string folder = destDir;
        for (int i = 0; i < headers_.Count(); ++i) {
            TFileHeaderRecord& header = headers_.GetFileHeaders(i).Header;
            const TFileHeaderRecord sourceEntry = header;
            FillStats(header);
            if (!source->Seek(static_cast<std::int64_t>(Offset) + header.DataOffset))
                throw EAmblCompress(archive_messages::kDataMissing,
                                    {compressedFile_, header.StoredName});
            header.DataOffset = Saturate(volume->Position());
            header.FirstVolume = static_cast<std::uint8_t>(currentVolume_);
            while (CopyChunk(*source, sourceEntry, volume, folder, setName)) {
            }
            header.EndOffset = Saturate(volume->Position() - 1);
            header.LastVolume = static_cast<std::uint8_t>(currentVolume_);
        }
        if (!volume->Flush()) throw EacDiskFull();
        volume.reset();

        auto first = Target(OpenVolume(1, true, firstVolume));
        WriteHeaders(*first);
        if (!first->Flush()) throw EacDiskFull();
    });
}

bool TAmblCompress::CopyChunk(Stream& source, const TFileHeaderRecord& entry,
                              std::unique_ptr<Stream>& volume, std::string& destDir,
                              const std::string& volumeName) {
    if (Abort) throw EacAborted();
    const std::int64_t end = static_cast<std::int64_t>(Offset) + entry.EndOffset;
    const std::int64_t position = source.Position();
    if (position > end) return false;
    unsigned char buffer[kChunk];
    const auto want = static_cast<std::size_t>(std::min<std::int64_t>(kChunk, end - position + 1));
    const std::size_t got = source.Read(buffer, want);
    if (got == 0)
        throw EAmblCompress(archive_messages::kDataMissing, {compressedFile_, entry.StoredName});
    if (ProcessMessages) ProcessMessages();
    const std::size_t written = volume->Write(buffer, got);
    if (written < got) {
        // The disk is full: the rest of the chunk goes to the next one.
        if (!volume->Flush()) throw EacDiskFull();
        volume.reset();
        if (currentVolume_ >= kMaxVolume) throw EAmblCompress(archive_messages::kTooLittleSpace);
        ++currentVolume_;
        if (!OnNewDisk)
            throw EAmblCompress(
                archive_messages::kNoNewDiskHandler);
        OnNewDisk(*this, currentVolume_, destDir);
        const std::string name = AddBackslash(destDir) + VolumeFileName(volumeName, currentVolume_);
        volume = Target(FileStream::Create(name));
        if (!volume) throw EAmblCompress(archive_messages::kCannotCreateFile, {name});
        const std::size_t rest = got - written;
        if (volume->Write(buffer + written, rest) != rest)
            throw EAmblCompress(archive_messages::kTooLittleSpace);
    }
    stats_.FileDone = Saturate(stats_.FileDone + static_cast<std::int64_t>(got));
    stats_.TotalDone = Saturate(stats_.TotalDone + static_cast<std::int64_t>(got));
    stats_.FilePercent = PercentByte(stats_.FileDone, stats_.CompressedSize);
    stats_.TotalPercent = PercentByte(stats_.TotalDone, stats_.TotalCompressed);
    if (OnStatus) OnStatus(*this, stats_);
    return true;
}

// ---- CopyFile ------------------------------------------------------------------------

void TAmblCompress::CopyFile(const std::string& source, const std::string& destination) {
    Abort = false;
    SkipFile = false;
    Offset = 0;
    ExtractDirectory = ExtractFileDir(destination);
    DestName = ExtractFileName(destination);
    std::string dest = destination;
    bool skip = false;
    if (FileExists(dest)) {
        switch (TVersionResource::IsFileNewerByName(source, dest, Overwrite)) {
            case TReplaceDecision::rdFailed:
                throw EAmblCompress(archive_messages::kCompareFailed);
            case TReplaceDecision::rdSame:
            case TReplaceDecision::rdKeep:
                skip = true;
                break;
            case TReplaceDecision::rdReplace: {
                TlzhFileStats local;
                local.FileName = source;
                if (OnReplace) OnReplace(*this, local);
                dest = AddBackslash(ExtractDirectory) + DestName;
                break;
            }
        }
    }
    if (skip || SkipFile) return;

    const std::optional<double> time = FileDateOf(source);
    const auto in = FileStream::OpenRead(source);
    if (!in) throw EAmblCompress(archive_messages::kCannotOpenFile, {source});
    auto out = Target(FileStream::Create(dest));
    if (!out) throw EAmblCompress(archive_messages::kCannotCreateFile, {dest});
    const std::int64_t size = in->Size();
    stats_ = TlzhFileStats{};
    stats_.FileName = source;
    unsigned char buffer[kChunk];
    for (;;) {
        const std::size_t n = in->Read(buffer, sizeof buffer);
        if (Abort) return;
        WriteAll(*out, buffer, n);
        stats_.FileDone = Saturate(stats_.FileDone + static_cast<std::int64_t>(n));
        stats_.TotalDone = Saturate(stats_.TotalDone + static_cast<std::int64_t>(n));
        stats_.FilePercent = PercentByte(stats_.FileDone, static_cast<double>(size));
        stats_.TotalPercent = stats_.FilePercent;
        if (OnStatus) OnStatus(*this, stats_);
        if (ProcessMessages) ProcessMessages();
        if (n < sizeof buffer) break;
    }
    if (!out->Flush()) {
        DoFullDisk();
        throw EacDiskFull();
    }
    out.reset();
    if (time) (void)SetFileDate(dest, *time);
    stats_.Finished = true;
    if (OnStatus) OnStatus(*this, stats_);
}

}  // namespace install

// SpanToDisks: an archive rewritten as a set of volumes, a new disk asked for whenever
// one is full.
#include "install/archive/ambl_compress.h"

#include "install/archive/ambl_compress_internal.h"
#include "install/archive/archive_messages.h"
#include "install/archive/volume_names.h"

namespace install {

using namespace archive_detail;

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

}  // namespace install

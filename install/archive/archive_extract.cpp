// Extract: named entries inflated into the extraction folder, across volumes when the
// archive is a set.
#include "install/archive/ambl_compress.h"

#include "install/archive/ambl_compress_internal.h"
#include "install/archive/archive_messages.h"
#include "install/archive/volume_names.h"

namespace install {

using namespace archive_detail;

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

}  // namespace install

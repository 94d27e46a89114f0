// CopyFile: one file copied without compression under the overwrite rule.
#include "install/archive/ambl_compress.h"

#include "install/archive/ambl_compress_internal.h"
#include "install/archive/archive_messages.h"

namespace install {

using namespace archive_detail;

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

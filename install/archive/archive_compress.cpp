// Compress: adding files to an archive, each as one zlib stream behind its header.
#include "install/archive/ambl_compress.h"

#include <filesystem>

#include "install/archive/ambl_compress_internal.h"
#include "install/archive/archive_messages.h"

namespace install {

using namespace archive_detail;

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

}  // namespace install

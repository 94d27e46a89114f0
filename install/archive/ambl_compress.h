#pragma once
// The installer's archive component: adds files to an archive (Compress), extracts named
// entries (Extract), rewrites an archive as a set of volumes for floppy disks (SpanToDisks)
// and copies plain files under the same overwrite rules (CopyFile). The archive may stand
// alone, sit at Offset inside a self-extracting file, or be a volume set; the layout is in
// file_header.h. Progress, disk changes and replacements are reported through its events.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "install/archive/compression_stream.h"
#include "install/archive/file_header.h"
#include "install/archive/file_stats.h"
#include "install/framework/component.h"
#include "install/framework/file_system.h"
#include "install/version/version_resource.h"

namespace install {

enum class TlzhCommand { lzcOverwrite, lzcOnlyAdd };

class TAmblCompress;
using TNotifyEvent = std::function<void(TAmblCompress& Sender)>;
using TlzhFileStatsEvent = std::function<void(TAmblCompress& AmblCompress, const TlzhFileStats& FileStats)>;
using TlzhNewDiskEvent = std::function<void(TAmblCompress& AmblCompress, int DiskNumber, std::string& Path)>;

class TAmblCompress : public TComponent {
public:
    static constexpr int kUniqueIDCount = 2000;

    explicit TAmblCompress(TComponent* owner = nullptr);

    // Published settings.
    bool Abort = false;  // set (by a Cancel button) to stop at the next progress step
    TCompressionLevel CompressionLevel = TCompressionLevel::colMax;
    std::string ExtractDirectory;
    std::int32_t Offset = 0;  // where the archive starts within CompressedFile
    TOverwriteType Overwrite = TOverwriteType::owAlways;

    [[nodiscard]] const std::string& CompressedFile() const { return compressedFile_; }
    // Moving to another archive (not another volume of the same set) drops loaded headers.
    void SetCompressedFile(const std::string& name);
    [[nodiscard]] const std::vector<std::string>& FilesToProcess() const { return filesToProcess_; }
    // Lines blank after trimming are dropped. Each line is a path, optionally followed by
    // ";" and text that the component ignores.
    void SetFilesToProcess(const std::vector<std::string>& lines);

    TNotifyEvent OnAborted;
    TlzhFileStatsEvent OnBeforeAdding, OnAfterAdding, OnBeforeExtracting, OnReplace, OnStatus;
    TNotifyEvent OnFullDisk;
    TlzhNewDiskEvent OnNewDisk;

    // Public state the events may change.
    std::string DestName;
    bool SkipFile = false;

    // Lets the user interface handle pending messages at every progress step (a Cancel
    // button sets Abort meanwhile).
    std::function<void()> ProcessMessages;
    // Every stream the component writes into (archive, volume, extracted file) passes through
    // here; a floppy drive's limited room is modelled by wrapping it.
    std::function<std::unique_ptr<Stream>(std::unique_ptr<Stream>)> OnOpenTarget;

    // Operations.
    void Compress(bool append, std::int32_t uniqueID);
    void Extract();
    void CopyFile(const std::string& source, const std::string& dest);
    void SpanToDisks(const std::string& destDir, const std::string& volumeName);
    int FileCount();
    TlzhFileStats GetFileStats(int index, TlzhFileStats& stats);
    int IndexOfUniqueID(int id);
    // A write came up short: OnFullDisk when assigned (it may make room; the write is then
    // tried once more), otherwise EacDiskFull.
    virtual void DoFullDisk();

    [[nodiscard]] bool HeadersLoaded() const { return headersLoaded_; }
    [[nodiscard]] const TFileHeaders& Headers() const { return headers_; }
    [[nodiscard]] const TlzhFileStats& Stats() const { return stats_; }

private:
    enum class Operation { none, compressing, extracting };

    void LoadHeaders();
    void ReadHeadersFrom(Stream& archive, std::int64_t at);
    void WriteHeaders(Stream& target);
    void AddFiles(const std::vector<std::string>& lines, bool keep);
    void ResetUniqueIDs() { uniqueIDTable_.fill(0); }
    void ResetTotals(bool clearCompressed);
    void FillStats(const TFileHeaderRecord& header);

    void CompressEntry(Stream& archive, TFileHeader& entry, int index, std::int32_t uniqueID);
    void AddStatus(const TCompressionStream& stream, std::int64_t& reported);
    void ExtractEntry(const std::string& line);
    void InflateEntry(const TFileHeaderRecord& entry, Stream& firstVolume, Stream& dest,
                      std::int64_t& written);
    std::unique_ptr<Stream> OpenVolume(int volume, bool readWrite, std::string& name);
    bool CopyChunk(Stream& source, const TFileHeaderRecord& entry, std::unique_ptr<Stream>& volume,
                   std::string& destDir, const std::string& volumeName);
    void StatusStep();  // abort check and pending messages
    void WriteAll(Stream& target, const void* data, std::size_t count);
    std::unique_ptr<Stream> Target(std::unique_ptr<Stream> stream);
    template <typename Body>
    void RunOperation(bool swallowSilentAbort, Body body);

    std::string compressedFile_;
    std::vector<std::string> filesToProcess_;
    bool headersLoaded_ = false;
    Operation operation_ = Operation::none;
    int currentVolume_ = 0;
    TFileHeaders headers_;
    TlzhFileStats stats_;
    std::array<int, kUniqueIDCount> uniqueIDTable_{};
};

}  // namespace install

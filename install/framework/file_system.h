#pragma once
// The file layer of the installer's portable code: streams over files, and the few file
// system calls the archive and the version reader need. Paths are Windows paths; on another
// host the backslashes become the host's separator here and nowhere else.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace install {

class Stream {
public:
    virtual ~Stream() = default;
    // Both return how many bytes were moved; fewer than asked means end of data or a full disk.
    [[nodiscard]] virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    [[nodiscard]] virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
    [[nodiscard]] virtual bool Seek(std::int64_t position) = 0;
    [[nodiscard]] virtual std::int64_t Position() const = 0;
    [[nodiscard]] virtual std::int64_t Size() const = 0;
    // Hands buffered bytes to the disk; false when the disk refused them.
    [[nodiscard]] virtual bool Flush() { return true; }
};

class FileStream final : public Stream {
public:
    // Each returns null when the file cannot be opened; others may read and write it too.
    static std::unique_ptr<FileStream> OpenRead(const std::string& path);
    static std::unique_ptr<FileStream> OpenReadWrite(const std::string& path);
    static std::unique_ptr<FileStream> Create(const std::string& path);  // truncates
    ~FileStream() override;
    FileStream(const FileStream&) = delete;
    FileStream& operator=(const FileStream&) = delete;

    [[nodiscard]] std::size_t Read(void* buffer, std::size_t count) override;
    [[nodiscard]] std::size_t Write(const void* buffer, std::size_t count) override;
    [[nodiscard]] bool Seek(std::int64_t position) override;
    [[nodiscard]] std::int64_t Position() const override;
    [[nodiscard]] std::int64_t Size() const override;
    [[nodiscard]] bool Flush() override;

private:
    explicit FileStream(std::FILE* file);
    std::FILE* file_;
    bool lastWasWrite_ = false;
    bool lastWasRead_ = false;
};

// A stream that accepts writes only up to `capacity` bytes of its size, as a floppy disk
// does: a write past it is cut short.
class CapacityLimitedStream final : public Stream {
public:
    CapacityLimitedStream(std::unique_ptr<Stream> inner, std::int64_t capacity)
        : inner_(std::move(inner)), capacity_(capacity) {}
    [[nodiscard]] std::size_t Read(void* buffer, std::size_t count) override {
        return inner_->Read(buffer, count);
    }
    [[nodiscard]] std::size_t Write(const void* buffer, std::size_t count) override;
    [[nodiscard]] bool Seek(std::int64_t position) override { return inner_->Seek(position); }
    [[nodiscard]] std::int64_t Position() const override { return inner_->Position(); }
    [[nodiscard]] std::int64_t Size() const override { return inner_->Size(); }
    [[nodiscard]] bool Flush() override { return inner_->Flush(); }

private:
    std::unique_ptr<Stream> inner_;
    std::int64_t capacity_;
};

std::string HostPath(const std::string& path);

[[nodiscard]] bool FileExists(const std::string& path);
[[nodiscard]] bool DirectoryExists(const std::string& path);
// Creates the folder and every missing parent; true when it exists afterwards.
[[nodiscard]] bool ForceDirectories(const std::string& path);
bool DeleteFileAt(const std::string& path);
[[nodiscard]] std::optional<std::int64_t> FileSizeOf(const std::string& path);

// File times as day counts (days since 1899-12-30, the fraction the local time of day),
// with the 2-second resolution of the file system's timestamps.
[[nodiscard]] std::optional<double> FileDateOf(const std::string& path);
[[nodiscard]] bool SetFileDate(const std::string& path, double dayCount);

// Day counts and local calendar times.
double EncodeDayCount(int year, int month, int day, int hour, int minute, int second);

}  // namespace install

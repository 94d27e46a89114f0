#include "brantlow/core/file_system.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace brantlow {
namespace {

FileError ErrorFromErrno() {
    const int code = errno;
    return {code, std::strerror(code)};
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

class StdOutputFile final : public OutputFile {
public:
    explicit StdOutputFile(FilePtr file) : file_(std::move(file)) {}
    bool Write(const void* data, std::size_t size) override {
        if (!file_ || std::fwrite(data, 1, size, file_.get()) == size) return file_ != nullptr;
        error_ = ErrorFromErrno();
        return false;
    }
    bool Close() override {
        if (!file_) return false;
        const bool ok = std::fflush(file_.get()) == 0 && !std::ferror(file_.get());
        if (!ok) error_ = ErrorFromErrno();
        const bool closed = std::fclose(file_.release()) == 0;
        if (ok && !closed) error_ = ErrorFromErrno();
        return ok && closed;
    }
    FileError LastError() const override { return error_; }

private:
    FilePtr file_;
    FileError error_;
};

class StdInputFile final : public InputFile {
public:
    StdInputFile(FilePtr file, std::uint64_t size) : file_(std::move(file)), size_(size) {}
    std::size_t Read(void* data, std::size_t size) override { return std::fread(data, 1, size, file_.get()); }
    std::uint64_t Size() const override { return size_; }

private:
    FilePtr file_;
    std::uint64_t size_;
};

}  // namespace

bool StdFileSystem::Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

bool StdFileSystem::Remove(const std::string& path) { return std::remove(path.c_str()) == 0; }

bool StdFileSystem::Rename(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

std::unique_ptr<OutputFile> StdFileSystem::Create(const std::string& path, FileError& error) {
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        error = ErrorFromErrno();
        return nullptr;
    }
    std::setvbuf(file.get(), nullptr, _IOFBF, 1 << 16);
    return std::make_unique<StdOutputFile>(std::move(file));
}

std::unique_ptr<InputFile> StdFileSystem::Open(const std::string& path, bool forWriting, FileError& error) {
    FilePtr file(std::fopen(path.c_str(), forWriting ? "r+b" : "rb"));
    struct stat info {};
    if (!file || ::stat(path.c_str(), &info) != 0 || (info.st_mode & S_IFMT) != S_IFREG) {
        error = file ? FileError{EISDIR, std::strerror(EISDIR)} : ErrorFromErrno();
        return nullptr;
    }
    std::setvbuf(file.get(), nullptr, _IOFBF, 1 << 16);
    return std::make_unique<StdInputFile>(std::move(file), static_cast<std::uint64_t>(info.st_size));
}

bool ReadWholeFile(FileSystem& files, const std::string& path, std::string& contents, FileError& error) {
    auto file = files.Open(path, false, error);
    if (!file) return false;
    contents.clear();
    char buffer[1 << 16];
    for (std::size_t got; (got = file->Read(buffer, sizeof buffer)) > 0;) contents.append(buffer, got);
    return true;
}

}  // namespace brantlow

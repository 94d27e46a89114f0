#pragma once
// The file operations the bookmark manager's files need, behind one interface so that
// tests can make any step fail. StdFileSystem is the real one (binary mode throughout).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace brantlow {

// A failed operation: the system's error number and its text.
struct FileError {
    int code = 0;
    std::string text;
};

class OutputFile {
public:
    virtual ~OutputFile() = default;
    [[nodiscard]] virtual bool Write(const void* data, std::size_t size) = 0;
    // Flushes and closes; false when anything written did not reach the file.
    [[nodiscard]] virtual bool Close() = 0;
    [[nodiscard]] virtual FileError LastError() const = 0;
};

class InputFile {
public:
    virtual ~InputFile() = default;
    // Reads up to `size` bytes; fewer only at the end of the file or on an error.
    [[nodiscard]] virtual std::size_t Read(void* data, std::size_t size) = 0;
    [[nodiscard]] virtual std::uint64_t Size() const = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    [[nodiscard]] virtual bool Exists(const std::string& path) = 0;
    [[nodiscard]] virtual bool Remove(const std::string& path) = 0;
    [[nodiscard]] virtual bool Rename(const std::string& from, const std::string& to) = 0;
    // Creates or truncates; null with `error` set on failure.
    virtual std::unique_ptr<OutputFile> Create(const std::string& path, FileError& error) = 0;
    // Opens for reading; `forWriting` also demands write access (a read-only file fails).
    virtual std::unique_ptr<InputFile> Open(const std::string& path, bool forWriting, FileError& error) = 0;
};

class StdFileSystem final : public FileSystem {
public:
    bool Exists(const std::string& path) override;
    bool Remove(const std::string& path) override;
    bool Rename(const std::string& from, const std::string& to) override;
    std::unique_ptr<OutputFile> Create(const std::string& path, FileError& error) override;
    std::unique_ptr<InputFile> Open(const std::string& path, bool forWriting, FileError& error) override;
};

// Reads a whole file; false with `error` set when it cannot be opened or read.
[[nodiscard]] bool ReadWholeFile(FileSystem& files, const std::string& path, std::string& contents, FileError& error);

}  // namespace brantlow

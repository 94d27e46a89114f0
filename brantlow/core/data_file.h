#pragma once
// The ".btw" data file. All integers little-endian, no gaps, no trailer:
//   int32 signature   60002 current format, 60001 old format
//   int32 count N
//   N records:
//     current: int32 L1, L1 bytes URL, int32 L2, L2 bytes description, 15 bytes State
//     old:     int32 L1, L1 bytes URL, int32 L2, L2 bytes description, 8 bytes DateAdded
// Bytes after the N-th record are ignored. Every length is checked against what is left
// of the file before anything is allocated.
#include <cstdint>
#include <string>
#include <vector>

#include "brantlow/core/file_system.h"
#include "brantlow/core/url_info.h"

namespace brantlow {

inline constexpr std::int32_t kSignatureCurrent = 60002;
inline constexpr std::int32_t kSignatureOld = 60001;

// Reads the fields of a data file through a buffer, never past the file's size.
class DataFileReader {
public:
    explicit DataFileReader(InputFile& input);
    [[nodiscard]] bool ReadInt32(std::int32_t& value);
    // One record of the current format, or of the old one (its date becomes a fresh State).
    [[nodiscard]] bool ReadRecord(bool oldFormat, std::string& url, std::string& description, TURLState& state);

private:
    bool ReadBytes(void* data, std::size_t size);
    bool ReadText(std::string& text);

    InputFile& input_;
    std::uint64_t remaining_;
    std::vector<char> buffer_;
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
};

// Writes a data file of the current format through a buffer.
class DataFileWriter {
public:
    explicit DataFileWriter(OutputFile& output);
    [[nodiscard]] bool WriteHeader(std::int32_t count);
    [[nodiscard]] bool WriteRecord(const TURLInfo& entry);
    [[nodiscard]] bool Flush();

private:
    void PutInt32(std::int32_t value);
    void Put(const void* data, std::size_t size);

    OutputFile& output_;
    std::string buffer_;
    bool failed_ = false;
};

// An input file held in memory (fuzzing, tests).
class MemoryInputFile final : public InputFile {
public:
    explicit MemoryInputFile(std::string bytes) : bytes_(std::move(bytes)) {}
    std::size_t Read(void* data, std::size_t size) override;
    std::uint64_t Size() const override { return bytes_.size(); }

private:
    std::string bytes_;
    std::size_t position_ = 0;
};

}  // namespace brantlow

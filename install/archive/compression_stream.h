#pragma once
// A write-only stream that deflates what is written to it into a destination stream as one
// zlib stream (method 8, window 15 bits, memory level 8, default strategy). Its 64 KB output
// buffer goes to the destination whole; each time, the progress callback runs.
#include <functional>
#include <memory>
#include <vector>

#include "install/framework/file_system.h"

struct z_stream_s;

namespace install {

enum class TCompressionLevel { colNone, colFastest, colDefault, colMax };
int ZlibLevelOf(TCompressionLevel level);

class TCompressionStream final : public Stream {
public:
    // `flushed` runs after every buffer written to the destination; `writeAll` writes bytes
    // to the destination and raises when it cannot.
    using WriteAll = std::function<void(const unsigned char*, std::size_t)>;
    TCompressionStream(TCompressionLevel level, WriteAll writeAll, std::function<void()> flushed);
    ~TCompressionStream() override;
    TCompressionStream(const TCompressionStream&) = delete;
    TCompressionStream& operator=(const TCompressionStream&) = delete;

    // Reading, and seeking anywhere but the current position, raise "Invalid stream operation".
    [[nodiscard]] std::size_t Read(void* buffer, std::size_t count) override;
    [[nodiscard]] std::size_t Write(const void* buffer, std::size_t count) override;
    [[nodiscard]] bool Seek(std::int64_t position) override;
    [[nodiscard]] std::int64_t Position() const override { return consumed_; }
    [[nodiscard]] std::int64_t Size() const override { return consumed_; }

    // Ends the zlib stream and writes what is left.
    void Finish();
    [[nodiscard]] std::int64_t BytesConsumed() const { return consumed_; }
    [[nodiscard]] std::int64_t BytesProduced() const { return produced_; }

private:
    void FlushOutput(std::size_t count);

    std::unique_ptr<z_stream_s> zstream_;
    std::vector<unsigned char> output_;
    WriteAll writeAll_;
    std::function<void()> flushed_;
    std::int64_t consumed_ = 0;
    std::int64_t produced_ = 0;
    bool finished_ = false;
};

}  // namespace install

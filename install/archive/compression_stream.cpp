#include "install/archive/compression_stream.h"

#include <zlib.h>

#include <algorithm>
#include <climits>

#include "install/archive/archive_errors.h"

namespace install {

namespace {
constexpr std::size_t kOutputBuffer = 65536;
}

int ZlibLevelOf(TCompressionLevel level) {
    switch (level) {
        case TCompressionLevel::colNone: return Z_NO_COMPRESSION;
        case TCompressionLevel::colFastest: return Z_BEST_SPEED;
        case TCompressionLevel::colDefault: return Z_DEFAULT_COMPRESSION;
        case TCompressionLevel::colMax: return Z_BEST_COMPRESSION;
    }
    return Z_BEST_COMPRESSION;
}

TCompressionStream::TCompressionStream(TCompressionLevel level, WriteAll writeAll,
                                       std::function<void()> flushed)
    : zstream_(std::make_unique<z_stream>()),
      output_(kOutputBuffer),
      writeAll_(std::move(writeAll)),
      flushed_(std::move(flushed)) {
    if (deflateInit2(zstream_.get(), ZlibLevelOf(level), Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) < 0)
        throw EZlibError();
    zstream_->next_out = output_.data();
    zstream_->avail_out = static_cast<uInt>(output_.size());
}

TCompressionStream::~TCompressionStream() { deflateEnd(zstream_.get()); }

std::size_t TCompressionStream::Read(void*, std::size_t) {
    throw EAmbrelAbnormal("Invalid stream operation");
}

bool TCompressionStream::Seek(std::int64_t position) {
    if (position != consumed_) throw EAmbrelAbnormal("Invalid stream operation");
    return true;
}

void TCompressionStream::FlushOutput(std::size_t count) {
    writeAll_(output_.data(), count);
    produced_ += static_cast<std::int64_t>(count);
    zstream_->next_out = output_.data();
    zstream_->avail_out = static_cast<uInt>(output_.size());
    if (flushed_) flushed_();
}

std::size_t TCompressionStream::Write(const void* buffer, std::size_t count) {
    const auto* in = static_cast<const unsigned char*>(buffer);
    std::size_t left = count;
    while (left > 0) {
        const auto chunk = static_cast<uInt>(std::min<std::size_t>(left, UINT_MAX));
        zstream_->next_in = const_cast<Bytef*>(in);
        zstream_->avail_in = chunk;
        while (zstream_->avail_in > 0) {
            const uInt before = zstream_->avail_in;
            if (deflate(zstream_.get(), Z_NO_FLUSH) < 0) throw EZlibError();
            consumed_ += before - zstream_->avail_in;
            if (zstream_->avail_out == 0) FlushOutput(output_.size());
        }
        in += chunk;
        left -= chunk;
    }
    return count;
}

void TCompressionStream::Finish() {
    if (finished_) return;
    zstream_->next_in = nullptr;
    zstream_->avail_in = 0;
    for (;;) {
        const int result = deflate(zstream_.get(), Z_FINISH);
        if (result < 0) throw EZlibError();
        if (result == Z_STREAM_END) break;
        if (zstream_->avail_out == 0) FlushOutput(output_.size());
    }
    FlushOutput(output_.size() - zstream_->avail_out);
    finished_ = true;
}

}  // namespace install

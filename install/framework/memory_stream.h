#pragma once
// A stream over bytes in memory: the fuzz targets and tests feed the readers through it.
#include <algorithm>
#include <cstring>
#include <vector>

#include "install/framework/file_system.h"

namespace install {

class MemoryStream final : public Stream {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {}

    [[nodiscard]] std::size_t Read(void* buffer, std::size_t count) override {
        if (position_ >= bytes_.size()) return 0;
        const std::size_t n = std::min(count, bytes_.size() - position_);
        std::memcpy(buffer, bytes_.data() + position_, n);
        position_ += n;
        return n;
    }
    [[nodiscard]] std::size_t Write(const void* buffer, std::size_t count) override {
        if (bytes_.size() < position_ + count) bytes_.resize(position_ + count);
        if (count) std::memcpy(bytes_.data() + position_, buffer, count);
        position_ += count;
        return count;
    }
    [[nodiscard]] bool Seek(std::int64_t position) override {
        if (position < 0) return false;
        position_ = static_cast<std::size_t>(position);
        return true;
    }
    [[nodiscard]] std::int64_t Position() const override { return static_cast<std::int64_t>(position_); }
    [[nodiscard]] std::int64_t Size() const override { return static_cast<std::int64_t>(bytes_.size()); }
    [[nodiscard]] const std::vector<unsigned char>& Bytes() const { return bytes_; }

private:
    std::vector<unsigned char> bytes_;
    std::size_t position_ = 0;
};

}  // namespace install

#include "brantlow/core/data_file.h"

#include <algorithm>
#include <cstring>

namespace brantlow {
namespace {

constexpr std::size_t kBufferSize = 1 << 18;

}  // namespace

DataFileReader::DataFileReader(InputFile& input) : input_(input), remaining_(input.Size()), buffer_(kBufferSize) {}

bool DataFileReader::ReadBytes(void* data, std::size_t size) {
    if (size > remaining_) return false;
    auto* out = static_cast<char*>(data);
    while (size > 0) {
        if (position_ == filled_) {
            filled_ = input_.Read(buffer_.data(), buffer_.size());
            position_ = 0;
            if (filled_ == 0) return false;
        }
        const std::size_t take = std::min(size, filled_ - position_);
        std::memcpy(out, buffer_.data() + position_, take);
        out += take;
        position_ += take;
        size -= take;
        remaining_ -= take;
    }
    return true;
}

bool DataFileReader::ReadInt32(std::int32_t& value) {
    unsigned char bytes[4];
    if (!ReadBytes(bytes, 4)) return false;
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
                                      static_cast<std::uint32_t>(bytes[2]) << 16 |
                                      static_cast<std::uint32_t>(bytes[3]) << 24);
    return true;
}

bool DataFileReader::ReadText(std::string& text) {
    std::int32_t length = 0;
    if (!ReadInt32(length) || length < 0 || static_cast<std::uint64_t>(length) > remaining_) return false;
    text.resize(static_cast<std::size_t>(length));
    return ReadBytes(text.data(), text.size());
}

bool DataFileReader::ReadRecord(bool oldFormat, std::string& url, std::string& description, TURLState& state) {
    if (!ReadText(url) || !ReadText(description)) return false;
    if (!oldFormat) return ReadBytes(state.data(), state.size());
    unsigned char date[8];
    if (!ReadBytes(date, sizeof date)) return false;
    state = TURLState{};
    state[kStateShown] = 1;
    std::memcpy(state.data() + kStateDateAdded, date, sizeof date);
    return true;
}

DataFileWriter::DataFileWriter(OutputFile& output) : output_(output) { buffer_.reserve(kBufferSize + 4096); }

void DataFileWriter::Put(const void* data, std::size_t size) { buffer_.append(static_cast<const char*>(data), size); }

void DataFileWriter::PutInt32(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    const char bytes[4] = {static_cast<char>(bits), static_cast<char>(bits >> 8), static_cast<char>(bits >> 16),
                           static_cast<char>(bits >> 24)};
    Put(bytes, 4);
}

bool DataFileWriter::WriteHeader(std::int32_t count) {
    PutInt32(kSignatureCurrent);
    PutInt32(count);
    return !failed_;
}

bool DataFileWriter::WriteRecord(const TURLInfo& entry) {
    PutInt32(static_cast<std::int32_t>(entry.URL.size()));
    Put(entry.URL.data(), entry.URL.size());
    PutInt32(static_cast<std::int32_t>(entry.Description.size()));
    Put(entry.Description.data(), entry.Description.size());
    Put(entry.State.data(), entry.State.size());
    if (buffer_.size() >= kBufferSize) return Flush();
    return !failed_;
}

bool DataFileWriter::Flush() {
    if (!failed_ && !buffer_.empty()) failed_ = !output_.Write(buffer_.data(), buffer_.size());
    buffer_.clear();
    return !failed_;
}

std::size_t MemoryInputFile::Read(void* data, std::size_t size) {
    const std::size_t take = std::min(size, bytes_.size() - position_);
    std::memcpy(data, bytes_.data() + position_, take);
    position_ += take;
    return take;
}

}  // namespace brantlow

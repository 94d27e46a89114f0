#include "common/png_writer.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace common {
namespace {

void PutBigEndian32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value >> 24));
    out.push_back(static_cast<std::uint8_t>(value >> 16));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

void PutChunk(std::vector<std::uint8_t>& out, const char (&type)[5], const std::uint8_t* data,
              std::size_t size) {
    PutBigEndian32(out, static_cast<std::uint32_t>(size));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    if (size != 0) out.insert(out.end(), data, data + size);
    uLong crc = crc32(0L, out.data() + typeAt, static_cast<uInt>(4 + size));
    PutBigEndian32(out, static_cast<std::uint32_t>(crc));
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const RgbImage& image) {
    const auto width = static_cast<std::size_t>(image.width);
    const auto height = static_cast<std::size_t>(image.height);
    if (image.width <= 0 || image.height <= 0 || image.pixels.size() != width * height * 3)
        throw std::invalid_argument("EncodePng: pixel buffer does not match the image size");

    // Every row starts with its filter byte (0: none).
    const std::size_t rowBytes = width * 3;
    std::vector<std::uint8_t> raw((rowBytes + 1) * height);
    for (std::size_t y = 0; y < height; ++y) {
        std::uint8_t* row = raw.data() + y * (rowBytes + 1);
        row[0] = 0;
        std::copy_n(image.pixels.data() + y * rowBytes, rowBytes, row + 1);
    }

    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()),
                  Z_BEST_SPEED) != Z_OK)
        throw std::runtime_error("EncodePng: compression failed");

    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    PutBigEndian32(header, static_cast<std::uint32_t>(width));
    PutBigEndian32(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, truecolour, deflate, no filter, no interlace
    PutChunk(out, "IHDR", header.data(), header.size());
    PutChunk(out, "IDAT", packed.data(), packedSize);
    PutChunk(out, "IEND", nullptr, 0);
    return out;
}

bool WritePngFile(const std::string& path, const RgbImage& image) {
    const std::vector<std::uint8_t> bytes = EncodePng(image);
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file) return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) return false;
    return std::fclose(file.release()) == 0;
}

}  // namespace common

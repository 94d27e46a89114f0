#include "common/png_writer.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <map>
#include <stdexcept>
#include <string>

namespace {

std::uint32_t ReadBigEndian32(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

// A minimal reader written against the file format, not against the writer.
struct DecodedPng {
    std::uint32_t width = 0, height = 0;
    std::uint8_t bitDepth = 0, colourType = 0;
    std::vector<std::uint8_t> scanlines;  // inflated IDAT data
    std::vector<std::string> chunkOrder;
};

DecodedPng Decode(const std::vector<std::uint8_t>& file) {
    static const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_GE(file.size(), 8u);
    EXPECT_EQ(0, std::memcmp(file.data(), kSignature, 8));
    DecodedPng png;
    std::vector<std::uint8_t> idat;
    std::size_t at = 8;
    while (at + 12 <= file.size()) {
        const std::uint32_t length = ReadBigEndian32(&file[at]);
        const std::string type(reinterpret_cast<const char*>(&file[at + 4]), 4);
        const std::uint8_t* data = &file[at + 8];
        EXPECT_EQ(ReadBigEndian32(data + length), crc32(0, &file[at + 4], length + 4)) << type;
        png.chunkOrder.push_back(type);
        if (type == "IHDR") {
            png.width = ReadBigEndian32(data);
            png.height = ReadBigEndian32(data + 4);
            png.bitDepth = data[8];
            png.colourType = data[9];
        } else if (type == "IDAT") {
            idat.insert(idat.end(), data, data + length);
        }
        at += 12 + length;
    }
    EXPECT_EQ(at, file.size());
    uLongf size = (png.width * 3 + 1) * png.height;
    png.scanlines.resize(size);
    EXPECT_EQ(Z_OK, uncompress(png.scanlines.data(), &size, idat.data(), idat.size()));
    png.scanlines.resize(size);
    return png;
}

TEST(PngWriter, EncodesHeaderChunksAndEveryPixel) {
    common::RgbImage image{3, 2, {}};
    for (int i = 0; i < 18; ++i) image.pixels.push_back(static_cast<std::uint8_t>(i * 13));

    const DecodedPng png = Decode(common::EncodePng(image));

    EXPECT_EQ((std::vector<std::string>{"IHDR", "IDAT", "IEND"}), png.chunkOrder);
    EXPECT_EQ(3u, png.width);
    EXPECT_EQ(2u, png.height);
    EXPECT_EQ(8, png.bitDepth);
    EXPECT_EQ(2, png.colourType);
    ASSERT_EQ(2u * (1 + 9), png.scanlines.size());
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(0, png.scanlines[y * 10]) << "filter byte of row " << y;
        for (int x = 0; x < 9; ++x) EXPECT_EQ(image.pixels[y * 9 + x], png.scanlines[y * 10 + 1 + x]);
    }
}

TEST(PngWriter, RejectsBuffersThatDoNotMatchTheSize) {
    EXPECT_THROW((void)common::EncodePng({2, 2, std::vector<std::uint8_t>(11)}), std::invalid_argument);
    EXPECT_THROW((void)common::EncodePng({0, 0, {}}), std::invalid_argument);
    EXPECT_THROW((void)common::EncodePng({-1, 1, {}}), std::invalid_argument);
}

TEST(PngWriter, WriteFailsOnAnUnwritablePath) {
    EXPECT_FALSE(common::WritePngFile("/no/such/folder/x.png", {1, 1, {1, 2, 3}}));
}

}  // namespace

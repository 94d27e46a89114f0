#pragma once
// Writes 24-bit RGB images as PNG files (one IDAT chunk, no filtering): enough for
// screenshots, which must open in any viewer.
#include <cstdint>
#include <string>
#include <vector>

namespace common {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // rows top to bottom, 3 bytes per pixel (R, G, B)
};

[[nodiscard]] std::vector<std::uint8_t> EncodePng(const RgbImage& image);
[[nodiscard]] bool WritePngFile(const std::string& path, const RgbImage& image);

}  // namespace common

#pragma once
// The progress record the archive component hands to its events.
#include <cstdint>
#include <string>

#include "install/archive/file_header.h"

namespace install {

struct TlzhFileStats {
    std::uint8_t FilePercent = 0;
    std::int32_t FileDone = 0;
    std::string FileName;
    std::int32_t CompressedSize = 0;
    std::int32_t Ratio = 0;
    std::int32_t UncompressedSize = 0;
    TFileHeaderRecord Header;
    bool Finished = false;
    std::uint8_t TotalPercent = 0;
    std::int32_t TotalDone = 0;
    std::int32_t TotalCompressed = 0;
    std::int32_t TotalRatio = 0;
    std::int32_t TotalUncompressed = 0;
};

// 100 x part / whole to the nearest integer, ties to even; 0 when whole is 0.
std::int32_t Percentage(double part, double whole);
std::uint8_t PercentByte(double part, double whole);

}  // namespace install

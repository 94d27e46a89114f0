#pragma once
// What the parts of the archive component share: buffer sizes, small helpers and the
// wrapper every long operation runs in. Only the component's own sources include this.
#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>

#include "install/archive/ambl_compress.h"
#include "install/archive/archive_errors.h"
#include "install/framework/strings.h"

namespace install::archive_detail {

inline constexpr std::size_t kSourceBuffer = 65536;
inline constexpr std::size_t kInflateInput = 65536;
// Inflated bytes go out in 64 KB steps: with smaller steps zlib copies every byte into its
// window once more, which costs about a third of the extraction time.
inline constexpr std::size_t kInflateOutput = 65536;
inline constexpr std::size_t kChunk = 8192;
inline constexpr int kOpenVolumeAttempts = 4;
inline constexpr int kMaxVolume = 255;  // volume numbers are one byte

inline std::int32_t Saturate(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

inline void Put32(unsigned char* p, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}

// The name an entry is written under: the file-name part only, so that no stored name can
// lead outside the extraction folder.
inline bool IsPlainFileName(const std::string& name) {
    return !Trim(name).empty() && name != "." && name != "..";
}

class InflateGuard {
public:
    InflateGuard() {
        if (inflateInit(&stream) < 0) throw EZlibError();
    }
    ~InflateGuard() { inflateEnd(&stream); }
    InflateGuard(const InflateGuard&) = delete;
    InflateGuard& operator=(const InflateGuard&) = delete;
    z_stream stream{};
};

}  // namespace install::archive_detail

namespace install {

template <typename Body>
void TAmblCompress::RunOperation(bool swallowSilentAbort, Body body) {
    try {
        body();
    } catch (const EacAborted&) {
        if (OnAborted) OnAborted(*this);
    } catch (const EAbort&) {
        if (!swallowSilentAbort) {
            Abort = true;
            throw;
        }
    } catch (...) {
        Abort = true;
        throw;
    }
}

}  // namespace install

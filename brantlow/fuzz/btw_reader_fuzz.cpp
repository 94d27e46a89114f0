// The data file reader on any bytes: records are read until the count or the first damaged
// one, and no length in the file decides an allocation beyond what the file holds.
#include <cstddef>
#include <cstdint>
#include <string>

#include "brantlow/core/data_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    brantlow::MemoryInputFile input(std::string(reinterpret_cast<const char*>(data), size));
    brantlow::DataFileReader reader(input);
    std::int32_t signature = 0, count = 0;
    if (!reader.ReadInt32(signature) || !reader.ReadInt32(count)) return 0;
    const bool oldFormat = signature == brantlow::kSignatureOld;
    std::string url, description;
    brantlow::TURLState state{};
    for (std::int32_t i = 0; i < count; ++i)
        if (!reader.ReadRecord(oldFormat, url, description, state)) break;
    return 0;
}

// The self-extracting trailer and the PE version reader over arbitrary bytes.
#include <cstdint>
#include <vector>

#include "install/archive/sfx_trailer.h"
#include "install/framework/memory_stream.h"
#include "install/version/version_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<unsigned char> bytes(data, data + size);
    install::MemoryStream stream(bytes);
    install::TSelfExtractTrailer trailer;
    (void)install::ReadTrailer(stream, trailer);

    auto query = [](const install::VersionData& version) {
        (void)version.Fixed();
        for (const char* key : {"\\StringFileInfo\\040904E4\\CompanyName", "\\StringFileInfo\\040904E4",
                                "\\VarFileInfo\\Translation", "\\", "\\\\\\x\\y\\z\\w\\v\\u\\t\\s\\r"})
            (void)version.QueryString(key);
    };
    if (const auto block = install::ExtractVersionResource(stream))
        if (const auto version = install::ParseVersionResource(*block)) query(*version);
    // The bytes as a version resource of their own.
    if (const auto version = install::ParseVersionResource(bytes)) query(*version);
    return 0;
}

// Loads the headers of an arbitrary archive and extracts every entry it names. Whatever the
// bytes say, the run ends with an exception or with files inside the extraction folder, and
// nothing is written anywhere else.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "install/archive/ambl_compress.h"
#include "install/archive/sfx_trailer.h"
#include "install/framework/memory_stream.h"

namespace fs = std::filesystem;

namespace {

const fs::path& Root() {
    static const fs::path root = [] {
        fs::path path = fs::temp_directory_path() / ("install-archive-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(path);
        return path;
    }();
    return root;
}

void ExtractAll(const std::string& archiveName, std::int32_t offset, const fs::path& out) {
    install::TAmblCompress archive;
    archive.SetCompressedFile(archiveName);
    archive.Offset = offset;
    archive.ExtractDirectory = out.string();
    // Room for what a small input can inflate to, and no more.
    archive.OnOpenTarget = [](std::unique_ptr<install::Stream> s) {
        return std::unique_ptr<install::Stream>(
            std::make_unique<install::CapacityLimitedStream>(std::move(s), 8 << 20));
    };
    try {
        const int count = archive.FileCount();
        std::vector<std::string> names;
        for (int i = 0; i < count && i < 16; ++i)
            names.push_back(archive.Headers().GetFileHeaders(i).Header.StoredName);
        archive.SetFilesToProcess(names);
        archive.Extract();
    } catch (const std::exception&) {
        // Every damaged archive ends in a message.
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path archivePath = Root() / "files.1";
    const fs::path out = Root() / "out";
    {
        std::ofstream file(archivePath, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    ExtractAll(archivePath.string(), 0, out);
    // The same bytes as a self-extracting file: the archive starts where its trailer says.
    install::MemoryStream stream(std::vector<unsigned char>(data, data + size));
    install::TSelfExtractTrailer trailer;
    if (install::ReadTrailer(stream, trailer) && trailer.ArchiveStart > 0)
        ExtractAll(archivePath.string(), trailer.ArchiveStart, out);

    for (const auto& entry : fs::directory_iterator(Root())) {
        if (entry.path() != archivePath && entry.path() != out) std::abort();  // written outside
    }
    std::error_code ignored;
    if (fs::exists(out)) {
        for (const auto& entry : fs::recursive_directory_iterator(out))
            if (entry.is_directory()) std::abort();  // a stored name made a folder
        fs::remove_all(out, ignored);
    }
    return 0;
}

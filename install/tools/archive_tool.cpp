// archive-tool: inspects and makes installer archives with the installer's own code.
//
//   archive-tool list ARCHIVE [--offset N]
//   archive-tool create ARCHIVE [--append] [--uid N] [--level none|fastest|default|max] FILE...
//   archive-tool extract ARCHIVE DIR NAME... [--offset N] [--overwrite always|never|version|date|versiondate]
//   archive-tool span ARCHIVE DIR VOLUMENAME --volume-size BYTES
//   archive-tool trailer FILE
//   archive-tool make-sfx OUT LOADER SETUP1 [FILES1]
//
// Errors print the component's message and end with exit code 1; bad usage ends with 2.
#include <charconv>
#include <cstdio>
#include <exception>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "install/archive/ambl_compress.h"
#include "install/archive/sfx_trailer.h"

namespace {

using install::TAmblCompress;

struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;  // "--offset" -> "12"; flags map to ""

    [[nodiscard]] bool Has(const std::string& name) const { return options.count(name) != 0; }
    [[nodiscard]] std::string Text(const std::string& name, const std::string& fallback) const {
        const auto found = options.find(name);
        return found == options.end() ? fallback : found->second;
    }
};

const std::map<std::string, bool> kOptionTakesValue = {
    {"--offset", true}, {"--append", false}, {"--uid", true}, {"--level", true},
    {"--overwrite", true}, {"--volume-size", true},
};

int Usage() {
    std::fputs(
        "usage:\n"
        "  archive-tool list ARCHIVE [--offset N]\n"
        "  archive-tool create ARCHIVE [--append] [--uid N] [--level none|fastest|default|max] FILE...\n"
        "  archive-tool extract ARCHIVE DIR NAME... [--offset N] [--overwrite always|never|version|date|versiondate]\n"
        "  archive-tool span ARCHIVE DIR VOLUMENAME --volume-size BYTES\n"
        "  archive-tool trailer FILE\n"
        "  archive-tool make-sfx OUT LOADER SETUP1 [FILES1]\n",
        stderr);
    return 2;
}

std::optional<Arguments> Parse(int argc, char** argv) {
    Arguments args;
    for (int i = 2; i < argc; ++i) {
        const std::string word = argv[i];
        const auto option = kOptionTakesValue.find(word);
        if (option == kOptionTakesValue.end()) {
            args.positional.push_back(word);
        } else if (option->second) {
            if (i + 1 >= argc) return std::nullopt;
            args.options[word] = argv[++i];
        } else {
            args.options[word] = "";
        }
    }
    return args;
}

std::optional<long long> Number(const Arguments& args, const std::string& name, long long fallback) {
    const auto found = args.options.find(name);
    if (found == args.options.end()) return fallback;
    long long value = 0;
    const std::string& text = found->second;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string DayCountText(double value) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

int List(TAmblCompress& archive) {
    const int count = archive.FileCount();
    for (int i = 0; i < count; ++i) {
        const install::TFileHeaderRecord& h = archive.Headers().GetFileHeaders(i).Header;
        std::printf("%d\t%d\t%d\t%d\t%s\t%s\t%d\t%d\t%s\n", i, h.UniqueID, h.UncompressedSize,
                    h.CompressedSize, h.FileVersion.c_str(), DayCountText(h.FileDate).c_str(),
                    h.FirstVolume, h.LastVolume, h.StoredName.c_str());
    }
    return 0;
}

std::optional<install::TCompressionLevel> LevelOf(const std::string& name) {
    using install::TCompressionLevel;
    if (name == "none") return TCompressionLevel::colNone;
    if (name == "fastest") return TCompressionLevel::colFastest;
    if (name == "default") return TCompressionLevel::colDefault;
    if (name == "max") return TCompressionLevel::colMax;
    return std::nullopt;
}

std::optional<install::TOverwriteType> OverwriteOf(const std::string& name) {
    using install::TOverwriteType;
    if (name == "always") return TOverwriteType::owAlways;
    if (name == "never") return TOverwriteType::owNever;
    if (name == "version") return TOverwriteType::owVersion;
    if (name == "date") return TOverwriteType::owDate;
    if (name == "versiondate") return TOverwriteType::owVersionDate;
    return std::nullopt;
}

int Run(const std::string& command, const Arguments& args) {
    const auto& p = args.positional;
    TAmblCompress archive;
    const auto offset = Number(args, "--offset", 0);
    if (!offset || *offset < 0 || *offset > INT32_MAX) return Usage();
    archive.Offset = static_cast<std::int32_t>(*offset);

    if (command == "list" && p.size() == 1) {
        archive.SetCompressedFile(p[0]);
        return List(archive);
    }
    if (command == "create" && p.size() >= 2) {
        const auto uid = Number(args, "--uid", 0);
        const auto level = LevelOf(args.Text("--level", "max"));
        if (!uid || !level || *uid < INT32_MIN || *uid > INT32_MAX) return Usage();
        archive.SetCompressedFile(p[0]);
        archive.CompressionLevel = *level;
        archive.SetFilesToProcess({p.begin() + 1, p.end()});
        archive.Compress(args.Has("--append"), static_cast<std::int32_t>(*uid));
        return 0;
    }
    if (command == "extract" && p.size() >= 3) {
        const auto overwrite = OverwriteOf(args.Text("--overwrite", "always"));
        if (!overwrite) return Usage();
        archive.SetCompressedFile(p[0]);
        archive.ExtractDirectory = p[1];
        archive.Overwrite = *overwrite;
        archive.SetFilesToProcess({p.begin() + 2, p.end()});
        archive.Extract();
        return 0;
    }
    if (command == "span" && p.size() == 3) {
        const auto size = Number(args, "--volume-size", 0);
        if (!size || *size <= 0) return Usage();
        archive.SetCompressedFile(p[0]);
        // Each volume takes only so many bytes, as a floppy disk does; the next one is made
        // in the same folder.
        archive.OnOpenTarget = [limit = *size](std::unique_ptr<install::Stream> stream) {
            return std::unique_ptr<install::Stream>(
                std::make_unique<install::CapacityLimitedStream>(std::move(stream), limit));
        };
        archive.OnNewDisk = [](TAmblCompress&, int, std::string&) {};
        archive.SpanToDisks(p[1], p[2]);
        return 0;
    }
    if (command == "trailer" && p.size() == 1) {
        const install::TSelfExtractTrailer t = install::ReadSelfExtractTrailer(p[0]);
        std::printf("%d\t%d\t%d\t%d\n", t.InfoStart, t.InfoEnd, t.ArchiveStart, t.ArchiveEnd);
        return 0;
    }
    if (command == "make-sfx" && (p.size() == 3 || p.size() == 4)) {
        const install::TSelfExtractTrailer t =
            install::MakeSelfExtracting(p[0], p[1], p[2], p.size() == 4 ? p[3] : std::string());
        std::printf("%d\t%d\t%d\t%d\n", t.InfoStart, t.InfoEnd, t.ArchiveStart, t.ArchiveEnd);
        return 0;
    }
    return Usage();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const auto args = Parse(argc, argv);
    if (!args) return Usage();
    try {
        return Run(argv[1], *args);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "archive-tool: %s\n", error.what());
        return 1;
    }
}

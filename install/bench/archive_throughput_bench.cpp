// archive_extract_vs_zlib: extracting a 200 MB archive of text and binary entries, over
// inflating the same zlib streams with zlib and writing them with plain calls.
// archive_compress_vs_zlib: compressing the same files into an archive at the best level,
// over deflating them with zlib at that level and writing the streams with plain calls.
#include <zlib.h>

#include <cstdio>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

#include "benchmarks/bench_support.h"
#include "install/archive/ambl_compress.h"
#include "install/bench/bench_data.h"

namespace {

using install::TAmblCompress;
using install::bench_data::ScratchDir;

constexpr int kEntries = 8;

// The best time of each of two runs, taken in turns (each going first every other round)
// so that both see the same machine.
std::pair<double, double> BestOfEach(int rounds, const std::function<void()>& ours, const std::function<void()>& plain) {
    double bestOurs = 1e300, bestPlain = 1e300;
    for (int i = 0; i < rounds; ++i) {
        if (i % 2) bestPlain = std::min(bestPlain, bench::BestSeconds(1, plain));
        bestOurs = std::min(bestOurs, bench::BestSeconds(1, ours));
        if (i % 2 == 0) bestPlain = std::min(bestPlain, bench::BestSeconds(1, plain));
    }
    return {bestOurs, bestPlain};
}

void DeflateFile(const std::string& source, const std::string& dest) {
    std::FILE* in = std::fopen(source.c_str(), "rb");
    std::FILE* out = std::fopen(dest.c_str(), "wb");
    z_stream z{};
    deflateInit2(&z, 9, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY);
    std::vector<unsigned char> input(1 << 16), output(1 << 16);
    int flush = Z_NO_FLUSH;
    do {
        z.avail_in = static_cast<uInt>(std::fread(input.data(), 1, input.size(), in));
        z.next_in = input.data();
        flush = z.avail_in < input.size() ? Z_FINISH : Z_NO_FLUSH;
        do {
            z.next_out = output.data();
            z.avail_out = static_cast<uInt>(output.size());
            deflate(&z, flush);
            std::fwrite(output.data(), 1, output.size() - z.avail_out, out);
        } while (z.avail_out == 0);
    } while (flush != Z_FINISH);
    deflateEnd(&z);
    std::fclose(in);
    std::fclose(out);
}

void InflateRange(std::FILE* archive, long start, long length, const std::string& dest) {
    std::FILE* out = std::fopen(dest.c_str(), "wb");
    std::fseek(archive, start, SEEK_SET);
    z_stream z{};
    inflateInit(&z);
    std::vector<unsigned char> input(1 << 16), output(1 << 16);
    long left = length;
    int result = Z_OK;
    while (result != Z_STREAM_END && left > 0) {
        z.avail_in = static_cast<uInt>(std::fread(input.data(), 1, static_cast<std::size_t>(std::min<long>(left, 1 << 16)), archive));
        if (z.avail_in == 0) break;
        left -= static_cast<long>(z.avail_in);
        z.next_in = input.data();
        do {
            z.next_out = output.data();
            z.avail_out = static_cast<uInt>(output.size());
            result = inflate(&z, Z_NO_FLUSH);
            std::fwrite(output.data(), 1, output.size() - z.avail_out, out);
        } while (z.avail_out == 0 && result == Z_OK);
    }
    inflateEnd(&z);
    std::fclose(out);
}

}  // namespace

int main() {
    ScratchDir dir("archive-throughput-bench");
    const std::uint64_t entrySize = install::bench_data::Scaled(200ull << 20) / kEntries;
    std::vector<std::string> sources;
    for (int i = 0; i < kEntries; ++i) {
        sources.push_back(dir / ("entry" + std::to_string(i) + (i % 2 ? ".bin" : ".txt")));
        install::bench_data::WriteSample(sources.back(), entrySize, i % 2 == 0, static_cast<std::uint64_t>(i) + 1);
    }
    std::filesystem::create_directories(dir / "out");
    std::filesystem::create_directories(dir / "plain");

    // Compressing at the best level.
    const auto [compress, zlibCompress] = BestOfEach(
        4,
        [&] {
            TAmblCompress archive;
            archive.SetCompressedFile(dir / "files.1");
            archive.CompressionLevel = install::TCompressionLevel::colMax;
            archive.SetFilesToProcess(sources);
            archive.Compress(false, 0);
        },
        [&] {
            for (int i = 0; i < kEntries; ++i)
                DeflateFile(sources[static_cast<std::size_t>(i)], dir / ("plain/z" + std::to_string(i)));
        });
    bench::ReportFigure("archive_compress_vs_zlib", compress / zlibCompress);

    // Extracting every entry.
    TAmblCompress reader;
    reader.SetCompressedFile(dir / "files.1");
    const int count = reader.FileCount();
    const auto [extract, zlibExtract] = BestOfEach(
        5,
        [&] {
            TAmblCompress archive;
            archive.SetCompressedFile(dir / "files.1");
            archive.ExtractDirectory = dir / "out";
            archive.SetFilesToProcess(sources);
            archive.Extract();
        },
        [&] {
            std::FILE* archive = std::fopen((dir / "files.1").c_str(), "rb");
            for (int i = 0; i < count; ++i) {
                const install::TFileHeaderRecord& h = reader.Headers().GetFileHeaders(i).Header;
                InflateRange(archive, h.DataOffset, h.CompressedSize, dir / ("plain/x" + std::to_string(i)));
            }
            std::fclose(archive);
        });
    bench::ReportFigure("archive_extract_vs_zlib", extract / zlibExtract);
}

// archive_extract_peak_mb: peak memory, in MB, of a process that extracts a 1 GB entry.
#include <filesystem>

#include "benchmarks/bench_support.h"
#include "install/archive/ambl_compress.h"
#include "install/bench/bench_data.h"

int main() {
    install::bench_data::ScratchDir dir("archive-memory-bench");
    const std::string source = dir / "large.bin";
    install::bench_data::WriteSample(source, install::bench_data::Scaled(1ull << 30), false, 7);
    {
        install::TAmblCompress archive;
        archive.SetCompressedFile(dir / "files.1");
        archive.CompressionLevel = install::TCompressionLevel::colFastest;
        archive.SetFilesToProcess({source});
        archive.Compress(false, 0);
    }
    std::filesystem::create_directories(dir / "out");
    const double peak = bench::PeakMegabytesOf([&] {
        install::TAmblCompress archive;
        archive.SetCompressedFile(dir / "files.1");
        archive.ExtractDirectory = dir / "out";
        archive.SetFilesToProcess({source});
        archive.Extract();
    });
    bench::ReportFigure("archive_extract_peak_mb", peak);
}

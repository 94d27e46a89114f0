// btw_load_1m_ratio, btw_save_1m_ratio: loading and saving 1,000,000 bookmarks (60-byte
// URLs, 40-byte descriptions), each divided by a plain buffered read or write of the same
// bytes. btw_load_1m_peak_mb: peak memory of a process that loads them.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "benchmarks/bench_support.h"
#include "brantlow/bench/bench_window.h"

namespace {

constexpr int kBookmarks = 1000000;

const std::string kFolder = "/tmp/btw_bench_" + std::to_string(::getpid()) + "/";
const std::string kPage = kFolder + "bench.html";
const std::string kData = kFolder + "bench.btw";
const std::string kPlain = kFolder + "plain.bin";

void PlainRead(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    std::vector<char> buffer(1 << 16);
    while (std::fread(buffer.data(), 1, buffer.size(), file) == buffer.size()) benchmark::DoNotOptimize(buffer.data());
    std::fclose(file);
}

void PlainWrite(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    for (std::size_t at = 0; at < bytes.size(); at += 1 << 16)
        std::fwrite(bytes.data() + at, 1, std::min<std::size_t>(1 << 16, bytes.size() - at), file);
    std::fclose(file);
}

std::string ReadAll(const std::string& path) {
    std::string bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    char buffer[1 << 16];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, got);
    std::fclose(file);
    return bytes;
}

}  // namespace

int main() {
    std::filesystem::create_directories(kFolder);
    {
        std::FILE* page = std::fopen(kPage.c_str(), "wb");  // the page exists: loading does not save
        std::fclose(page);
    }
    double saveSeconds = 0;
    {
        brantlow::bench::BenchManager bench(kPage);
        bench.manager.LoadDataFile();  // names the data file; there is none yet
        bench.manager.URLList().Reserve(kBookmarks);
        for (int i = 0; i < kBookmarks; ++i)
            bench.manager.AddBookmark(brantlow::bench::BenchURL(i), brantlow::bench::BenchDescription(i), 45000.5);
        saveSeconds = bench::BestSeconds(3, [&] {
            if (!bench.manager.WriteDataFile()) std::fprintf(stderr, "save failed\n");
        });
    }
    std::string bytes = ReadAll(kData);
    const double plainWrite = bench::BestSeconds(3, [&] { PlainWrite(kPlain, bytes); });
    const double plainRead = bench::BestSeconds(3, [&] { PlainRead(kPlain); });
    const double fileMegabytes = static_cast<double>(bytes.size()) / 1e6;
    std::string().swap(bytes);  // the measured process must not carry the file's bytes

    // Each load into a fresh collection; freeing the collection afterwards is not timed.
    double loadSeconds = 1e9;
    for (int run = 0; run < 3; ++run) {
        auto bench = std::make_unique<brantlow::bench::BenchManager>(kPage);
        loadSeconds = std::min(loadSeconds, bench::BestSeconds(1, [&] { bench->manager.LoadDataFile(); }));
        if (bench->manager.URLList().Count() != kBookmarks) std::fprintf(stderr, "load failed\n");
    }
    const double peak = bench::PeakMegabytesOf([&] {
        brantlow::bench::BenchManager bench(kPage);
        bench.manager.LoadDataFile();
        benchmark::DoNotOptimize(bench.manager.URLList().Count());
    });
    bench::ReportFigure("btw_load_1m_ratio", loadSeconds / plainRead);
    bench::ReportFigure("btw_save_1m_ratio", saveSeconds / plainWrite);
    bench::ReportFigure("btw_load_1m_peak_mb", peak);
    std::fprintf(stderr, "file %.1f MB, load %.3f s, plain read %.3f s, save %.3f s, plain write %.3f s\n",
                 fileMegabytes, loadSeconds, plainRead, saveSeconds, plainWrite);
    std::filesystem::remove_all(kFolder);
}

// page_write_1m_ratio: the HTML page of 1,000,000 rows, against a plain write of the same
// bytes.
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "benchmarks/bench_support.h"
#include "brantlow/bench/bench_window.h"

int main() {
    const std::string folder = "/tmp/page_bench_" + std::to_string(::getpid()) + "/";
    std::filesystem::create_directories(folder);
    brantlow::bench::BenchManager bench(folder + "bench.html");
    for (int i = 0; i < 1000000; ++i)
        bench.manager.AddBookmark(brantlow::bench::BenchURL(i), i % 3 ? brantlow::bench::BenchDescription(i) + " & co" : "",
                                  45000.5);
    brantlow::PageWriter pages(bench.settings, bench.rows, bench.clock, bench.files, bench.window);
    const double pageSeconds = bench::BestSeconds(3, [&] { pages.WritePage(); });

    std::string bytes;
    {
        std::FILE* file = std::fopen((folder + "bench.html").c_str(), "rb");
        char buffer[1 << 16];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, got);
        std::fclose(file);
    }
    const std::string plain = folder + "plain.html";
    const double plainSeconds = bench::BestSeconds(3, [&] {
        std::FILE* file = std::fopen(plain.c_str(), "wb");
        for (std::size_t at = 0; at < bytes.size(); at += 1 << 16)
            std::fwrite(bytes.data() + at, 1, std::min<std::size_t>(1 << 16, bytes.size() - at), file);
        std::fclose(file);
    });
    bench::ReportFigure("page_write_1m_ratio", pageSeconds / plainSeconds);
    std::fprintf(stderr, "page %.1f MB in %.3f s, plain %.3f s\n", static_cast<double>(bytes.size()) / 1e6, pageSeconds,
                 plainSeconds);
    std::filesystem::remove_all(folder);
}

// import_html_mb_per_s: the import of a 50 MB HTML page of 500,000 anchors, in MB per
// second; import_html_5mb_mb_per_s: the same on a tenth of it. Equal figures show that
// the import takes time in proportion to the size of the page.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "benchmarks/bench_support.h"
#include "brantlow/bench/bench_window.h"
#include "brantlow/exchange/import.h"

namespace {

class QuietPanel final : public brantlow::DescriptionPanel {
public:
    std::string Text() const override { return {}; }
    void Show(const std::string&) override {}
};

// `anchors` anchors of about 100 bytes each, three to a line, every tenth split over two
// lines, under a base address that resolves the relative ones.
std::string MakePage(int anchors) {
    std::string page = "<html><head><title>Links</title><base href=\"http://www.example.com/a/b/index.html\">"
                       "</head><body>\n";
    char text[160];
    for (int i = 0; i < anchors; ++i) {
        const char* split = i % 10 == 0 ? "\n" : " ";
        if (i % 2)
            std::snprintf(text, sizeof text, "<A HREF=\"../pages/page%09d.html\">Page%snumber %09d</A> ", i, split, i);
        else
            std::snprintf(text, sizeof text, "<a href=\"http://site%06d.example.org/doc.html\">Site%s%06d</a>  ", i % 1000000,
                          split, i);
        page += text;
        page += "a few words around the link here ";
        if (i % 3 == 2) page += "<br>\n";
    }
    page += "</body></html>\n";
    return page;
}

double ImportMegabytesPerSecond(const std::string& folder, int anchors) {
    const std::string path = folder + "page.htm";
    const std::string page = MakePage(anchors);
    {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        std::fwrite(page.data(), 1, page.size(), file);
        std::fclose(file);
    }
    double best = 1e30;
    for (int run = 0; run < 3; ++run) {
        auto bench = std::make_unique<brantlow::bench::BenchManager>(folder + "bench.html");
        QuietPanel panel;
        brantlow::ImportChoices choices;
        choices.Files = {path};
        choices.Schemes = bench->settings.Schemes;
        const auto start = std::chrono::steady_clock::now();
        const int added = brantlow::ImportFromFiles(
            choices, {bench->settings, bench->manager, bench->rows, bench->window, panel, bench->window, bench->files,
                      bench->clock});
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (added != anchors) std::fprintf(stderr, "imported %d of %d anchors\n", added, anchors);
        best = std::min(best, seconds);
    }
    const double megabytes = static_cast<double>(page.size()) / 1e6;
    std::fprintf(stderr, "%.1f MB, %d anchors in %.3f s\n", megabytes, anchors, best);
    return megabytes / best;
}

}  // namespace

int main() {
    const std::string folder = "/tmp/import_bench_" + std::to_string(::getpid()) + "/";
    std::filesystem::create_directories(folder);
    const double small = ImportMegabytesPerSecond(folder, 50000);
    const double large = ImportMegabytesPerSecond(folder, 500000);
    bench::ReportFigure("import_html_mb_per_s", large);
    bench::ReportFigure("import_html_5mb_mb_per_s", small);
    std::filesystem::remove_all(folder);
}

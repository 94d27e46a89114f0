// recognize_scaling: "Add multiple" over a text of 10 MB holding 100,000 URLs, timed
// against the same over 1 MB holding 10,000: 10 for a linear recogniser.
#include <cstdio>
#include <string>

#include "benchmarks/bench_support.h"
#include "brantlow/core/url_recognizer.h"

namespace {

// Lines of about 100 bytes: words, a URL, more words.
std::string TextOf(int urls) {
    std::string text;
    text.reserve(static_cast<std::size_t>(urls) * 105);
    char line[160];
    for (int i = 0; i < urls; ++i) {
        std::snprintf(line, sizeof line, "Notes on the site %d, worth a visit: http://www.example.com/a/%08d.html "
                      "(seen twice)\r\n", i, i);
        text += line;
    }
    return text;
}

int AddMultiple(const std::string& text, const brantlow::RecognizerSettings& settings) {
    brantlow::URLScanner scanner(text, settings);
    int found = 0;
    while (scanner.Next(true, true).Found) ++found;
    return found;
}

}  // namespace

int main() {
    brantlow::Settings settings;
    brantlow::RestoreAllDefaults(settings);
    const auto recognizer = brantlow::RecognizerSettings::From(settings);
    const std::string small = TextOf(10000);
    const std::string large = TextOf(100000);
    int foundSmall = 0, foundLarge = 0;
    const double smallSeconds = bench::BestSeconds(5, [&] { foundSmall = AddMultiple(small, recognizer); });
    const double largeSeconds = bench::BestSeconds(3, [&] { foundLarge = AddMultiple(large, recognizer); });
    if (foundSmall != 10000 || foundLarge != 100000) std::fprintf(stderr, "found %d and %d\n", foundSmall, foundLarge);
    bench::ReportFigure("recognize_scaling", largeSeconds / smallSeconds);
    std::fprintf(stderr, "%.1f MB in %.3f s, %.1f MB in %.3f s\n", static_cast<double>(small.size()) / 1e6, smallSeconds,
                 static_cast<double>(large.size()) / 1e6, largeSeconds);
}

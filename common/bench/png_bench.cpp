// png_encode_mb_per_s: how fast a 1280x1024 screenshot becomes a PNG file image.
#include "benchmarks/bench_support.h"
#include "common/png_writer.h"

int main() {
    common::RgbImage image{1280, 1024, {}};
    image.pixels.resize(1280u * 1024u * 3u);
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = static_cast<std::uint8_t>((i / 3 % 1280) ^ (i / 3840));

    const double seconds = bench::BestSeconds(5, [&] { benchmark::DoNotOptimize(common::EncodePng(image)); });
    bench::ReportFigure("png_encode_mb_per_s", static_cast<double>(image.pixels.size()) / 1e6 / seconds);
}

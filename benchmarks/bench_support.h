#pragma once
// Benchmarks of the portable code report figures, one line each: "name: value". Ratios
// compare our code with a plain baseline measured in the same run, so the figure means the
// same on a slow machine and a fast one.
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <string_view>

namespace bench {

// The fastest of `repetitions` runs, in seconds: the least disturbed by the rest of the machine.
double BestSeconds(int repetitions, const std::function<void()>& run);

// Peak resident memory, in MB, of a child process that runs `work` and exits.
double PeakMegabytesOf(const std::function<void()>& work);

void ReportFigure(std::string_view name, double value);

}  // namespace bench

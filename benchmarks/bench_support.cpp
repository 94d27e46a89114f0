#include "benchmarks/bench_support.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace bench {

double BestSeconds(int repetitions, const std::function<void()>& run) {
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < repetitions; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        benchmark::ClobberMemory();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

double PeakMegabytesOf(const std::function<void()>& work) {
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        work();
        std::_Exit(0);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return -1;
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KB on Linux
}

void ReportFigure(std::string_view name, double value) {
    std::printf("%.*s: %.3f\n", static_cast<int>(name.size()), name.data(), value);
    std::fflush(stdout);
}

}  // namespace bench

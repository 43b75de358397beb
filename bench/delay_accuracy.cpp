// How long a pause of k counts really lasts, against floor(k) + 1 microseconds.
#include "busy_counter.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

int main() {
    using Clock = std::chrono::steady_clock;
    drovane::BusyCounter counter;
    std::printf("%12s %10s %6s %14s %14s %14s %12s\n", "k", "expected", "runs", "median us", "worst us",
                "median error", "goal");
    for (const float k : {0.0f, 420.0f, 80'000.0f, 1'000'000.0f}) {
        const std::int64_t counts = drovane::pauseCounts(k);
        const int runs = k >= 1'000'000 ? 20 : k >= 80'000 ? 100 : 2000;
        std::vector<double> lasted;
        for (int run = 0; run < runs; ++run) {
            const auto start = Clock::now();
            counter.count(counts);
            lasted.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        }
        std::sort(lasted.begin(), lasted.end());
        const double median = lasted[lasted.size() / 2];
        const double allowed = 0.005 * static_cast<double>(counts) + 50.0;
        const double error = median - static_cast<double>(counts);
        std::printf("%12.0f %10lld %6d %14.1f %14.1f %+14.2f %12s\n", k, static_cast<long long>(counts), runs, median,
                    lasted.back(), error, std::abs(error) <= allowed ? "met" : "MISSED");
    }
}

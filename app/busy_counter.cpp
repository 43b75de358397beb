#include "busy_counter.h"

#include <algorithm>
#include <chrono>

namespace drovane {

void BusyCounter::count(std::int64_t counts) {
    using Clock = std::chrono::steady_clock;
    // Spin in chunks so that no duration overflows the clock's nanoseconds.
    constexpr std::int64_t kChunk = 1'000'000'000'000; // about eleven days
    while (counts > 0) {
        const std::int64_t chunk = std::min(counts, kChunk);
        const Clock::time_point end = Clock::now() + std::chrono::microseconds(chunk);
        while (Clock::now() < end) {
        }
        counts -= chunk;
    }
}

} // namespace drovane

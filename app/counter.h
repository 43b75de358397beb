#pragma once

#include <cstdint>

namespace drovane {

// Paces the animation. One count is one microsecond of busy work: the thread
// never sleeps, yields or handles input while counting.
class Counter {
public:
    virtual ~Counter() = default;
    virtual void count(std::int64_t counts) = 0;
};

// The counts a pause of `k` makes: the counter runs from 0 while it is not
// above k, so floor(k) + 1 for k >= 0 and none below.
std::int64_t pauseCounts(float k);

} // namespace drovane

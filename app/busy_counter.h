#pragma once

#include "counter.h"

namespace drovane {

// Counts by spinning on the monotonic clock, so a count lasts one microsecond
// on every machine.
class BusyCounter : public Counter {
public:
    void count(std::int64_t counts) override;
};

} // namespace drovane

#include "counter.h"

#include <cmath>
#include <limits>

namespace drovane {

std::int64_t pauseCounts(float k) {
    if (!(k >= 0.0f)) // also refuses NaN
        return 0;
    const double counts = std::floor(static_cast<double>(k)) + 1.0;
    constexpr auto kMost = std::numeric_limits<std::int64_t>::max();
    return counts >= static_cast<double>(kMost) ? kMost : static_cast<std::int64_t>(counts);
}

} // namespace drovane

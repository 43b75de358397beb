#pragma once

#include <chrono>

namespace drovane::e2e {

using Clock = std::chrono::steady_clock;
using Millis = std::chrono::milliseconds;

} // namespace drovane::e2e

#include "frame.h"

namespace drovane {

Frame::Frame() : black_(static_cast<std::size_t>(kWidth) * kHeight, 0) {}

} // namespace drovane

#pragma once

#include "frame.h"

namespace drovane {

// The mechanism at cam position `position` (0..17, 20 degrees apart) with
// setting `set` (0: large valve lift, 1: small). The same bytes on every run.
Frame drawMechanismFrame(int set, int position);

} // namespace drovane

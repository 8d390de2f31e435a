// The wait that paces the animations.
#pragma once

#include "platform/clock.h"

namespace banzuri {

// Blocks for `seconds` of the clock's time of day, safe across midnight; sleeps, never spins.
void 待ち時間(Clock& clock, double seconds);

}  // namespace banzuri

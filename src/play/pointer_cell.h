// The grid cell under a point of the client area.
#pragma once

#include <cmath>

namespace banzuri {

// Cells far outside the window all mean "no target".
inline int cell_of(double twips, double origin, double size) {
    const double cell = std::floor((twips - origin) / size);
    if (!(cell > -100 && cell < 100)) return -100;  // also for a position that is no number
    return static_cast<int>(cell);
}

inline bool on_board(int cx, int cy) {
    return cx >= 1 && cx <= 9 && cy >= 1 && cy <= 9;
}

}  // namespace banzuri

// The window as it looks after start-up, for the snapshot tool, the render benchmark and the
// picture tests.
#pragma once

#include "app/qt_canvas.h"
#include "rules/pieces.h"  // the background codes

namespace banzuri::app {

// Draws the starting position with one background (and the clocks at zero when `clocks`) on
// the canvas through the game's own full redraw.
void draw_start_window(QtCanvas& canvas, int background, bool clocks = true);

}  // namespace banzuri::app

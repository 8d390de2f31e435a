// The grid every drawing position is given in, the window's client area and the palette.
#pragma once

#include "rules/move_type.h"
#include "rules/pieces.h"

namespace banzuri {

// Palette indexes.
inline constexpr int COLOUR_BLACK = 0;
inline constexpr int COLOUR_NAVY = 1;
inline constexpr int COLOUR_GREEN = 2;
inline constexpr int COLOUR_LIGHT_RED = 12;
inline constexpr int COLOUR_LIGHT_YELLOW = 14;
inline constexpr int COLOUR_MAROON = 4;
inline constexpr int COLOUR_PURPLE = 5;
inline constexpr int COLOUR_WHITE = 15;

// Marks on squares: outlines three pixels wide (at the natural size) in dark inks that stand
// out from the pale wood of the squares on every background.
inline constexpr int COLOUR_MARK_PICKED = COLOUR_MAROON;     // the piece picked up
inline constexpr int COLOUR_MARK_GUIDANCE = COLOUR_NAVY;     // destinations, inspected, hint
inline constexpr int COLOUR_MARK_LAST_MOVE = COLOUR_PURPLE;  // the move that led here
inline constexpr int COLOUR_MARK_CAPTURE = COLOUR_BLACK;     // what a move would take
// The inner lines of a mark lie this many twips (one pixel) inside each other.
inline constexpr double MARK_LINE_TWIPS = 15;
inline constexpr int MARK_LINES = 3;

// Grid geometry in twips: cell (gx, gy) has its corner at X = board_left + gx * cell_width,
// Y = board_top + gy * cell_height.
inline constexpr double board_left = 1300;
inline constexpr double board_top = 100;
inline constexpr double cell_width = 615;
inline constexpr double cell_height = 690;

// The window's client area.
inline constexpr double TWIPS_PER_PIXEL = 15;
inline constexpr double CLIENT_WIDTH_TWIPS = 11475;
inline constexpr double CLIENT_HEIGHT_TWIPS = 8190;
// The same in pixels at 96 dpi (765 x 546): the window's natural size.
inline constexpr int CLIENT_WIDTH_PIXELS = static_cast<int>(CLIENT_WIDTH_TWIPS / TWIPS_PER_PIXEL);
inline constexpr int CLIENT_HEIGHT_PIXELS = static_cast<int>(CLIENT_HEIGHT_TWIPS / TWIPS_PER_PIXEL);

// The hands beside the board: the lower side's slots in column 11, rows kind + 2; the upper
// side's in column -1, rows 8 - kind.
inline constexpr int HAND_LOWER_COLUMN = 11;
inline constexpr int HAND_UPPER_COLUMN = -1;

// A cell a piece is picked up from, as the rules take a move's source: a hand slot is a drop
// (DROP_COLUMN, the hand kind as its row); a square stays as it is.
inline Square rules_source(int fx, int fy) {
    if (fx == HAND_LOWER_COLUMN) return {DROP_COLUMN, fy - 2};
    if (fx == HAND_UPPER_COLUMN) return {DROP_COLUMN, 8 - fy};
    return {fx, fy};
}

inline double grid_x(double gx) {
    return board_left + gx * cell_width;
}
inline double grid_y(double gy) {
    return board_top + gy * cell_height;
}

}  // namespace banzuri

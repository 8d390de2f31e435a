// What the window's drawing surface offers the game: pictures, outlines, fills, text, refresh.
// Coordinates are twips of the client area (15 twips per pixel at 96 dpi); colours are indexes
// 0..15 of the 16-colour palette.
#pragma once

#include <string>

namespace banzuri {

class Canvas {
  public:
    virtual ~Canvas() = default;
    // The picture selected by `code` (piece code, EMPTY, animation frame, title, background)
    // at its natural size, top-left corner at (x, y). Codes without a picture draw nothing.
    virtual void draw_picture(int code, double x, double y) = 0;
    // One-pixel outline of the rectangle (x1, y1)-(x2, y2); the inside is not touched.
    virtual void draw_box(int colour, double x1, double y1, double x2, double y2) = 0;
    // Filled rectangle (x1, y1)-(x2, y2), edges included.
    virtual void fill_box(int colour, double x1, double y1, double x2, double y2) = 0;
    // A wash of the colour over the rectangle (x1, y1)-(x2, y2), edges included: what lies
    // under it still shows through, tinted.
    virtual void tint_box(int colour, double x1, double y1, double x2, double y2) = 0;
    // UTF-8 text whose first character cell has its top-left corner at (x, y); only the glyphs
    // are painted. Size in points.
    virtual void draw_text(const std::string& text, double x, double y, int colour, double size,
                           bool bold) = 0;
    // The black shadow of a text whose glyphs draw_text puts at (x, y): the same glyphs,
    // one pixel down and to the right at the client area's own size, in proportion when the
    // view is larger, but never more than two pixels, so it stays a shadow at any size.
    virtual void draw_shadow(const std::string& text, double x, double y, double size,
                             bool bold) = 0;
    // Shows what has been drawn at once, even while a handler blocks.
    virtual void refresh() = 0;
};

}  // namespace banzuri

// The six drawing primitives: grid positions become twips, palette indexes pass through.
#include <string>
#include <utility>

#include "render/board_painter.h"
#include "render/labels.h"

namespace banzuri {

namespace {
// A label's text starts this far (twips) right of and below its grid position.
constexpr double kLabelDx = 120;
constexpr double kLabelDy = 160;
}  // namespace

BoardPainter::BoardPainter(Canvas& canvas, const GameState& g, const ViewState& view,
                           const Options& options)
    : canvas_(canvas), g_(g), view_(view), options_(options) {}

void BoardPainter::描画_絵(int code, double gx, double gy) {
    if (!has_picture(code)) return;
    canvas_.draw_picture(code, grid_x(gx), grid_y(gy));
    note_picture(code, gx, gy);
}

void BoardPainter::描画_四角形(double gx, double gy, double dx, double dy, int colour) {
    const double x = grid_x(gx);
    const double y = grid_y(gy);
    canvas_.fill_box(colour, x, y, x + dx, y + dy);
}

void BoardPainter::描画_数値(double gx, double gy, int value, int colour, int mode, double size) {
    const std::string text = number_text(value, mode, view_.language);
    if (text.empty()) return;
    canvas_.draw_text(text, grid_x(gx), grid_y(gy), colour, size, font_bold_);
}

void BoardPainter::描画_数値(double gx, double gy, const std::string& text, int colour, int mode,
                             double size) {
    if (mode != 0 || text.empty()) return;
    canvas_.draw_text(text, grid_x(gx), grid_y(gy), colour, size, font_bold_);
}

void BoardPainter::描画_文字列(double gx, double gy, int code, int colour, double size) {
    const std::string text = label_text(code, view_.language);
    if (text.empty()) return;
    canvas_.draw_text(text, grid_x(gx) + kLabelDx, grid_y(gy) + kLabelDy, colour, size, font_bold_);
}

void BoardPainter::shadowed_label(double gx, double gy, int code, int colour, double size) {
    const std::string text = label_text(code, view_.language);
    if (text.empty()) return;
    canvas_.draw_shadow(text, grid_x(gx) + kLabelDx, grid_y(gy) + kLabelDy, size, font_bold_);
    描画_文字列(gx, gy, code, colour, size);
}

void BoardPainter::shadowed_text(double gx, double gy, const std::string& text, int colour,
                                 double size) {
    if (text.empty()) return;
    canvas_.draw_shadow(text, grid_x(gx), grid_y(gy), size, font_bold_);
    描画_数値(gx, gy, text, colour, 0, size);
}

void BoardPainter::shadowed_number(double gx, double gy, int value, int colour, int mode,
                                   double size) {
    shadowed_text(gx, gy, number_text(value, mode, view_.language), colour, size);
}

void BoardPainter::refresh() {
    canvas_.refresh();
}

void BoardPainter::fill_client_area() {
    canvas_.fill_box(board_colour_, 0, 0, CLIENT_WIDTH_TWIPS, CLIENT_HEIGHT_TWIPS);
}

void BoardPainter::reset_colours() {
    text_colour_ = COLOUR_WHITE;
    board_colour_ = COLOUR_GREEN;
    grid_colour_ = board_colour_;
    guidance_colour_ = grid_colour_;
}

}  // namespace banzuri

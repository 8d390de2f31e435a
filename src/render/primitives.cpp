// The six drawing primitives: grid positions become twips, palette indexes pass through.
#include <string>

#include "play/main_form.h"
#include "render/labels.h"

namespace banzuri {

namespace {
double grid_x(double gx) {
    return board_left + gx * cell_width;
}
double grid_y(double gy) {
    return board_top + gy * cell_height;
}
}  // namespace

void MainForm::描画_絵(int code, double gx, double gy) {
    if (!has_picture(code)) return;
    p.canvas.draw_picture(code, grid_x(gx), grid_y(gy));
}

void MainForm::描画_桝輪郭(int colour, double gx, double gy) {
    const double x = grid_x(gx);
    const double y = grid_y(gy);
    p.canvas.draw_box(colour, x, y, x + cell_width, y + cell_height);
}

void MainForm::描画_四角形(double gx, double gy, double dx, double dy, int colour) {
    const double x = grid_x(gx);
    const double y = grid_y(gy);
    p.canvas.fill_box(colour, x, y, x + dx, y + dy);
}

void MainForm::描画_数値(double gx, double gy, int value, int colour, int mode, double size) {
    // A number takes the place of its sign: a blank before it, or the minus sign.
    const std::string digits =
        value < 0 ? std::to_string(value) : std::string(" ").append(std::to_string(value));
    const std::string text = mode == 0 ? digits : kanji_numeral(value);
    if (text.empty()) return;
    p.canvas.draw_text(text, grid_x(gx), grid_y(gy), colour, size, font_bold);
}

void MainForm::描画_数値(double gx, double gy, const std::string& text, int colour, int mode,
                         double size) {
    if (mode != 0 || text.empty()) return;
    p.canvas.draw_text(text, grid_x(gx), grid_y(gy), colour, size, font_bold);
}

void MainForm::描画_文字列(double gx, double gy, int code, int colour, double size) {
    const std::string text = label_text(code);
    if (text.empty()) return;
    p.canvas.draw_text(text, grid_x(gx) + 120, grid_y(gy) + 160, colour, size, font_bold);
}

void MainForm::refresh() {
    p.canvas.refresh();
}

}  // namespace banzuri

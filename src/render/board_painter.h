// The board painter: every drawing procedure of the window, from the six primitives to the
// whole-window redraw. It is handed the canvas and read-only views of the position shown, of what
// the window shows beside it and of the options; it only draws (the pauses of an animation and the
// message boxes are the game's).
#pragma once

#include <array>
#include <optional>
#include <string>

#include "render/canvas.h"
#include "render/geometry.h"
#include "render/labels.h"
#include "rules/game.h"
#include "rules/game_state.h"
#include "settings/options.h"
#include "settings/texts.h"

namespace banzuri {

// What the window shows beyond the game itself: kept by the window, read by the painter.
struct ViewState {
    bool handicap_shown = false;      // the handicap level is on the screen (the ladder was used)
    bool board_reversed = false;      // the board has been flipped since the game was set up
    bool last_move_highlight = true;  // the squares of the last move are marked
    std::optional<Move> last_move;    // the move that led to the position shown
    Language language = Language::JAPANESE;  // of the labels and move texts drawn
};

class BoardPainter {
  public:
    BoardPainter(Canvas& canvas, const GameState& g, const ViewState& view, const Options& options);

    // ---- drawing primitives (grid positions, palette colours) -----------------------------
    void 描画_絵(int code, double gx, double gy);
    void 描画_桝輪郭(int colour, double gx, double gy);
    void 描画_四角形(double gx, double gy, double dx, double dy, int colour);
    void 描画_数値(double gx, double gy, int value, int colour, int mode, double size);
    void 描画_数値(double gx, double gy, const std::string& text, int colour, int mode,
                   double size);
    void 描画_文字列(double gx, double gy, int code, int colour, double size);
    void refresh();
    // The window's back colour: the whole client area in the board colour.
    void fill_client_area();

    // ---- board, hands and background --------------------------------------------------------
    void 描画_盤();
    void 描画_将棋盤桝();
    void 描画_自持盤();
    void 描画_敵持盤();
    void 描画_背景(int code);
    void 画面_再描画();

    // ---- status and move overlays -----------------------------------------------------------
    void tile(double gx, double gy);  // repaint one cell with the background picture
    void 描画_桝_数値();
    // "N手目": the number ends before its suffix, which moves right for numbers of more than
    // three digits; the cells (13, 3) to (16, 3) are cleared first.
    void 描画_手数(int number, int colour);
    // The level replaces the one shown: "LEVEL" and the digit's cells are cleared first.
    void 描画_レベル(int level);
    void 描画_ハンデレベル(int handicap);
    // Clears the label's row and puts back the banner above it, whose bottom edge reaches into
    // that row.
    void 消去_ハンデレベル();
    void 描画_所有時間(int side, double seconds);
    void 消去_所有時間(int side);
    // "思考中" with its shadow where the upper side's last move is shown.
    void 描画_思考中();
    void 消去_思考中();
    // The move text "３ 六 歩"; a drop's piece name is followed by "打". In English "G-5h", with
    // the square the piece came from when `from` is given ("G6i-5h").
    void 描画_移動結果(int side, int x, int y, int code, int colour, bool drop = false,
                       std::optional<Square> from = std::nullopt);
    // The same for a move played, `code` standing on its destination: in English with the square
    // it came from when another piece of its kind could have gone there too.
    void 描画_移動結果(int side, const PlayedMove& m, int code, int colour);
    void 消去_移動結果(int side);
    void 描画_移動駒種類(double gx, double gy, const std::string& text, int colour);
    void 描画_移動可能桝色(int fx, int fy, int colour, int code);
    // One frame of the blink of a piece about to move: `shown` (the piece or nothing) on
    // (x, y), outlined, shown at once.
    void blink_frame(int shown, int x, int y);
    void 描画_棋譜読込み部分消去();
    // Outlines every square and hand slot in the grid colour, which removes shown destinations.
    void redraw_all_outlines();

    // ---- marks on squares (render/marks.cpp) ----------------------------------------------
    // A cell (board square or hand slot) carries a mark drawn by 描画_桝輪郭.
    bool marked(int gx, int gy) const;
    // The cell as it was before any mark: its last picture and its outline in the grid colour.
    void restore_cell(int gx, int gy);
    // Marks the from and to squares (a drop: the to square) of the view's last move when the
    // highlight is on, after taking away the marks of the last move marked before.
    void 描画_最終手();
    // The number of pieces a move onto (gx, gy) would take, written on that empty square.
    void 描画_取り数(int gx, int gy, int count);

    // ---- the animation frames of a capture ------------------------------------------------
    // One picture on (x, y) with its outline, shown at once.
    void frame(int picture, int x, int y);

    // ---- colours ------------------------------------------------------------------------------
    // Back to the start-up colours: white text; board, grid and guidance green.
    void reset_colours();
    int board_colour() const { return board_colour_; }
    int grid_colour() const { return grid_colour_; }
    // Outlines of move guidance and of an inspected piece.
    int guidance_colour() const { return guidance_colour_; }
    void set_guidance_colour(int colour) { guidance_colour_ = colour; }
    int text_colour() const { return text_colour_; }
    bool font_bold() const { return font_bold_; }

  private:
    static constexpr int kMarkColumns = 13;  // cells -1..11
    static constexpr int kMarkRows = 11;     // rows 0..10
    static int cell_index(double gx, double gy);
    void note_picture(int code, double gx, double gy);
    void mark_last_move_square(int gx, int gy);
    void draw_hand_slot(double slot_x, int row, int piece, int count);
    // A text over its shadow, the text's own top-left corner at (gx, gy).
    void shadowed_text(double gx, double gy, const std::string& text, int colour, double size);
    void shadowed_number(double gx, double gy, int value, int colour, int mode, double size);
    void shadowed_label(double gx, double gy, int code, int colour, double size);

    Canvas& canvas_;
    const GameState& g_;
    const ViewState& view_;
    const Options& options_;
    int board_colour_ = COLOUR_GREEN;
    int grid_colour_ = COLOUR_GREEN;
    int guidance_colour_ = COLOUR_GREEN;
    int text_colour_ = COLOUR_WHITE;
    bool font_bold_ = false;
    // What each cell beside and on the board last showed, and whether a mark lies on it.
    std::array<int, kMarkColumns * kMarkRows> cell_picture_{};
    std::array<bool, kMarkColumns * kMarkRows> cell_marked_{};
    std::optional<Move> marked_last_move_;  // the last move as it was marked
};

}  // namespace banzuri

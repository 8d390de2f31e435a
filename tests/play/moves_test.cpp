// A move on the window, played with the mouse: how the piece is drawn moving, and the animated
// captures that follow it, in their order.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/recording_platform.h"
#include "render/board_painter.h"
#include "render/pictures.h"

namespace banzuri {
namespace {

using testing::FakeWindow;
using testing::Log;
using testing::num;
using testing::Position;

std::string pic(int code, int gx, int gy) {
    return "picture " + num(code) + " " + num(board_left + gx * cell_width) + " " +
           num(board_top + gy * cell_height);
}

std::string box(int colour, int gx, int gy) {
    const double x = board_left + gx * cell_width;
    const double y = board_top + gy * cell_height;
    return "box " + num(colour) + " " + num(x) + " " + num(y) + " " + num(x + cell_width) + " " +
           num(y + cell_height);
}

const std::string kPieceSound = "dsPlay 3";

// A started window in which a test opens its position and plays a move with the mouse.
struct Window : FakeWindow {
    Window() { start_up(); }
    // A click in the middle of cell (cx, cy).
    void click(int cx, int cy) {
        form.Form_MouseDown(MOUSE_LEFT, 0, board_left + (cx + 0.5) * cell_width,
                            board_top + (cy + 0.5) * cell_height);
    }
    void move(int fx, int fy, int tx, int ty) {
        click(fx, fy);
        click(tx, ty);
    }
    // What came after the piece landed (its sound) and before the move number was drawn: the
    // captures.
    Log captures() const {
        const auto landed = std::find(log.begin(), log.end(), kPieceSound);
        const auto number = std::find(landed, log.end(), pic(form.options().background(), 13, 3));
        return landed == log.end() ? Log{} : Log(landed + 1, number);
    }
    // The `n` lines before the piece's sound: the piece drawn moving.
    Log moving(std::size_t n) const {
        const auto landed = std::find(log.begin(), log.end(), kPieceSound);
        if (landed - log.begin() < static_cast<std::ptrdiff_t>(n)) return {};
        return Log(landed - static_cast<std::ptrdiff_t>(n), landed);
    }
};

double waited(const Log& log) {
    double total = 0;
    for (const auto& line : log)
        if (line.rfind("sleep ", 0) == 0) total += std::stod(line.substr(6));
    return total;
}

std::size_t count(const Log& log, const std::string& prefix) {
    return static_cast<std::size_t>(std::count_if(
        log.begin(), log.end(), [&](const auto& line) { return line.rfind(prefix, 0) == 0; }));
}

// What redrawing the lower hand, then the upper hand, draws for these hands, by a painter in
// the state the window's is in after start-up.
Log hands_drawn(const GameState& state, bool lower = true, bool upper = true) {
    Log log;
    testing::FakeCanvas canvas{log};
    testing::FakeDialogs dialogs{log};
    testing::FakeMenu menu;
    Options options(menu, dialogs, {});
    GameState hands;
    hands.hand_own = state.hand_own;
    hands.hand_enemy = state.hand_enemy;
    const ViewState view;
    BoardPainter painter(canvas, hands, view, options);
    painter.画面_再描画();  // as at start-up: the bold font
    log.clear();
    if (lower) painter.描画_自持盤();
    if (upper) painter.描画_敵持盤();
    return log;
}

void append(Log& out, const Log& more) {
    out.insert(out.end(), more.begin(), more.end());
}

// The puff that ends every removal: two frames and the empty square, each waited on.
void append_puff(Log& out, int colour, int x, int y, const std::string& wait) {
    for (int picture : {PIC_PA1, PIC_PA2, static_cast<int>(EMPTY)}) {
        out.push_back(pic(picture, x, y));
        out.push_back(box(colour, x, y));
        out.push_back("refresh");
        out.push_back(wait);
    }
}

TEST(SandwichAnimation, OneUpperPieceInOrder) {
    Window w;
    w.lay_out(Position::empty()
                  .put(1, 9, LOWER_OU)
                  .put(9, 1, UPPER_OU)
                  .put(5, 6, LOWER_KIN)
                  .put(5, 4, UPPER_KAKU_NARI)
                  .put(5, 3, LOWER_HU));
    w.move(5, 6, 5, 5);

    const int c = w.form.painter().board_colour();
    Log expected = {pic(PIC_TEKI_NAKA, 5, 4),
                    box(c, 5, 4),
                    "refresh",
                    "sleep 0.15",
                    pic(PIC_TEKI_SHOU, 5, 4),
                    box(c, 5, 4),
                    "refresh",
                    "sleep 0.15",
                    "dsPlay 5",
                    "refresh"};
    append_puff(expected, c, 5, 4, "sleep 0.15");
    append(expected, hands_drawn(w.g()));
    EXPECT_EQ(w.captures(), expected);
    EXPECT_NEAR(waited(w.captures()), 0.75, 1e-9);
    EXPECT_EQ(w.g().at(5, 4), EMPTY);
    EXPECT_EQ(w.g().hand_own[KIND_KAKU], 1) << "credited unpromoted";
    EXPECT_EQ(w.g().hand_total_lower(), 1);
}

TEST(SandwichAnimation, LowerPieceFramesAndTwoDirectionsUpwardFirst) {
    Window w;
    w.lay_out(Position::empty()
                  .put(9, 1, UPPER_OU)
                  .put(6, 4, UPPER_GIN)  // steps to (5, 5)
                  .put(5, 4, LOWER_HU)
                  .put(5, 3, UPPER_HU)
                  .put(4, 5, LOWER_KEI)
                  .put(3, 5, LOWER_OU)
                  .put(2, 5, UPPER_KIN)
                  .upper_first());
    w.move(6, 4, 5, 5);

    const Log captures = w.captures();
    std::vector<std::string> first_frames;
    for (const auto& line : captures)
        if (line.rfind("picture " + num(PIC_JI_NAKA) + " ", 0) == 0) first_frames.push_back(line);
    const std::vector<std::string> expected = {pic(PIC_JI_NAKA, 5, 4), pic(PIC_JI_NAKA, 4, 5),
                                               pic(PIC_JI_NAKA, 3, 5)};
    EXPECT_EQ(first_frames, expected) << "up before left, from the mover outwards";
    EXPECT_EQ(count(captures, "dsPlay"), 3u);
    EXPECT_NEAR(waited(captures), 2.25, 1e-9);
    EXPECT_EQ(w.g().winner, w.g().upper_order) << "the lower king was sandwiched";
    EXPECT_EQ(w.g().hand_enemy[KIND_HU], 1);
    EXPECT_EQ(w.g().hand_enemy[KIND_KEI], 1);
}

TEST(EnclosureAnimation, OneLowerPieceOutlinesBeforeItsSecondFrame) {
    Window w;
    w.lay_out(Position::empty()
                  .put(9, 9, LOWER_OU)
                  .put(9, 1, UPPER_OU)
                  .put(1, 1, LOWER_GIN)
                  .put(2, 1, UPPER_HU)
                  .put(1, 3, UPPER_KIN)  // steps back to (1, 2)
                  .upper_first());
    w.move(1, 3, 1, 2);

    const int c = w.form.painter().board_colour();
    Log expected = {pic(PIC_JI_NAKA, 1, 1), box(c, 1, 1), "refresh",   "sleep 0.1", box(c, 1, 1),
                    pic(PIC_JI_SHOU, 1, 1), "refresh",    "sleep 0.1", "dsPlay 5"};
    append_puff(expected, c, 1, 1, "sleep 0.1");
    append(expected, hands_drawn(w.g()));
    EXPECT_EQ(w.captures(), expected) << "the hands are redrawn after the group";
    EXPECT_NEAR(waited(w.captures()), 0.5, 1e-9);
    EXPECT_EQ(w.g().at(1, 1), EMPTY);
    EXPECT_EQ(w.g().hand_enemy[KIND_GIN], 1);
    EXPECT_EQ(w.g().hand_total_upper(), 1);
}

TEST(EnclosureAnimation, UpperGroupsOneAfterTheOther) {
    // The gold is dropped on (8, 9) between two upper groups that reach the edges, so no
    // sandwich: the row to its left goes first, then the king in the corner.
    Position p = Position::empty().put(5, 5, LOWER_OU).lower_hand(KIND_KIN, 1);
    for (int x = 1; x <= 9; ++x)
        p.put(x, 8, LOWER_HU);
    for (int x = 1; x <= 7; ++x)
        p.put(x, 9, x == 3 ? UPPER_GIN : UPPER_HU_NARI);
    p.put(9, 9, UPPER_OU);
    Window w;
    w.lay_out(p);
    w.move(HAND_LOWER_COLUMN, KIND_KIN + 2, 8, 9);

    const Log captures = w.captures();
    const int c = w.form.painter().board_colour();
    Log expected = {pic(PIC_TEKI_NAKA, 1, 9),
                    box(c, 1, 9),
                    "refresh",
                    "sleep 0.1",
                    pic(PIC_TEKI_SHOU, 1, 9),
                    box(c, 1, 9),
                    "refresh",
                    "sleep 0.1",
                    "dsPlay 5"};
    append_puff(expected, c, 1, 9, "sleep 0.1");
    ASSERT_GE(captures.size(), expected.size());
    EXPECT_EQ(
        Log(captures.begin(), captures.begin() + static_cast<std::ptrdiff_t>(expected.size())),
        expected);
    std::vector<std::string> frames;
    for (int x : {1, 2, 3, 4, 5, 6, 7, 9})
        frames.push_back(pic(PIC_TEKI_NAKA, x, 9));
    std::vector<std::string> seen;
    for (const auto& line : captures)
        if (line.rfind("picture " + num(PIC_TEKI_NAKA) + " ", 0) == 0) seen.push_back(line);
    EXPECT_EQ(seen, frames);
    EXPECT_NEAR(waited(captures), 4.0, 1e-9);
    EXPECT_EQ(count(captures, "dsPlay"), 8u);
    EXPECT_EQ(w.g().winner, w.g().lower_order);
    EXPECT_EQ(w.g().hand_own[KIND_HU], 6);
    EXPECT_EQ(w.g().hand_own[KIND_GIN], 1);
    EXPECT_EQ(w.g().hand_total_lower(), 7);
    EXPECT_EQ(w.g().at(8, 9), LOWER_KIN);
}

TEST(MoveDrawing, BoardMoveThenOutlinesOfSourceAndDestination) {
    Window w;
    w.lay_out(Position::kings().put(7, 7, LOWER_HU));
    w.move(7, 7, 7, 6);
    const int c = w.form.painter().board_colour();
    const Log expected = {pic(EMPTY, 7, 7), pic(LOWER_HU, 7, 6), box(c, 7, 7), box(c, 7, 6)};
    EXPECT_EQ(w.moving(expected.size()), expected);
    EXPECT_EQ(w.g().at(7, 7), EMPTY);
    EXPECT_EQ(w.g().at(7, 6), LOWER_HU);
}

TEST(MoveDrawing, DropsTakeThePieceFromTheHand) {
    Window w;
    w.lay_out(Position::kings().lower_hand(KIND_KEI, 1).upper_hand(KIND_SYA, 2));
    w.move(HAND_LOWER_COLUMN, KIND_KEI + 2, 4, 4);
    const int c = w.form.painter().board_colour();
    Log expected = {pic(EMPTY, HAND_LOWER_COLUMN, 5)};
    append(expected, hands_drawn(w.g(), true, false));
    append(expected, {pic(LOWER_KEI, 4, 4), box(c, HAND_LOWER_COLUMN, 5), box(c, 4, 4)});
    EXPECT_EQ(w.moving(expected.size()), expected);
    EXPECT_EQ(w.g().hand_own[KIND_KEI], 0);
    EXPECT_EQ(w.g().hand_total_lower(), 0);

    w.log.clear();
    w.move(HAND_UPPER_COLUMN, 8 - KIND_SYA, 6, 6);  // the upper hand's row of the rook
    expected = {pic(EMPTY, HAND_UPPER_COLUMN, KIND_SYA)};
    append(expected, hands_drawn(w.g(), false, true));
    append(expected, {pic(UPPER_SYA, 6, 6), box(c, HAND_UPPER_COLUMN, KIND_SYA), box(c, 6, 6)});
    EXPECT_EQ(w.moving(expected.size()), expected);
    EXPECT_EQ(w.g().at(6, 6), UPPER_SYA);
    EXPECT_EQ(w.g().hand_enemy[KIND_SYA], 1);
    EXPECT_EQ(w.g().hand_total_upper(), 1);
}

}  // namespace
}  // namespace banzuri

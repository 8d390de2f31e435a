#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/recording_platform.h"
#include "rules/move.h"

namespace banzuri {
namespace {

using testing::FakeWindow;
using testing::Log;
using testing::num;

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

// The window of a game between two humans on an empty board.
struct Window : FakeWindow {
    Window() {
        g().game_mode = MODE_MAN;
        g().lower_order = FIRST_PLAYER;
        g().upper_order = SECOND_PLAYER;
        g().turn = FIRST_PLAYER;
        load_sounds();
    }
    // The first lines of the log, as many as expected.
    Log head(std::size_t n) const {
        return Log(log.begin(), log.begin() + std::min(n, log.size()));
    }
    double waited() const {
        double total = 0;
        for (const auto& line : lines("sleep "))
            total += std::stod(line.substr(6));
        return total;
    }
};

// What redrawing the lower hand, then the upper hand, draws for these hands.
Log hands_drawn(const GameState& state, bool lower = true, bool upper = true) {
    Window reference;
    reference.g().hand_own = state.hand_own;
    reference.g().hand_enemy = state.hand_enemy;
    if (lower) reference.painter().描画_自持盤();
    if (upper) reference.painter().描画_敵持盤();
    return reference.log;
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
    w.g().set(5, 5, LOWER_KIN);
    w.g().set(5, 4, UPPER_KAKU_NARI);
    w.g().set(5, 3, LOWER_HU);
    w.挟み処理(5, 5);

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
    EXPECT_EQ(w.log, expected);
    EXPECT_NEAR(w.waited(), 0.75, 1e-9);
    EXPECT_EQ(w.lines("dsPlay").size(), 1u);
    EXPECT_EQ(w.g().at(5, 4), EMPTY);
    EXPECT_EQ(w.g().hand_own[KIND_KAKU], 1) << "credited unpromoted";
    EXPECT_EQ(w.g().hand_total_lower(), 1);
}

TEST(SandwichAnimation, LowerPieceFramesAndTwoDirectionsUpwardFirst) {
    Window w;
    w.g().set(5, 5, UPPER_GIN);
    w.g().set(5, 4, LOWER_HU);
    w.g().set(5, 3, UPPER_HU);
    w.g().set(4, 5, LOWER_KEI);
    w.g().set(3, 5, LOWER_OU);
    w.g().set(2, 5, UPPER_KIN);
    w.挟み処理(5, 5);

    std::vector<std::string> first_frames;
    for (const auto& line : w.lines("picture " + num(PIC_JI_NAKA) + " "))
        first_frames.push_back(line);
    const std::vector<std::string> expected = {pic(PIC_JI_NAKA, 5, 4), pic(PIC_JI_NAKA, 4, 5),
                                               pic(PIC_JI_NAKA, 3, 5)};
    EXPECT_EQ(first_frames, expected) << "up before left, from the mover outwards";
    EXPECT_EQ(w.lines("dsPlay").size(), 3u);
    EXPECT_NEAR(w.waited(), 2.25, 1e-9);
    EXPECT_EQ(w.g().winner, SECOND_PLAYER) << "the lower king was sandwiched";
    EXPECT_EQ(w.g().hand_enemy[KIND_HU], 1);
    EXPECT_EQ(w.g().hand_enemy[KIND_KEI], 1);
}

TEST(EnclosureAnimation, OneLowerPieceOutlinesBeforeItsSecondFrame) {
    Window w;
    w.g().set(1, 1, LOWER_GIN);
    w.g().set(2, 1, UPPER_HU);
    w.g().set(1, 2, UPPER_KIN);  // arrived
    w.captures_after_move(1, 2);

    const int c = w.form.painter().board_colour();
    Log expected = {pic(PIC_JI_NAKA, 1, 1), box(c, 1, 1), "refresh",   "sleep 0.1", box(c, 1, 1),
                    pic(PIC_JI_SHOU, 1, 1), "refresh",    "sleep 0.1", "dsPlay 5"};
    append_puff(expected, c, 1, 1, "sleep 0.1");
    append(expected, hands_drawn(w.g()));
    EXPECT_EQ(w.log, expected) << "the hands are redrawn after the group";
    EXPECT_NEAR(w.waited(), 0.5, 1e-9);
    EXPECT_EQ(w.g().at(1, 1), EMPTY);
    EXPECT_EQ(w.g().hand_enemy[KIND_GIN], 1);
    EXPECT_EQ(w.g().hand_total_upper(), 1);
}

TEST(EnclosureAnimation, UpperGroupsOneAfterTheOther) {
    // The gold arrives on (8, 9) between two upper groups that reach the edges, so no
    // sandwich: the row to its left goes first, then the king in the corner.
    Window w;
    for (int x = 1; x <= 9; ++x)
        w.g().set(x, 8, LOWER_HU);
    for (int x = 1; x <= 7; ++x)
        w.g().set(x, 9, x == 3 ? UPPER_GIN : UPPER_HU);
    w.g().set(8, 9, LOWER_KIN);
    w.g().set(9, 9, UPPER_OU);
    w.captures_after_move(8, 9);

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
    EXPECT_EQ(w.head(expected.size()), expected);
    std::vector<std::string> frames;
    for (int x : {1, 2, 3, 4, 5, 6, 7, 9})
        frames.push_back(pic(PIC_TEKI_NAKA, x, 9));
    EXPECT_EQ(w.lines("picture " + num(PIC_TEKI_NAKA) + " "), frames);
    EXPECT_NEAR(w.waited(), 4.0, 1e-9);
    EXPECT_EQ(w.lines("dsPlay").size(), 8u);
    EXPECT_EQ(w.g().winner, FIRST_PLAYER);
    EXPECT_EQ(w.g().hand_own[KIND_HU], 6);
    EXPECT_EQ(w.g().hand_own[KIND_GIN], 1);
    EXPECT_EQ(w.g().hand_total_lower(), 7);
    EXPECT_EQ(w.g().at(8, 9), LOWER_KIN);
}

TEST(MoveDrawing, BoardMoveThenOutlinesOfSourceAndDestination) {
    Window w;
    w.g().set(7, 7, LOWER_HU);
    w.駒移動(7, 7, 7, 6, LOWER_HU);
    const int c = w.form.painter().board_colour();
    const Log expected = {pic(EMPTY, 7, 7), pic(LOWER_HU, 7, 6), box(c, 7, 7), box(c, 7, 6)};
    EXPECT_EQ(w.log, expected);
    EXPECT_EQ(w.g().at(7, 7), EMPTY);
    EXPECT_EQ(w.g().at(7, 6), LOWER_HU);
}

TEST(MoveDrawing, DropsTakeThePieceFromTheHand) {
    Window w;
    w.g().hand_own[KIND_KEI] = 1;
    w.g().hand_enemy[KIND_SYA] = 2;
    w.駒移動(HAND_LOWER_COLUMN, 5, 4, 4, LOWER_KEI);
    const int c = w.form.painter().board_colour();
    Log expected = {pic(EMPTY, HAND_LOWER_COLUMN, 5)};
    append(expected, hands_drawn(w.g(), true, false));
    append(expected, {pic(LOWER_KEI, 4, 4), box(c, HAND_LOWER_COLUMN, 5), box(c, 4, 4)});
    EXPECT_EQ(w.log, expected);
    EXPECT_EQ(w.g().hand_own[KIND_KEI], 0);
    EXPECT_EQ(w.g().hand_total_lower(), 0);

    w.log.clear();
    w.駒移動(HAND_UPPER_COLUMN, KIND_SYA, 6, 6, UPPER_SYA);
    expected = {pic(EMPTY, HAND_UPPER_COLUMN, KIND_SYA)};
    append(expected, hands_drawn(w.g(), false, true));
    append(expected, {pic(UPPER_SYA, 6, 6), box(c, HAND_UPPER_COLUMN, KIND_SYA), box(c, 6, 6)});
    EXPECT_EQ(w.log, expected);
    EXPECT_EQ(w.g().at(6, 6), UPPER_SYA);
    EXPECT_EQ(w.g().hand_enemy[KIND_SYA], 1);
    EXPECT_EQ(w.g().hand_total_upper(), 1);
}

}  // namespace
}  // namespace banzuri

// The pointer between clicks: the capture preview against what the move then takes, dragging
// a piece to its square with the promotion question, and the last move's marks.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <utility>

#include "play/capture_preview.h"
#include "play_fixture.h"

namespace banzuri {
namespace {

using testing::box_line;
using testing::mark_lines;
using testing::PlayWindow;

double centre_x(int cx) {
    return board_left + (cx + 0.5) * cell_width;
}
double centre_y(int cy) {
    return board_top + (cy + 0.5) * cell_height;
}

struct Pointer : PlayWindow {
    explicit Pointer(bool guidance = true) {
        set_checked(MenuItem::SIDOU, guidance);
        start_people_game();
    }
    void point(int cx, int cy) { form.Form_MouseMove(centre_x(cx), centre_y(cy)); }
    void drag(int fx, int fy, int tx, int ty) {
        click(fx, fy);
        point(tx, ty);
        form.Form_MouseUp(MOUSE_LEFT, centre_x(tx), centre_y(ty));
    }
    // The cell a move's piece is picked up from: its square, or its side's hand slot.
    std::pair<int, int> source_cell(const Move& m) const {
        if (!m.is_drop()) return {m.from.x, m.from.y};
        if (form.game().lower_to_move()) return {HAND_LOWER_COLUMN, m.drop + 2};
        return {HAND_UPPER_COLUMN, 8 - m.drop};
    }
    bool has_mark(int colour, int gx, int gy) const {
        const auto lines = mark_lines(colour, gx, gy);
        return std::search(log.begin(), log.end(), lines.begin(), lines.end()) != log.end();
    }
};

testing::Position sandwich_in_reach() {
    return testing::Position::kings().put(7, 5, UPPER_KIN).put(7, 4, LOWER_KIN).put(7, 7, LOWER_HU);
}

std::set<std::pair<int, int>> as_set(const std::vector<Square>& squares) {
    std::set<std::pair<int, int>> out;
    for (const Square& s : squares)
        out.insert({s.x, s.y});
    return out;
}

// The enemy pieces a move removed: on the board before, gone after.
std::set<std::pair<int, int>> removed(const GameState& before, const GameState& after,
                                      bool lower_moved) {
    std::set<std::pair<int, int>> out;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int code = before.at(x, y);
            const bool enemy = lower_moved ? code >= UPPER_HU : code <= LOWER_HU;
            if (enemy && after.at(x, y) == EMPTY) out.insert({x, y});
        }
    return out;
}

// A move of the side to move, chosen by `rng`; half the time one that takes pieces, when any.
Move random_move(const Game& game, std::mt19937& rng) {
    const std::vector<Move> moves = game.legal_moves();
    std::vector<Move> taking;
    for (const Move& m : moves)
        if (!captures_of(game, m).empty()) taking.push_back(m);
    const std::vector<Move>& from = !taking.empty() && rng() % 2 == 0 ? taking : moves;
    return from[rng() % from.size()];
}

TEST(CapturePreview, MarksExactlyWhatPlayingTheMoveThenRemovesOverRandomPositions) {
    int checked = 0;
    int with_captures = 0;
    for (unsigned seed = 1; checked < 240; ++seed) {
        Pointer w;
        std::mt19937 rng(seed);
        for (int ply = 0; ply < 120 && !w.form.game().decided(); ++ply) {
            if (w.form.game().legal_moves().empty()) break;
            const Move m = random_move(w.form.game(), rng);
            const auto [fx, fy] = w.source_cell(m);
            w.click(fx, fy);
            ASSERT_EQ(w.selection().selection_state, 1);
            w.log.clear();
            const GameState before = w.g();
            w.point(m.to.x, m.to.y);
            EXPECT_EQ(w.g().board, before.board) << "pointing changes nothing";
            const CapturePreview preview = w.form.capture_preview();
            const bool lower = w.form.game().lower_to_move();
            for (const Square& s : preview.squares)
                EXPECT_TRUE(w.has_mark(COLOUR_MARK_CAPTURE, s.x, s.y)) << seed << " " << ply;
            if (!preview.squares.empty()) {
                EXPECT_TRUE(w.has("text \"" + std::to_string(preview.squares.size()) + "\" " +
                                  testing::num(grid_x(m.to.x) + 200) + " " +
                                  testing::num(grid_y(m.to.y) + 130) + " c0 s16 bold"));
            }
            w.click(m.to.x, m.to.y, m.promote ? MOUSE_RIGHT : MOUSE_LEFT);
            ASSERT_EQ(w.form.game().record_index(), before.rec_index + 1) << seed << " " << ply;
            EXPECT_EQ(as_set(preview.squares), removed(before, w.g(), lower))
                << "seed " << seed << " ply " << ply;
            EXPECT_FALSE(w.form.capture_preview().shown);
            ++checked;
            if (!preview.squares.empty()) ++with_captures;
        }
    }
    EXPECT_GE(with_captures, 40) << "the positions took pieces often enough to tell";
}

TEST(CapturePreview, LeavingTheSquareGivesBackThePicturesAndTheDestinationMark) {
    Pointer w;
    // The pawn's step (7, 7)-(7, 6) sandwiches the gold.
    w.lay_out(sandwich_in_reach());
    w.click(7, 7);
    w.point(7, 6);
    ASSERT_TRUE(w.form.capture_preview().shown);
    EXPECT_EQ(as_set(w.form.capture_preview().squares), (std::set<std::pair<int, int>>{{7, 5}}));
    w.log.clear();
    w.point(7, 6);  // the same square again draws nothing
    EXPECT_TRUE(w.log.empty());
    w.point(5, 5);  // a square the pawn cannot reach
    EXPECT_FALSE(w.form.capture_preview().shown);
    EXPECT_TRUE(w.has("picture " + testing::num(UPPER_KIN) + " 5605 3550"));
    EXPECT_TRUE(w.has_mark(COLOUR_MARK_GUIDANCE, 7, 6)) << "the destination is still shown";
    EXPECT_EQ(w.g().at(7, 5), UPPER_KIN);
}

TEST(CapturePreview, NoneWithoutGuidanceNorWithNothingPickedUp) {
    Pointer off(false);
    off.lay_out(sandwich_in_reach());
    off.click(7, 7);
    off.point(7, 6);
    EXPECT_FALSE(off.form.capture_preview().shown);

    Pointer on;
    on.lay_out(sandwich_in_reach());
    on.point(7, 6);
    EXPECT_FALSE(on.form.capture_preview().shown);
    on.point(-50, 400);  // far outside: no cell
    EXPECT_FALSE(on.form.capture_preview().shown);
}

TEST(Dragging, ReleasingOnAnotherSquareMovesAndOnTheSameSquareKeepsThePick) {
    Pointer w;
    w.click(7, 7);
    EXPECT_EQ(w.form.dragged_piece(), EMPTY) << "not dragged before the pointer leaves";
    w.point(7, 6);
    EXPECT_EQ(w.form.dragged_piece(), LOWER_HU);
    w.form.Form_MouseUp(MOUSE_LEFT, centre_x(7), centre_y(6));
    EXPECT_EQ(w.g().at(7, 6), LOWER_HU);
    EXPECT_EQ(w.form.game().move_count(), 1);
    EXPECT_EQ(w.form.dragged_piece(), EMPTY);

    // A click: press and release on one square; the second click then moves.
    w.click(3, 3);
    w.form.Form_MouseUp(MOUSE_LEFT, centre_x(3), centre_y(3));
    EXPECT_EQ(w.selection().selection_state, 1);
    w.point(4, 4);
    EXPECT_EQ(w.form.dragged_piece(), EMPTY) << "after a click's release nothing is dragged";
    w.click(3, 4);
    EXPECT_EQ(w.g().at(3, 4), UPPER_HU);

    // The opponent's piece is only inspected: releasing elsewhere moves nothing.
    w.drag(3, 4, 3, 5);
    EXPECT_EQ(w.g().at(3, 4), UPPER_HU);
    EXPECT_EQ(w.form.game().move_count(), 2);
    // Off the board the piece stays picked up.
    w.drag(2, 7, 12, 4);
    EXPECT_EQ(w.selection().selection_state, 1);
    EXPECT_EQ(w.g().at(2, 7), LOWER_HU);
}

TEST(Dragging, AMoveThatMayPromoteAsksAndTheAnswerDecides) {
    for (const bool yes : {true, false}) {
        Pointer w;
        w.click(3, 7);
        w.click(3, 6);
        w.click(7, 3);
        w.click(7, 4);
        w.log.clear();
        w.dialogs.answers = {yes};
        w.drag(2, 8, 7, 3);  // the bishop into the far rows
        EXPECT_TRUE(w.has("ask [成り] 成りますか？"));
        EXPECT_EQ(w.g().at(7, 3), yes ? LOWER_KAKU_NARI : LOWER_KAKU);
        EXPECT_FALSE(w.has("message [成り] マウスの右をクリックして下さい"));
    }
    Pointer plain;
    plain.drag(7, 7, 7, 6);
    EXPECT_FALSE(plain.has("ask [成り] 成りますか？")) << "no question where it may not promote";
}

TEST(LastMove, ItsSquaresAreMarkedFollowStepsAndGoWhenTurnedOff) {
    Pointer w;
    w.click(7, 7);
    w.click(7, 6);
    EXPECT_EQ(w.form.view().last_move, Move::board(7, 7, 7, 6));
    EXPECT_TRUE(w.has_mark(COLOUR_MARK_LAST_MOVE, 7, 7));
    EXPECT_TRUE(w.has_mark(COLOUR_MARK_LAST_MOVE, 7, 6));
    w.click(3, 3);
    w.click(3, 4);
    EXPECT_EQ(w.form.view().last_move, Move::board(3, 3, 3, 4));
    EXPECT_TRUE(w.form.painter().marked(3, 4));
    EXPECT_FALSE(w.form.painter().marked(7, 6)) << "the earlier move's marks have gone";

    w.log.clear();
    w.form.REPLAY_Click();
    EXPECT_EQ(w.form.view().last_move, Move::board(7, 7, 7, 6));
    EXPECT_TRUE(w.has_mark(COLOUR_MARK_LAST_MOVE, 7, 6));
    w.form.REPLAY_Click();
    EXPECT_FALSE(w.form.view().last_move.has_value()) << "the first position has none";
    EXPECT_FALSE(w.form.painter().marked(7, 6));

    w.form.AFTER_Click();
    w.form.AFTER_Click();
    EXPECT_TRUE(w.form.painter().marked(3, 4));
    w.form.set_last_move_highlight(false);
    EXPECT_FALSE(w.form.painter().marked(3, 3));
    EXPECT_FALSE(w.form.painter().marked(3, 4));
    w.log.clear();
    w.click(2, 7);
    w.click(2, 6);
    ASSERT_EQ(w.g().at(2, 6), LOWER_HU);
    for (const std::string& line : w.log)
        EXPECT_NE(line.rfind("box " + testing::num(COLOUR_MARK_LAST_MOVE) + " ", 0), 0u) << line;
}

}  // namespace
}  // namespace banzuri

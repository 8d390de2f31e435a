// The threat sweep of the look-ahead evaluation: the material each side would take by
// arriving on an empty square, through a sandwich or by filling a group's last empty square.
#include <gtest/gtest.h>

#include "../rules/fixtures.h"
#include "computer/look_eval.h"
#include "computer/look_threats.h"

namespace banzuri {
namespace {

using look::sq;

GameState threats_position() {
    GameState g = testing::empty_game();
    g.set(3, 5, UPPER_KIN);  // closes a sandwich of the lower pawn on (4, 5) from (5, 5)
    g.set(4, 5, LOWER_HU);
    g.set(1, 9, LOWER_GIN);  // in the corner: (1, 8) is its only empty square
    g.set(2, 9, UPPER_HU);
    g.set(9, 5, LOWER_OU);  // sandwiched from (9, 6) against the gold on (9, 4)
    g.set(9, 4, UPPER_KIN);
    g.set(5, 1, UPPER_OU);
    return g;
}

TEST(LookThreats, SandwichesEnclosuresAndTheKing) {
    look::Position p;
    p.load(threats_position(), look::UPPER);
    look::ThreatFinder finder;
    look::Threats t;
    finder.find(p, t);
    EXPECT_EQ(t.upper.gain[sq(5, 5)], look::board_value(look::HU));
    EXPECT_EQ(t.upper.gain[sq(1, 8)], look::board_value(look::GIN));
    EXPECT_EQ(t.upper.gain[sq(9, 6)], look::KING_THREAT_VALUE);
    EXPECT_EQ(t.upper.best, look::KING_THREAT_VALUE);
    EXPECT_EQ(t.upper.king_squares, 1);
    // The lower side takes the golds from the far side: (2, 5) and (9, 3).
    EXPECT_EQ(t.lower.gain[sq(2, 5)], look::board_value(look::KIN));
    EXPECT_EQ(t.lower.gain[sq(9, 3)], look::board_value(look::KIN));
    EXPECT_EQ(t.lower.king_squares, 0);
    EXPECT_EQ(t.upper.gain[sq(6, 5)], 0);  // the edge never closes a sandwich

    // A second sweep after the gold steps aside forgets the threat to the king.
    look::Undo u;
    p.make({static_cast<std::uint8_t>(sq(9, 4)), static_cast<std::uint8_t>(sq(8, 4)), look::KIN, 0},
           u);
    finder.find(p, t);
    EXPECT_EQ(t.upper.gain[sq(9, 6)], 0);
    EXPECT_EQ(t.upper.king_squares, 0);
    EXPECT_EQ(t.upper.gain[sq(5, 5)], look::board_value(look::HU));
}

TEST(LookEvaluation, AThreatAgainstTheSideToMoveCounts) {
    look::Position p;
    p.load(threats_position(), look::LOWER);
    look::ThreatFinder finder;
    look::Threats t;
    finder.find(p, t);
    const look::Evaluator eval;
    const int lower_to_move = eval.evaluate(p, t);
    p.load(threats_position(), look::UPPER);
    finder.find(p, t);
    const int upper_to_move = eval.evaluate(p, t);
    // The upper side threatens the king: good for it to move, bad for the lower side.
    EXPECT_GT(upper_to_move, 0);
    EXPECT_LT(lower_to_move, 0);
}

TEST(LookEvaluation, PiecesForwardOfTheCampCountForProgress) {
    GameState g = testing::empty_game();
    g.set(5, 9, LOWER_OU);
    g.set(5, 1, UPPER_OU);
    g.set(1, 7, LOWER_HU);  // in its camp: no progress
    g.set(2, 3, UPPER_HU);  // in its camp: no progress
    look::Position p;
    p.load(g, look::LOWER);
    EXPECT_EQ(p.advance(), 0);
    g.set(1, 7, EMPTY);
    g.set(1, 4, LOWER_HU);   // five rows forward of its back row
    g.set(9, 6, UPPER_KIN);  // likewise for the upper side, minus the lower pawn's
    g.set(5, 8, UPPER_HU);   // seven rows forward
    p.load(g, look::LOWER);
    EXPECT_EQ(p.advance(),
              look::ADVANCE_BY_ROWS[5] + look::ADVANCE_BY_ROWS[7] - look::ADVANCE_BY_ROWS[5]);

    look::ThreatFinder finder;
    look::Threats t;
    look::EvalWeights still;
    still.advance = 0;
    look::EvalWeights forward = still;
    forward.advance = 10;
    finder.find(p, t);
    // The upper side stands further forward: worse for the lower side to move.
    EXPECT_EQ(look::Evaluator(forward).evaluate(p, t) - look::Evaluator(still).evaluate(p, t),
              -10 * p.advance());
}

}  // namespace
}  // namespace banzuri

// A game looked over move by move: scores from the lower side's view in pawns, king captures
// as ±999, the marks by what a move lost against the search's move, progress after each move
// and a cancel that stops between moves.
#include "computer/game_analysis.h"

#include <gtest/gtest.h>

#include "../rules/fixtures.h"
#include "computer_fixtures.h"

namespace banzuri {
namespace {

AnalysisControl budget(std::int64_t nodes) {
    AnalysisControl control;
    control.limits = [nodes] {
        LookLimits limits;
        limits.nodes = nodes;
        return limits;
    };
    return control;
}

// The lower king on (5, 7) beside an upper gold on (6, 7); an upper gold on (4, 6) takes it by
// stepping down to (4, 7) unless the lower side sees to it. The lower side instead pushes a
// pawn far away, and the upper side takes the king.
Game blunder_game() {
    const GameState g = testing::king_left_to_capture();
    Game game;
    game.set_position(g.board, g.hand_own, g.hand_enemy, true);
    game.play(Move::board(1, 7, 1, 6), 1.0);
    game.play(Move::board(4, 6, 4, 7), 2.0);
    return game;
}

TEST(GameAnalysis, MarksByWhatTheMoverLostAgainstTheBestMove) {
    EXPECT_EQ(mark_of(true, 1.0, -0.99, false), MoveMark::none);
    EXPECT_EQ(mark_of(true, 1.0, -1.0, false), MoveMark::dubious) << "two pawns exactly";
    EXPECT_EQ(mark_of(true, 1.0, -3.99, false), MoveMark::dubious);
    EXPECT_EQ(mark_of(true, 1.0, -4.0, false), MoveMark::blunder) << "five pawns exactly";
    EXPECT_EQ(mark_of(false, 1.0, 3.0, false), MoveMark::dubious) << "the upper side's loss";
    EXPECT_EQ(mark_of(false, 1.0, -9.0, false), MoveMark::none) << "the upper side gained";
    EXPECT_EQ(mark_of(true, 999, -999, true), MoveMark::none) << "the best move is never marked";
    EXPECT_EQ(mark_text(MoveMark::dubious), "疑問手");
    EXPECT_EQ(mark_text(MoveMark::blunder), "悪手");
    EXPECT_EQ(mark_text(MoveMark::none), "");
}

TEST(GameAnalysis, ScoresAreLowerSidePawnsWithKingCapturesAs999) {
    EXPECT_DOUBLE_EQ(lower_side_pawns(250, true), 2.5);
    EXPECT_DOUBLE_EQ(lower_side_pawns(250, false), -2.5);
    EXPECT_DOUBLE_EQ(lower_side_pawns(MATE_SCORE - 3, true), 999);
    EXPECT_DOUBLE_EQ(lower_side_pawns(MATE_SCORE - 3, false), -999);
    EXPECT_DOUBLE_EQ(lower_side_pawns(-MATE_SCORE + 2, false), 999);
    EXPECT_DOUBLE_EQ(lower_side_pawns(MATE_BOUND, true), MATE_BOUND / 100.0);
}

TEST(GameAnalysis, AMoveThatLetsTheKingBeTakenIsABlunder) {
    const Game game = blunder_game();
    ASSERT_TRUE(game.decided());
    LookTable table;
    const GameAnalysis a = analyse_game(game, budget(20000), table);
    ASSERT_EQ(a.moves.size(), 2u);
    EXPECT_FALSE(a.cancelled);
    const MoveVerdict& pawn = a.moves[0];
    EXPECT_EQ(pawn.move, Move::board(1, 7, 1, 6));
    EXPECT_TRUE(pawn.lower);
    EXPECT_GT(pawn.before, -KING_CAPTURE_PAWNS) << "the king could be saved";
    EXPECT_EQ(pawn.after, -KING_CAPTURE_PAWNS);
    ASSERT_TRUE(pawn.best.has_value());
    EXPECT_NE(*pawn.best, pawn.move);
    EXPECT_EQ(pawn.mark, MoveMark::blunder);
    const MoveVerdict& capture = a.moves[1];
    EXPECT_FALSE(capture.lower);
    EXPECT_EQ(capture.before, -KING_CAPTURE_PAWNS);
    EXPECT_EQ(capture.after, -KING_CAPTURE_PAWNS) << "the game is over: the upper side won";
    EXPECT_EQ(capture.best, Move::board(4, 6, 4, 7));
    EXPECT_EQ(capture.mark, MoveMark::none);
}

TEST(GameAnalysis, TheBestMoveIsTheSearchsOwnNotAPlansStep) {
    // Where a plan would walk the gold, the analysis names the move its score belongs to.
    const GameState g = testing::gold_two_steps_away();
    Game game;
    game.set_position(g.board, g.hand_own, g.hand_enemy, true);
    ASSERT_TRUE(game.play(Move::board(7, 5, 6, 5), 0).has_value());
    LookTable table;
    const GameAnalysis a = analyse_game(game, budget(2000), table);
    ASSERT_EQ(a.moves.size(), 1u);
    LookLimits limits;
    limits.nodes = 2000;
    limits.plans = false;
    EXPECT_EQ(a.moves[0].best, look_ahead(g, true, limits).move);
    EXPECT_NE(a.moves[0].best, Move::board(7, 5, 6, 5));
}

TEST(GameAnalysis, ReportsProgressAfterEachMoveAndStopsWhenCancelled) {
    const Game game = blunder_game();
    LookTable table;
    std::atomic<bool> cancel{false};
    AnalysisControl control = budget(2000);
    std::vector<std::pair<int, int>> reports;
    control.progress = [&](int done, int total) {
        reports.emplace_back(done, total);
        cancel = true;
    };
    control.cancel = &cancel;
    const GameAnalysis a = analyse_game(game, control, table);
    EXPECT_TRUE(a.cancelled);
    ASSERT_EQ(a.moves.size(), 1u) << "the cancel counts between moves";
    EXPECT_EQ(reports, (std::vector<std::pair<int, int>>{{1, 2}}));

    const GameAnalysis none = analyse_game(game, control, table);
    EXPECT_TRUE(none.cancelled);
    EXPECT_TRUE(none.moves.empty()) << "cancelled before it began";
    EXPECT_TRUE(analyse_game(Game{}, budget(10), table).moves.empty()) << "a game of no moves";
}

TEST(GameAnalysis, AGameFromTheStartIsAnalysedAsItWasPlayedWithTheUpperSideFirst) {
    // The upper side moves first: its moves are the odd ones.
    Game game;
    GameState g = testing::start_game();
    game.set_position(g.board, g.hand_own, g.hand_enemy, false);
    ASSERT_TRUE(game.play(Move::board(3, 3, 3, 4), 0).has_value());
    ASSERT_TRUE(game.play(Move::board(7, 7, 7, 6), 0).has_value());
    LookTable table;
    std::vector<int> done;
    AnalysisControl control = budget(3000);
    control.progress = [&](int n, int total) {
        EXPECT_EQ(total, 2);
        done.push_back(n);
    };
    const GameAnalysis a = analyse_game(game, control, table);
    ASSERT_EQ(a.moves.size(), 2u);
    EXPECT_FALSE(a.moves[0].lower);
    EXPECT_TRUE(a.moves[1].lower);
    EXPECT_EQ(a.moves[0].after, a.moves[1].before) << "one search per position";
    EXPECT_EQ(done, (std::vector<int>{1, 2}));
}

}  // namespace
}  // namespace banzuri

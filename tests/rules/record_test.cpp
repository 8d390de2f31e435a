#include "rules/record.h"

#include <gtest/gtest.h>

#include "fixtures.h"
#include "rules/game.h"
#include "rules/move.h"

namespace banzuri {
namespace {

using testing::empty_game;
using testing::start_game;

// Records the position, then carries out the move and its captures as a game does, without
// asking the rules whether the move is allowed.
void record_and_carry_out(GameState& g, int fx, int fy, int tx, int ty, int piece) {
    手順保存(g, fx, fy, tx, ty, piece, g.at(tx, ty), g.time_lower, g.time_lower, g.time_upper,
             g.time_upper);
    ++g.rec_index;
    駒移動(g, fx, fy, tx, ty, piece);
    testing::take_captures(g, tx, ty);
}

TEST(Record, FirstMoveKeepsTheStartingPosition) {
    GameState g = start_game();
    const Board start = g.board;
    手順保存(g, 7, 7, 7, 6, LOWER_HU, EMPTY, 12.5, 20, 3, 3);
    EXPECT_EQ(g.rec_index, 0) << "saving does not advance the index";
    EXPECT_EQ(g.rec_last, 0);

    Game game;
    game.start(MODE_MAN, FIRST_PLAYER, FIRST_PLAYER);
    game.set_clocks(12.5, 3);
    ASSERT_TRUE(game.play(Move::board(7, 7, 7, 6), 0));
    EXPECT_EQ(game.record_index(), 1);
    EXPECT_EQ(game.move_count(), 1);
    EXPECT_EQ(game.record_last(), 0);
    EXPECT_EQ(game.entries()[0].board, start);
    EXPECT_EQ(game.entries()[0].time_lower_before, 12.5);
    EXPECT_EQ(game.entries()[0].time_upper_after, 3);
}

TEST(Record, KeepsHandsAndClocksAndNeverTheEdgeRows) {
    GameState g = empty_game();
    g.set(5, 5, LOWER_OU);
    g.board[0][3] = 77;  // junk outside the squares is not copied
    g.hand_own[3] = 2;
    g.hand_enemy[7] = 1;
    g.rec_index = 4;
    手順保存(g, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4);
    const RecordEntry& e = g.record[4];
    EXPECT_EQ(e.board[5][5], LOWER_OU);
    EXPECT_EQ(e.board[0][3], EMPTY);
    EXPECT_EQ(e.hand_lower[3], 2);
    EXPECT_EQ(e.hand_upper[7], 1);
    EXPECT_EQ(e.time_lower_before, 1);
    EXPECT_EQ(e.time_lower_after, 2);
    EXPECT_EQ(e.time_upper_before, 3);
    EXPECT_EQ(e.time_upper_after, 4);
    EXPECT_EQ(g.rec_last, 4);
}

TEST(Record, GrowsBeyondItsInitialRoom) {
    // Two golds step sideways and back, each side in turn.
    Board board{};
    board[1][1] = LOWER_KIN;
    board[9][9] = UPPER_KIN;
    Game game;
    game.set_position(board, Hand{}, Hand{}, true);
    for (int i = 0; i < 700; ++i) {
        const int back = i / 2 % 2;
        const Move m = i % 2 == 0 ? Move::board(1 + back, 1, 2 - back, 1)
                                  : Move::board(9 - back, 9, 8 + back, 9);
        ASSERT_TRUE(game.play(m, 0)) << "move " << i + 1;
    }
    GameState g = game.position();
    EXPECT_EQ(g.rec_index, 700);
    EXPECT_EQ(g.rec_last, 699);
    EXPECT_GE(g.record.size(), 700u);
    EXPECT_EQ(g.record[600].board[1][1], LOWER_KIN);
    EXPECT_EQ(g.record[601].board[2][1], LOWER_KIN);
    int x = 0;
    int y = 0;
    int code = 0;
    EXPECT_EQ(調査_移動結果(g, 699, x, y, code), ON);
    EXPECT_EQ(x, 1);
    EXPECT_EQ(code, LOWER_KIN);

    g.rec_index = -1;  // never written outside its bounds
    手順保存(g, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(g.rec_last, 699);
}

TEST(MoveResult, DropsCapturesAndMissingEntries) {
    GameState g = empty_game();
    g.hand_own[KIND_KEI] = 1;
    g.set(5, 3, UPPER_HU);
    g.set(5, 2, LOWER_HU);
    g.set(4, 9, LOWER_OU);
    g.set(5, 1, UPPER_OU);
    record_and_carry_out(g, DROP_COLUMN, KIND_KEI, 2, 5, LOWER_KEI);
    record_and_carry_out(g, 4, 9, 5, 4, LOWER_OU);  // not a king's step, the record does not care
    ASSERT_EQ(g.at(5, 3), EMPTY) << "sandwiched";
    手順保存(g, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);

    int x = -1;
    int y = -1;
    int code = -1;
    EXPECT_EQ(調査_移動結果(g, 1, x, y, code), ON);
    EXPECT_EQ(x, 2);
    EXPECT_EQ(y, 5);
    EXPECT_EQ(code, LOWER_KEI);
    EXPECT_EQ(調査_移動結果(g, 2, x, y, code), ON);
    EXPECT_EQ(x, 5);
    EXPECT_EQ(y, 4) << "the captured square is not reported";
    EXPECT_EQ(code, LOWER_OU);

    x = y = code = -1;
    EXPECT_EQ(調査_移動結果(g, 0, x, y, code), OFF);
    EXPECT_EQ(調査_移動結果(g, 100000, x, y, code), OFF);
    g.record[5] = g.record[4];
    EXPECT_EQ(調査_移動結果(g, 5, x, y, code), OFF) << "nothing changed";
    EXPECT_EQ(x, -1);
    EXPECT_EQ(code, -1);
}

}  // namespace
}  // namespace banzuri

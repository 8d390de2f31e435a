// What the move list shows: the turn and the players, the clocks, the moves in the records'
// notation and the row of the position shown.
#include "play/move_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace banzuri {
namespace {

Game game_of(int mode, int lower_order, int turn) {
    Game game;
    game.start(mode, lower_order, turn);
    return game;
}

TEST(MoveList, BeforeAGameOnlyTheStartIsListed) {
    const MoveList list = move_list_of(Game{});
    EXPECT_EQ(list.turn, "対局前");
    EXPECT_EQ(list.rows, std::vector<std::string>{"開始局面"});
    EXPECT_EQ(list.shown, 0);
}

TEST(MoveList, PeopleMovesAreNumberedMarkedAndTimed) {
    Game game = game_of(MODE_MAN, FIRST_PLAYER, FIRST_PLAYER);
    EXPECT_EQ(move_list_of(game).turn, "▲先手の番");
    ASSERT_TRUE(game.play(Move::board(3, 7, 3, 6), 5));
    ASSERT_TRUE(game.play(Move::board(7, 3, 7, 4), 7));
    const MoveList list = move_list_of(game);
    EXPECT_EQ(list.turn, "▲先手の番");
    EXPECT_EQ(list.players, "▲先手：人間　△後手：人間");
    EXPECT_EQ(list.clocks, "▲00:00:05　△00:00:07");
    EXPECT_EQ(list.rows,
              (std::vector<std::string>{"開始局面", "   1 ▲７六歩(77)", "   2 △３四歩(33)"}));
    EXPECT_EQ(list.shown, 2);
    ASSERT_TRUE(game.play(Move::board(2, 7, 2, 6), 1));
    EXPECT_EQ(move_list_of(game).turn, "△後手の番");
}

TEST(MoveList, SteppingBackKeepsTheMovesAheadAndMarksTheShownRow) {
    Game game = game_of(MODE_MAN, FIRST_PLAYER, FIRST_PLAYER);
    game.play(Move::board(3, 7, 3, 6), 5);
    game.play(Move::board(7, 3, 7, 4), 7);
    ASSERT_TRUE(game.step_back());
    MoveList list = move_list_of(game);
    EXPECT_EQ(list.rows.size(), 3u);
    EXPECT_EQ(list.shown, 1);
    EXPECT_EQ(list.turn, "△後手の番");
    EXPECT_EQ(list.clocks, "▲00:00:05　△00:00:00");
    ASSERT_TRUE(game.go_to(0));
    EXPECT_EQ(move_list_of(game).shown, 0);
    ASSERT_TRUE(game.take_back(0) == false);
}

TEST(MoveList, TheComputerIsNamedWithItsLevelAndTheUpperSideMayMoveFirst) {
    Game game = game_of(MODE_COM, SECOND_PLAYER, FIRST_PLAYER);
    game.set_level(3);
    ASSERT_FALSE(game.lower_to_move());
    ASSERT_TRUE(game.play(Move::board(7, 3, 7, 4), 2));
    const MoveList list = move_list_of(game);
    EXPECT_EQ(list.players, "▲先手：COM LEVEL3　△後手：人間");
    EXPECT_EQ(list.rows[1], "   1 ▲３四歩(33)");
    EXPECT_EQ(list.turn, "△後手の番");
    EXPECT_EQ(list.clocks, "▲00:00:02　△00:00:00");
}

TEST(MoveList, DropsPromotionsAndTheWinnerReadAsInTheRecords) {
    Game game;
    Board board{};
    board[5][9] = LOWER_OU;
    board[5][1] = UPPER_OU;
    board[2][4] = LOWER_SYA;
    Hand lower{};
    lower[KIND_KIN] = 1;
    game.set_position(board, lower, Hand{}, true);
    ASSERT_TRUE(game.play(Move::drop_of(KIND_KIN, 1, 5), 0));
    ASSERT_TRUE(game.play(Move::board(5, 1, 4, 1), 0));
    Move promote = Move::board(2, 4, 2, 3);
    promote.promote = true;
    ASSERT_TRUE(game.play(promote, 0));
    const MoveList list = move_list_of(game);
    EXPECT_EQ(list.rows[1], "   1 ▲９五金打");
    EXPECT_EQ(list.rows[3], "   3 ▲８三飛成(84)");
    game.resign();
    EXPECT_EQ(move_list_of(game).turn, "▲先手の勝ち");
}

}  // namespace
}  // namespace banzuri

#include "rules/game_state.h"

#include <gtest/gtest.h>

#include "fixtures.h"
#include "rules/promotion.h"

namespace banzuri {
namespace {

using testing::pieces_on_board;

TEST(InitialSetup, LaysOutFortyPiecesWithEmptyHandsAndNoGame) {
    GameState g;
    g.turn = FIRST_PLAYER;
    g.winner = SECOND_PLAYER;
    g.hand_own[3] = 2;
    g.move_count = 7;
    g.rec_index = 7;
    g.rec_last = 6;
    g.handicap_level = 4;
    初期設定(g);
    EXPECT_EQ(pieces_on_board(g), 40);
    int lower = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            lower += g.at(x, y) < 0;
    EXPECT_EQ(lower, 20);
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(g.hand_own[static_cast<std::size_t>(k)], 0);
        EXPECT_EQ(g.hand_enemy[static_cast<std::size_t>(k)], 0);
    }
    EXPECT_EQ(g.hand_total_lower(), 0);
    EXPECT_EQ(g.turn, TURN_NONE);
    EXPECT_EQ(g.winner, TURN_NONE);
    EXPECT_EQ(g.move_count, 0);
    EXPECT_EQ(g.rec_index, 0);
    EXPECT_EQ(g.rec_last, 6) << "the record's limit is left for the callers";
    EXPECT_EQ(g.handicap_level, 0);
    EXPECT_EQ(g.game_mode, MODE_MAN);
}

TEST(InitialSetup, PlacesEveryPieceOnItsStandardSquare) {
    GameState g;
    初期設定(g);
    EXPECT_EQ(g.at(5, 9), LOWER_OU);
    EXPECT_EQ(g.at(5, 1), UPPER_OU);
    EXPECT_EQ(g.at(2, 8), LOWER_KAKU);
    EXPECT_EQ(g.at(8, 8), LOWER_SYA);
    EXPECT_EQ(g.at(2, 2), UPPER_SYA);
    EXPECT_EQ(g.at(8, 2), UPPER_KAKU);
    const int back[] = {20, 30, 100, 110, 950, 110, 100, 30, 20};
    for (int x = 1; x <= 9; ++x) {
        EXPECT_EQ(g.at(x, 1), back[x - 1]);
        EXPECT_EQ(g.at(x, 9), -back[x - 1]);
        EXPECT_EQ(g.at(x, 3), UPPER_HU);
        EXPECT_EQ(g.at(x, 7), LOWER_HU);
    }
}

TEST(InitialSetup, KeepsRowZeroAndColumnZeroEmpty) {
    GameState g;
    初期設定(g);
    for (int i = 0; i <= 9; ++i) {
        EXPECT_EQ(g.board[0][static_cast<std::size_t>(i)], EMPTY);
        EXPECT_EQ(g.board[static_cast<std::size_t>(i)][0], EMPTY);
    }
}

TEST(BoardAccess, OutsideTheArrayReadsEmptyAndWritesAreDropped) {
    GameState g;
    初期設定(g);
    const GameState before = g;
    for (int v : {-5, -1, 10, 12, 1000}) {
        EXPECT_EQ(g.at(v, 5), EMPTY);
        EXPECT_EQ(g.at(5, v), EMPTY);
        g.set(v, 5, LOWER_OU);
        g.set(5, v, LOWER_OU);
    }
    g.set(0, 3, LOWER_OU);
    g.set(3, 0, LOWER_OU);
    EXPECT_EQ(g.board, before.board);
    GameState::add(g.hand_own, 8, 1);
    GameState::add(g.hand_own, 0, 1);
    GameState::add(g.hand_own, -3, 1);
    EXPECT_EQ(g.hand_own, before.hand_own);
    EXPECT_EQ(GameState::count(g.hand_own, 99), 0);
}

TEST(PieceCodes, ReservedGoldPromotionIsNoPiece) {
    EXPECT_FALSE(is_piece(LOWER_KIN_NARI));
    EXPECT_FALSE(is_piece(UPPER_KIN_NARI));
    EXPECT_FALSE(is_piece(EMPTY));
    EXPECT_FALSE(is_piece(13));
    EXPECT_TRUE(is_piece(UPPER_SYA_NARI));
    EXPECT_EQ(hand_kind(UPPER_SYA_NARI), KIND_SYA);
    EXPECT_EQ(hand_kind(LOWER_OU), 0);
    EXPECT_EQ(lower_code_of_kind(KIND_KEI), LOWER_KEI);
    EXPECT_EQ(upper_code_of_kind(KIND_KAKU), UPPER_KAKU);
    EXPECT_EQ(upper_code_of_kind(0), EMPTY);
    EXPECT_EQ(upper_code_of_kind(8), EMPTY);
}

}  // namespace
}  // namespace banzuri

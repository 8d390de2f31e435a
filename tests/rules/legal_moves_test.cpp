// What a move takes from the position (the piece that moves, the code it leaves, whether it may
// promote) and the forms of a move the rules refuse.
#include "rules/legal_moves.h"

#include <gtest/gtest.h>

#include "fixtures.h"

namespace banzuri {
namespace {

using testing::empty_game;
using testing::start_game;

TEST(MoveQueries, ThePieceThatMovesBelongsToTheMover) {
    GameState g = start_game();
    g.hand_own[KIND_KEI] = 1;
    EXPECT_EQ(moving_piece(g, true, Move::board(7, 7, 7, 6)), LOWER_HU);
    EXPECT_EQ(moving_piece(g, false, Move::board(7, 7, 7, 6)), EMPTY) << "the other side's pawn";
    EXPECT_EQ(moving_piece(g, true, Move::board(5, 5, 5, 4)), EMPTY) << "an empty source";
    EXPECT_EQ(moving_piece(g, true, Move::board(0, 9, 1, 8)), EMPTY);
    EXPECT_EQ(moving_piece(g, true, Move::board(11, 5, 5, 5)), EMPTY) << "no hand beside the board";
    EXPECT_EQ(moving_piece(g, true, Move::drop_of(KIND_KEI, 5, 5)), LOWER_KEI);
    EXPECT_EQ(moving_piece(g, false, Move::drop_of(KIND_KEI, 5, 5)), EMPTY) << "its hand is empty";
    for (int kind : {-1, 8, 99})
        EXPECT_EQ(moving_piece(g, true, Move::drop_of(kind, 5, 5)), EMPTY) << kind;
    EXPECT_EQ(source_of(Move::drop_of(KIND_KEI, 5, 5)), (Square{DROP_COLUMN, KIND_KEI}));
    EXPECT_EQ(source_of(Move::board(7, 7, 7, 6)), (Square{7, 7}));
}

TEST(MoveQueries, PlacedCodeAndPromotion) {
    GameState g = empty_game();
    g.set(3, 4, LOWER_GIN);
    g.set(5, 5, LOWER_KIN);
    g.set(8, 4, UPPER_KAKU);
    g.hand_enemy[KIND_HU] = 1;
    const Move into_zone = Move::board(3, 4, 3, 3);
    EXPECT_TRUE(may_promote(g, true, into_zone));
    EXPECT_EQ(placed_code(g, true, into_zone), LOWER_GIN);
    EXPECT_EQ(placed_code(g, true, Move::board(3, 4, 3, 3, true)), LOWER_GIN_NARI);
    EXPECT_FALSE(may_promote(g, true, Move::board(3, 4, 4, 5)));
    EXPECT_EQ(placed_code(g, true, Move::board(3, 4, 4, 5, true)), EMPTY) << "outside the zone";
    EXPECT_FALSE(may_promote(g, true, Move::board(5, 5, 5, 4)));
    EXPECT_EQ(placed_code(g, true, Move::board(5, 5, 5, 4, true)), EMPTY) << "a gold";
    EXPECT_TRUE(may_promote(g, false, Move::board(8, 4, 5, 7))) << "an upper bishop entering";
    EXPECT_EQ(placed_code(g, false, Move::board(8, 4, 5, 7, true)), UPPER_KAKU_NARI);
    EXPECT_FALSE(may_promote(g, false, Move::drop_of(KIND_HU, 5, 8)));
    EXPECT_EQ(placed_code(g, false, Move::drop_of(KIND_HU, 5, 8)), UPPER_HU);
    EXPECT_FALSE(may_promote(g, true, Move::board(8, 4, 5, 7))) << "not the mover's piece";
}

TEST(MoveQueries, FormsTheRulesRefuse) {
    GameState g = empty_game();
    g.set(5, 2, LOWER_HU);
    g.set(5, 5, LOWER_KIN);
    g.hand_own[KIND_HU] = 1;
    EXPECT_TRUE(is_legal(g, true, Move::drop_of(KIND_HU, 4, 5)));
    Move with_square = Move::drop_of(KIND_HU, 4, 5);
    with_square.from = {4, 6};
    EXPECT_FALSE(is_legal(g, true, with_square)) << "a drop names no square to come from";
    Move promoting_drop = Move::drop_of(KIND_HU, 4, 5);
    promoting_drop.promote = true;
    EXPECT_FALSE(is_legal(g, true, promoting_drop));
    EXPECT_FALSE(is_legal(g, true, Move::drop_of(KIND_HU, 5, 5))) << "occupied";
    EXPECT_FALSE(is_legal(g, true, Move::drop_of(KIND_HU, 5, 6))) << "a second pawn in column 5";
    EXPECT_FALSE(is_legal(g, true, Move::board(5, 2, 5, 1))) << "a pawn that could never move";
    EXPECT_TRUE(is_legal(g, true, Move::board(5, 2, 5, 1, true)));
    EXPECT_FALSE(is_legal(g, true, Move::board(5, 5, 5, 4, true))) << "a gold never promotes";
    EXPECT_TRUE(is_legal(g, true, Move::board(5, 5, 5, 4)));
    EXPECT_FALSE(is_legal(g, false, Move::board(5, 5, 5, 4))) << "the other side's gold";
    EXPECT_FALSE(is_legal(g, true, Move::board(11, 4, 4, 4))) << "no hand beside the board";
}

}  // namespace
}  // namespace banzuri

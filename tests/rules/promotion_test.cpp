#include "rules/promotion.h"

#include <gtest/gtest.h>

#include "fixtures.h"

namespace banzuri {
namespace {

using testing::empty_game;

TEST(Owner, TwoHumansAlwaysMakeTheLowerSideFirst) {
    GameState g = empty_game();
    g.lower_order = SECOND_PLAYER;  // start-up value left over
    g.upper_order = FIRST_PLAYER;
    EXPECT_EQ(調査_駒手番(g, LOWER_HU), FIRST_PLAYER);
    EXPECT_EQ(調査_駒手番(g, UPPER_OU), SECOND_PLAYER);
    EXPECT_EQ(調査_駒手番(g, EMPTY), TURN_NONE);
    EXPECT_EQ(調査_駒手番(g, LOWER_KIN_NARI), TURN_NONE);
    EXPECT_EQ(調査_駒手番(g, UPPER_KIN_NARI), TURN_NONE);
    EXPECT_EQ(調査_駒手番(g, 5000), TURN_NONE);
}

TEST(Owner, AgainstTheComputerFollowsTheChosenOrder) {
    GameState g = empty_game();
    g.game_mode = MODE_COM;
    g.lower_order = SECOND_PLAYER;
    g.upper_order = FIRST_PLAYER;
    EXPECT_EQ(調査_駒手番(g, LOWER_GIN), SECOND_PLAYER);
    EXPECT_EQ(調査_駒手番(g, UPPER_GIN), FIRST_PLAYER);
    g.lower_order = FIRST_PLAYER;
    g.upper_order = SECOND_PLAYER;
    EXPECT_EQ(調査_駒手番(g, LOWER_GIN), FIRST_PLAYER);
    EXPECT_EQ(調査_駒手番(g, UPPER_GIN), SECOND_PLAYER);
    g.game_mode = 7;
    EXPECT_EQ(調査_駒手番(g, LOWER_GIN), TURN_NONE);
}

TEST(Promotion, ZonesAndPromotedCodes) {
    GameState g = empty_game();
    EXPECT_EQ(調査_駒成(g, 5, 4, 5, 3, LOWER_HU), ON);
    EXPECT_EQ(g.promoted_piece, LOWER_HU_NARI);
    EXPECT_EQ(調査_駒成(g, 5, 5, 5, 4, LOWER_HU), OFF);
    EXPECT_EQ(調査_駒成(g, 5, 3, 5, 4, LOWER_GIN), ON) << "a silver leaving the zone";
    EXPECT_EQ(g.promoted_piece, LOWER_GIN_NARI);
    EXPECT_EQ(調査_駒成(g, 5, 6, 5, 7, UPPER_HU), ON);
    EXPECT_EQ(g.promoted_piece, UPPER_HU_NARI);
    EXPECT_EQ(調査_駒成(g, 2, 7, 2, 3, UPPER_SYA), ON) << "a rook leaving the upper zone";
    EXPECT_EQ(g.promoted_piece, UPPER_SYA_NARI);
    EXPECT_EQ(調査_駒成(g, 5, 3, 5, 2, LOWER_KIN), OFF);
    EXPECT_EQ(調査_駒成(g, 5, 2, 5, 1, LOWER_OU), OFF);
    EXPECT_EQ(調査_駒成(g, 5, 3, 5, 2, LOWER_HU_NARI), OFF);
    EXPECT_EQ(g.promoted_piece, UPPER_SYA_NARI) << "an OFF answer leaves it unchanged";
}

TEST(Promotion, DropsNeverPromote) {
    GameState g = empty_game();
    EXPECT_EQ(調査_駒成(g, DROP_COLUMN, 7, 5, 1, LOWER_SYA), OFF);
    EXPECT_EQ(調査_駒成(g, DROP_COLUMN, 7, 5, 9, UPPER_SYA), OFF);
    EXPECT_EQ(g.promoted_piece, EMPTY);
}

// The promoted code alone, as the move list and the records ask for it: the zone is entered or
// left by the move, and only the pieces that promote have one.
TEST(Promotion, PromotedCodeByRowsAlone) {
    EXPECT_EQ(promoted_code(LOWER_HU, 4, 3), LOWER_HU_NARI);
    EXPECT_EQ(promoted_code(LOWER_HU, 5, 4), EMPTY);
    EXPECT_EQ(promoted_code(LOWER_KEI, 5, 3), LOWER_KEI_NARI);
    EXPECT_EQ(promoted_code(LOWER_KEI, 3, 1), LOWER_KEI_NARI);
    EXPECT_EQ(promoted_code(LOWER_KYOU, 3, 4), EMPTY) << "a lance only by entering";
    EXPECT_EQ(promoted_code(LOWER_KAKU, 2, 6), LOWER_KAKU_NARI) << "a bishop leaving the zone";
    EXPECT_EQ(promoted_code(UPPER_GIN, 7, 6), UPPER_GIN_NARI);
    EXPECT_EQ(promoted_code(UPPER_SYA, 6, 6), EMPTY);
    EXPECT_EQ(promoted_code(UPPER_HU, 6, 7), UPPER_HU_NARI);
    for (int code : {LOWER_KIN, UPPER_KIN, LOWER_OU, UPPER_OU, LOWER_SYA_NARI, UPPER_HU_NARI})
        EXPECT_EQ(promoted_code(code, 2, 1), EMPTY) << code;
}

TEST(Capture, PiecesEnterTheCapturersHandUnpromoted) {
    GameState g = empty_game();
    駒取得(g, UPPER_SYA_NARI);
    EXPECT_EQ(g.hand_own[7], 1);
    駒取得(g, LOWER_HU_NARI);
    駒取得(g, LOWER_HU);
    EXPECT_EQ(g.hand_enemy[1], 2);
    EXPECT_EQ(g.hand_total_lower(), 1) << "the total follows the hand";
    駒取得(g, EMPTY);
    駒取得(g, 12345);
    EXPECT_EQ(調査_持駒数(g, FIRST_PLAYER), 1);
    EXPECT_EQ(調査_持駒数(g, SECOND_PLAYER), 2);
    EXPECT_EQ(調査_持駒数(g, TURN_NONE), 0);
    EXPECT_EQ(g.winner, TURN_NONE);
}

TEST(Capture, AKingDecidesTheGameAndGoesIntoNoHand) {
    GameState g = empty_game();
    駒取得(g, UPPER_OU);
    EXPECT_EQ(g.winner, g.lower_order);
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(g.hand_own[static_cast<std::size_t>(k)], 0);
    GameState h = empty_game();
    駒取得(h, LOWER_OU);
    EXPECT_EQ(h.winner, h.upper_order);
}

}  // namespace
}  // namespace banzuri

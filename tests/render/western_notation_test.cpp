// Moves and labels as an English player reads them: Western shogi notation, rank letters,
// the handicap ladder in English; Japanese unchanged.
#include <gtest/gtest.h>

#include "render/labels.h"
#include "rules/pieces.h"

namespace banzuri {
namespace {

// Board squares: x = column from the left (file 10 - x), y = row from the top (rank a..i).
TEST(WesternNotation, MovesDropsPromotionsAndDeclinedPromotions) {
    EXPECT_EQ(western_move_text(Move::board(3, 7, 3, 6), LOWER_HU, false), "P-7f");
    EXPECT_EQ(western_move_text(Move::board(6, 9, 6, 8), LOWER_GIN, false), "S-4h");
    EXPECT_EQ(western_move_text(Move::drop_of(1, 5, 5), LOWER_HU, false), "P*5e");
    EXPECT_EQ(western_move_text(Move::board(2, 8, 8, 2, true), LOWER_KAKU, true), "B-2b+");
    EXPECT_EQ(western_move_text(Move::board(2, 8, 8, 2, false), LOWER_KAKU, true), "B-2b=");
    EXPECT_EQ(western_move_text(Move::board(5, 1, 5, 2), UPPER_OU, false), "K-5b");
    EXPECT_EQ(western_move_text(Move::board(5, 3, 5, 4), UPPER_SYA_NARI, false), "+R-5d");
    EXPECT_EQ(western_move_text(Move::board(5, 3, 5, 4), EMPTY, false), "");
    // The origin, when another piece of the kind could have gone there too; never for a drop.
    EXPECT_EQ(western_move_text(Move::board(4, 9, 5, 8), LOWER_KIN, false, true), "G6i-5h");
    EXPECT_EQ(western_move_text(Move::board(5, 3, 5, 4), UPPER_SYA_NARI, false, true), "+R5c-5d");
    EXPECT_EQ(western_move_text(Move::board(2, 8, 8, 2, true), LOWER_KAKU, true, true), "B8h-2b+");
    EXPECT_EQ(western_move_text(Move::drop_of(1, 5, 5), LOWER_HU, false, true), "P*5e");
}

TEST(EnglishLabels, RanksHandicapsAndTheMoveNumber) {
    EXPECT_EQ(number_text(1, 1, Language::ENGLISH), "a");
    EXPECT_EQ(number_text(9, 1, Language::ENGLISH), "i");
    EXPECT_EQ(number_text(0, 1, Language::ENGLISH), "");
    EXPECT_EQ(number_text(7, 0, Language::ENGLISH), " 7");
    EXPECT_EQ(number_text(1, 1, Language::JAPANESE), "一");
    EXPECT_EQ(label_text(-10, Language::ENGLISH), "Handicap: Meijin");
    EXPECT_EQ(label_text(-2, Language::ENGLISH), "Handicap: 1 dan");
    EXPECT_EQ(label_text(10, Language::ENGLISH), "Handicap: 12 kyu");
    EXPECT_EQ(label_text(99, Language::ENGLISH), "moves");
    EXPECT_EQ(label_text(11, Language::ENGLISH), "");
    EXPECT_EQ(label_text(-10), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人");
    EXPECT_EQ(label_text(99), "手目");
}

}  // namespace
}  // namespace banzuri

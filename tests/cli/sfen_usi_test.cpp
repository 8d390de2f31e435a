#include <gtest/gtest.h>

#include "cli/sfen.h"
#include "cli/usi.h"

namespace banzuri::cli {
namespace {

TEST(Sfen, StartingPositionAndRoundTrips) {
    EXPECT_EQ(to_sfen(start_position()),
              "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1");
    for (const char* text : {
             "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1",
             "8k/9/9/9/9/9/9/9/K8 b RB2G3S4N2L18Prbgsnl2p 77",
             "+R+Bk+s+n+l+pK1/9/9/9/9/9/9/9/9 w 2p 123456789",
             "9/9/9/9/9/9/9/9/9 b - 5",
             "PPPPPPPPP/ppppppppp/9/9/KKK6/kk7/9/9/9 w - 1",
         }) {
        Position p;
        ASSERT_EQ(parse_sfen(text, p), "") << text;
        EXPECT_EQ(to_sfen(p), text);
    }
}

TEST(Sfen, SquaresSidesAndHands) {
    Position p;
    ASSERT_EQ(parse_sfen("8k/9/9/9/9/9/9/9/K+r7 w 3Pn 9", p), "");
    EXPECT_EQ(p.game.at(9, 1), UPPER_OU) << "the last square of rank a is column 9 (file 1)";
    EXPECT_EQ(p.game.at(1, 9), LOWER_OU) << "the first square of rank i is column 1 (file 9)";
    EXPECT_EQ(p.game.at(2, 9), UPPER_SYA_NARI);
    EXPECT_FALSE(p.lower_to_move());
    EXPECT_TRUE(p.game.running());
    EXPECT_EQ(p.game.position().hand_own[KIND_HU], 3);
    EXPECT_EQ(p.game.position().hand_enemy[KIND_KEI], 1);
    EXPECT_EQ(p.game.position().hand_total_lower(), 3);
    EXPECT_EQ(p.move_number, 9);
    ASSERT_EQ(parse_sfen("  8k/9/9/9/9/9/9/9/K8   b  -  1 ", p), "") << "extra blanks";
}

TEST(Sfen, RefusalsSayWhy) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "expected 4 fields"},
        {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b -", "found 3"},
        {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1 b - 1", "8 ranks"},
        {"9/9/9/9/9/9/9/9/9/9 b - 1", "10 ranks"},
        {"lnsgkgsnl1/9/9/9/9/9/9/9/9 b - 1", "rank a: more than 9"},
        {"9/8/9/9/9/9/9/9/9 b - 1", "rank b: fewer than 9"},
        {"9/9/4x4/9/9/9/9/9/9 b - 1", "rank c: unknown piece 'x'"},
        {"9/9/9/4+G4/9/9/9/9/9 b - 1", "unknown piece '+G'"},
        {"9/9/9/9/4+k4/9/9/9/9 b - 1", "unknown piece '+k'"},
        {"9/9/9/9/9/9/9/9/8+ b - 1", "'+' without a piece"},
        {"9/9/9/9/9/9/9/9/90 b - 1", "unknown piece '0'"},
        {"9/9/9/9/9/9/9/9/9 x - 1", "side to move"},
        {"9/9/9/9/9/9/9/9/9 b 0P 1", "bad count '0'"},
        {"9/9/9/9/9/9/9/9/9 b 1P 1", "bad count '1'"},
        {"9/9/9/9/9/9/9/9/9 b 100P 1", "bad count '100'"},
        {"9/9/9/9/9/9/9/9/9 b P2 1", "count without a piece"},
        {"9/9/9/9/9/9/9/9/9 b K 1", "unknown piece 'K'"},
        {"9/9/9/9/9/9/9/9/9 b PP 1", "given twice"},
        {"9/9/9/9/9/9/9/9/9 b - 0", "at least 1"},
        {"9/9/9/9/9/9/9/9/9 b - x1", "not a number"},
        {"9/9/9/9/9/9/9/9/9 b - 1234567890", "move number"},
        {"9/9/9/9/9/9/9/9/9 b - 1 1", "more than 4 fields"},
    };
    for (const auto& [text, why] : cases) {
        Position p;
        EXPECT_NE(parse_sfen(text, p).find(why), std::string::npos)
            << text << " -> " << parse_sfen(text, p);
    }
}

TEST(Usi, SquaresDropsAndPromotion) {
    Move m;
    ASSERT_EQ(parse_usi("7g7f", m), "");
    EXPECT_EQ(m, Move::board(3, 7, 3, 6));
    ASSERT_EQ(parse_usi("1a9i+", m), "");
    EXPECT_EQ(m, Move::board(9, 1, 1, 9, true));
    ASSERT_EQ(parse_usi("N*5e", m), "");
    EXPECT_EQ(m, Move::drop_of(KIND_KEI, 5, 5));
    EXPECT_EQ(to_usi(m), "N*5e");
    ASSERT_EQ(parse_usi("R*1a", m), "");
    EXPECT_EQ(m, Move::drop_of(KIND_SYA, 9, 1));
    EXPECT_EQ(to_usi(m), "R*1a") << "one drop letter for either side";
    EXPECT_EQ(to_usi(Move::board(5, 4, 5, 3, true)), "5d5c+");

    for (const char* bad : {"", "7g7", "7g7f++", "7g7f-", "0a1b", "7j7f", "7g7F", "p*5e", "K*5e",
                            "+*5e", "P*0e", "P*5e+", "P-5e", "7g7f7e"})
        EXPECT_NE(parse_usi(bad, m), "") << bad;
}

}  // namespace
}  // namespace banzuri::cli

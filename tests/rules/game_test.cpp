// The game as its owner keeps it: moves answered step by step, the turn, the winner, the clocks
// and the record kept true by the commands alone.
#include "rules/game.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "rules/fixtures.h"
#include "rules/legal_moves.h"
#include "rules/move.h"

namespace banzuri {
namespace {

// A game between two humans from a laid-out board, lower side to move.
Game game_on(const GameState& layout, bool lower_to_move = true) {
    Game game;
    game.set_position(layout.board, layout.hand_own, layout.hand_enemy, lower_to_move);
    return game;
}

Game started_game() {
    Game game;
    game.start(MODE_MAN, FIRST_PLAYER, FIRST_PLAYER);
    return game;
}

TEST(Game, NothingIsPlayedBeforeTheGameStarts) {
    Game game;
    EXPECT_FALSE(game.running());
    EXPECT_TRUE(game.legal_moves().empty());
    EXPECT_FALSE(game.play(Move::board(3, 7, 3, 6), 1.0));
    EXPECT_EQ(game.at(3, 7), LOWER_HU);
    EXPECT_EQ(game.record_index(), 0);
    EXPECT_EQ(testing::pieces_on_board(game.position()), 40);
}

TEST(Game, AMoveIsRecordedTimedAndHandsTheTurnOver) {
    Game game = started_game();
    EXPECT_EQ(game.legal_moves().size(), 30u);
    const std::optional<MoveResult> r = game.play(Move::board(3, 7, 3, 6), 4.5);
    ASSERT_TRUE(r);
    EXPECT_TRUE(r->lower);
    EXPECT_EQ(r->played.piece, LOWER_HU);
    EXPECT_EQ(r->played.placed, LOWER_HU);
    EXPECT_TRUE(r->captures.empty());
    EXPECT_FALSE(r->king_taken());
    EXPECT_FALSE(r->played.could_promote);
    EXPECT_EQ(game.turn(), SECOND_PLAYER);
    EXPECT_EQ(game.at(3, 6), LOWER_HU);
    EXPECT_EQ(game.at(3, 7), EMPTY);
    EXPECT_EQ(game.record_index(), 1);
    EXPECT_EQ(game.move_count(), 1);
    EXPECT_EQ(game.record_last(), 0);
    EXPECT_DOUBLE_EQ(game.time_lower(), 4.5);
    EXPECT_DOUBLE_EQ(game.time_upper(), 0);
    // Entry 0 is the start with both clocks around the move.
    const RecordEntry& e = game.entries()[0];
    EXPECT_EQ(e.board[3][7], LOWER_HU);
    EXPECT_DOUBLE_EQ(e.time_lower_before, 0);
    EXPECT_DOUBLE_EQ(e.time_lower_after, 4.5);
    EXPECT_DOUBLE_EQ(e.time_upper_after, 0);
    ASSERT_EQ(game.moves().size(), 1u);
    EXPECT_EQ(game.moves()[0].move, Move::board(3, 7, 3, 6));
    EXPECT_DOUBLE_EQ(game.moves()[0].seconds, 4.5);
    // The upper side's move charges the upper clock only.
    ASSERT_TRUE(game.play(Move::board(7, 3, 7, 4), 2));
    EXPECT_DOUBLE_EQ(game.time_lower(), 4.5);
    EXPECT_DOUBLE_EQ(game.time_upper(), 2);
    EXPECT_EQ(game.turn(), FIRST_PLAYER);
}

// Western notation names a move's origin when another piece of its kind could have gone
// there too: both golds reach 5h (the upper side's too, its 5b); the pawn and silver do not
// share theirs.
TEST(Game, AMoveKnowsWhetherAnotherPieceOfItsKindCouldGoThere) {
    Game game = started_game();
    const auto origin_named = [&](const Move& m) {
        const std::optional<MoveResult> r = game.play(m, 0);
        return r && r->played.origin_named;
    };
    EXPECT_FALSE(origin_named(Move::board(3, 7, 3, 6)));
    EXPECT_TRUE(origin_named(Move::board(4, 1, 5, 2)));
    EXPECT_TRUE(origin_named(Move::board(6, 9, 5, 8)));
    EXPECT_FALSE(origin_named(Move::board(3, 1, 3, 2)));
    EXPECT_FALSE(origin_named(Move::board(3, 9, 3, 8)));
}

TEST(Game, IllegalMovesChangeNothing) {
    Game game = started_game();
    const GameState before = game.position();
    const Move refused[] = {
        Move::board(3, 7, 3, 7),               // nowhere
        Move::board(3, 3, 3, 4),               // the other side's pawn
        Move::board(5, 5, 5, 4),               // an empty source
        Move::board(2, 8, 3, 7),               // onto an own piece
        Move::board(3, 7, 3, 6, true),         // promotion outside the zone
        Move::drop_of(KIND_HU, 5, 5),          // nothing in hand
        Move{{3, 7}, KIND_HU, {3, 6}, false},  // a drop that names a square
        Move::board(3, 7, 0, 6),               // off the board
    };
    for (const Move& m : refused) {
        EXPECT_FALSE(game.is_legal(m)) << m.from.x << m.from.y << m.to.x << m.to.y;
        EXPECT_FALSE(game.play(m, 1));
    }
    EXPECT_EQ(game.position().board, before.board);
    EXPECT_EQ(game.record_index(), 0);
    EXPECT_TRUE(game.moves().empty());
    EXPECT_EQ(game.turn(), FIRST_PLAYER);
}

TEST(Game, PromotionIsAskedOfTheGameAndChosenByTheMove) {
    GameState layout = testing::empty_game();
    layout.set(5, 9, LOWER_OU);
    layout.set(5, 1, UPPER_OU);
    layout.set(2, 4, LOWER_HU);
    Game game = game_on(layout);
    const Move pawn = Move::board(2, 4, 2, 3);
    EXPECT_EQ(game.promotion_of(pawn), LOWER_HU_NARI);
    EXPECT_FALSE(game.must_promote(pawn));
    EXPECT_EQ(game.promotion_of(Move::board(5, 9, 5, 8)), EMPTY);
    const std::optional<MoveResult> r = game.play(Move::board(2, 4, 2, 3, true), 0);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->played.piece, LOWER_HU);
    EXPECT_EQ(r->played.placed, LOWER_HU_NARI);
    EXPECT_TRUE(r->played.could_promote);
    EXPECT_EQ(game.at(2, 3), LOWER_HU_NARI);
}

TEST(Game, APawnOnTheLastRowMustPromote) {
    GameState layout = testing::empty_game();
    layout.set(5, 9, LOWER_OU);
    layout.set(9, 1, UPPER_OU);
    layout.set(2, 2, LOWER_HU);
    Game game = game_on(layout);
    EXPECT_TRUE(game.must_promote(Move::board(2, 2, 2, 1)));
    EXPECT_FALSE(game.play(Move::board(2, 2, 2, 1), 0));
    EXPECT_TRUE(game.play(Move::board(2, 2, 2, 1, true), 0));
}

// The upper gold arrives between two lower pieces each closed by an upper pawn: two sandwiches,
// taken in the order of the scans (left before right); every piece goes to the mover's hand.
TEST(Game, CapturesAreAnsweredInTheOrderTheyAreTaken) {
    GameState layout = testing::two_enclosed_groups();
    layout.set(5, 1, EMPTY);
    layout.set(5, 2, UPPER_KIN);
    layout.set(9, 9, LOWER_OU);
    layout.set(9, 5, UPPER_OU);
    Game game = game_on(layout, false);
    const std::optional<MoveResult> r = game.play(Move::board(5, 2, 5, 1), 3);
    ASSERT_TRUE(r);
    EXPECT_FALSE(r->lower);
    ASSERT_EQ(r->captures.size(), 2u);
    EXPECT_EQ(r->captures[0].kind, CaptureKind::SANDWICH);
    EXPECT_EQ(r->captures[0].squares, (std::vector<Square>{{4, 1}}));
    EXPECT_EQ(r->captures[0].pieces, (std::vector<int>{LOWER_HU}));
    EXPECT_EQ(r->captures[1].squares, (std::vector<Square>{{6, 1}}));
    EXPECT_EQ(r->captures[1].pieces, (std::vector<int>{LOWER_GIN}));
    EXPECT_EQ(game.at(4, 1), EMPTY);
    EXPECT_EQ(game.at(6, 1), EMPTY);
    EXPECT_EQ(GameState::count(game.position().hand_enemy, KIND_HU), 1);
    EXPECT_EQ(GameState::count(game.position().hand_enemy, KIND_GIN), 1);
    EXPECT_DOUBLE_EQ(game.time_upper(), 3);
}

// The lower gold lands on (2, 1): the upper pawn (3, 1) is sandwiched against the lower gold
// (4, 1) first, then the upper pawn in the corner (1, 1) is enclosed.
TEST(Game, ASandwichComesBeforeAnEnclosure) {
    GameState layout = testing::empty_game();
    layout.set(9, 9, LOWER_OU);
    layout.set(9, 5, UPPER_OU);
    layout.set(2, 2, LOWER_KIN);
    layout.set(1, 1, UPPER_HU);
    layout.set(1, 2, LOWER_KIN);
    layout.set(3, 1, UPPER_HU);
    layout.set(4, 1, LOWER_KIN);
    Game game = game_on(layout);
    const std::optional<MoveResult> r = game.play(Move::board(2, 2, 2, 1), 0);
    ASSERT_TRUE(r);
    ASSERT_EQ(r->captures.size(), 2u);
    EXPECT_EQ(r->captures[0].kind, CaptureKind::SANDWICH);
    EXPECT_EQ(r->captures[0].squares, (std::vector<Square>{{3, 1}}));
    EXPECT_EQ(r->captures[0].closing, (Square{4, 1}));
    EXPECT_EQ(r->captures[1].kind, CaptureKind::ENCLOSURE);
    EXPECT_EQ(r->captures[1].squares, (std::vector<Square>{{1, 1}}));
    EXPECT_EQ(r->captures[1].pieces, (std::vector<int>{UPPER_HU}));
    EXPECT_EQ(GameState::count(game.position().hand_own, KIND_HU), 2);
}

// A silver dropped beside the upper king in the corner closes its last liberty.
TEST(Game, TakingTheKingDecidesTheGameAndStopsPlay) {
    GameState layout = testing::empty_game();
    layout.set(9, 9, LOWER_OU);
    layout.set(1, 1, UPPER_OU);
    layout.set(1, 2, LOWER_KIN);
    GameState::add(layout.hand_own, KIND_GIN, 1);
    Game game = game_on(layout);
    const std::optional<MoveResult> r = game.play(Move::drop_of(KIND_GIN, 2, 1), 0);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->played.piece, LOWER_GIN);
    ASSERT_EQ(r->captures.size(), 1u);
    EXPECT_EQ(r->captures[0].pieces, (std::vector<int>{UPPER_OU}));
    EXPECT_TRUE(r->king_taken());
    EXPECT_EQ(game.winner(), FIRST_PLAYER);
    EXPECT_TRUE(game.legal_moves().empty());
    EXPECT_FALSE(game.play(Move::board(9, 9, 9, 8), 0));
    EXPECT_EQ(GameState::count(game.position().hand_own, KIND_GIN), 0);
    // Stepping back before the capture opens the game again; forward decides it again.
    EXPECT_TRUE(game.step_back());
    EXPECT_FALSE(game.decided());
    EXPECT_TRUE(game.step_forward());
    EXPECT_EQ(game.winner(), FIRST_PLAYER);
}

TEST(Game, SteppingBackAndForthFollowsTheRecord) {
    Game game = started_game();
    ASSERT_TRUE(game.play(Move::board(3, 7, 3, 6), 3));
    const GameState after_one = game.position();
    ASSERT_TRUE(game.play(Move::board(7, 3, 7, 4), 5));
    const GameState latest = game.position();

    EXPECT_TRUE(game.step_back());
    EXPECT_EQ(game.position().board, after_one.board);
    EXPECT_EQ(game.turn(), SECOND_PLAYER);
    EXPECT_EQ(game.record_index(), 1);
    EXPECT_DOUBLE_EQ(game.time_upper(), 0);
    EXPECT_DOUBLE_EQ(game.time_lower(), 3);
    EXPECT_EQ(game.line_end(), 2);
    EXPECT_EQ(game.moves().size(), 2u);  // the move ahead is still in the line
    EXPECT_TRUE(game.step_back());
    EXPECT_FALSE(game.step_back());
    EXPECT_EQ(game.turn(), FIRST_PLAYER);
    EXPECT_TRUE(game.go_to(2));
    EXPECT_EQ(game.position().board, latest.board);
    EXPECT_DOUBLE_EQ(game.time_upper(), 5);
    EXPECT_FALSE(game.step_forward());

    // A move played from a stepped-back position cuts the line there.
    EXPECT_TRUE(game.go_to(1));
    ASSERT_TRUE(game.play(Move::board(1, 3, 1, 4), 1));
    EXPECT_EQ(game.moves().size(), 2u);
    EXPECT_EQ(game.moves()[1].move, Move::board(1, 3, 1, 4));
    EXPECT_FALSE(game.step_forward());
    EXPECT_EQ(game.line_end(), 2);
}

TEST(Game, TakeBackEndsTheLineForGood) {
    Game game;
    game.start(MODE_COM, FIRST_PLAYER, FIRST_PLAYER);
    ASSERT_TRUE(game.play(Move::board(3, 7, 3, 6), 1));
    ASSERT_TRUE(game.play(Move::board(7, 3, 7, 4), 1));
    ASSERT_TRUE(game.play(Move::board(2, 7, 2, 6), 1));
    EXPECT_FALSE(game.take_back(4));
    EXPECT_TRUE(game.take_back(2));
    EXPECT_EQ(game.record_index(), 1);
    EXPECT_EQ(game.moves().size(), 1u);
    EXPECT_EQ(game.turn(), SECOND_PLAYER);
    EXPECT_FALSE(game.step_forward());
    EXPECT_DOUBLE_EQ(game.time_lower(), 1);
}

// The same game with the lower side as the second player: the side to move and the winner
// stay the same sides, only their tokens change.
TEST(Game, PlayersChangeTokensNotSides) {
    Game game = started_game();
    ASSERT_TRUE(game.play(Move::board(3, 7, 3, 6), 0));
    ASSERT_FALSE(game.lower_to_move());
    game.set_players(MODE_COM, SECOND_PLAYER);
    EXPECT_EQ(game.lower_order(), SECOND_PLAYER);
    EXPECT_EQ(game.upper_order(), FIRST_PLAYER);
    EXPECT_EQ(game.turn(), FIRST_PLAYER);
    EXPECT_FALSE(game.lower_to_move());
    EXPECT_EQ(game.mode(), MODE_COM);
    game.resign();
    EXPECT_EQ(game.winner(), game.lower_order());
    game.set_players(MODE_MAN, FIRST_PLAYER);
    EXPECT_EQ(game.winner(), FIRST_PLAYER);
}

// The line holds every position before a move and then the latest one with both totals; after
// a step back it still reaches the latest position.
TEST(Game, TheLineEndsAtTheLatestPosition) {
    Game game = started_game();
    ASSERT_TRUE(game.play(Move::board(3, 7, 3, 6), 2));
    ASSERT_TRUE(game.play(Move::board(7, 3, 7, 4), 3));
    const GameState latest = game.position();
    std::vector<RecordEntry> line = game.line();
    ASSERT_EQ(line.size(), 3u);
    EXPECT_EQ(line[2].board, latest.board);
    EXPECT_DOUBLE_EQ(line[2].time_lower_before, 2);
    EXPECT_DOUBLE_EQ(line[2].time_upper_after, 3);
    EXPECT_DOUBLE_EQ(line[1].time_upper_before, 0);
    EXPECT_DOUBLE_EQ(line[1].time_upper_after, 3);
    ASSERT_TRUE(game.step_back());
    EXPECT_EQ(game.line(), line);
    ASSERT_TRUE(game.step_back());
    EXPECT_EQ(game.line(), line);
}

TEST(Game, ResigningDecidesForTheOtherSide) {
    Game game = started_game();
    game.resign();
    EXPECT_EQ(game.winner(), SECOND_PLAYER);
    EXPECT_FALSE(game.play(Move::board(3, 7, 3, 6), 0));
}

TEST(Game, FlippingTurnsTheBoardRoundAndStartsTheRecordAnew) {
    Game game = started_game();
    ASSERT_TRUE(game.play(Move::board(3, 7, 3, 6), 0));
    game.flip();
    EXPECT_EQ(game.at(7, 4), UPPER_HU);  // the pawn on (3, 6) seen from the other side
    EXPECT_EQ(game.at(5, 1), UPPER_OU);
    EXPECT_EQ(game.turn(), FIRST_PLAYER);
    EXPECT_EQ(game.record_index(), 0);
    EXPECT_TRUE(game.moves().empty());
    EXPECT_FALSE(game.step_back());
}

// The game and the rules' own procedures (the legal-move list, the move itself, then the
// capture sequence) agree over seeded random games.
TEST(Game, AgreesWithTheRulesOverRandomGames) {
    int captures = 0;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        Game game = started_game();
        GameState silent = testing::start_game();
        unsigned state = seed;
        for (int ply = 0; ply < 200 && !game.decided(); ++ply) {
            const bool lower = game.lower_to_move();
            const std::vector<Move> moves = game.legal_moves();
            ASSERT_EQ(moves, legal_moves(silent, lower));
            if (moves.empty()) break;
            state = state * 1103515245u + 12345u;
            const Move& m = moves[(state >> 8) % moves.size()];
            const int placed = placed_code(silent, lower, m);
            const std::optional<MoveResult> r = game.play(m, 1);
            ASSERT_TRUE(r);
            EXPECT_EQ(r->played.piece, moving_piece(silent, lower, m));
            EXPECT_EQ(r->played.placed, placed);
            captures += static_cast<int>(r->captures.size());
            const Square from = source_of(m);
            駒移動(silent, from.x, from.y, m.to.x, m.to.y, placed);
            testing::take_captures(silent, m.to.x, m.to.y);
            ASSERT_EQ(game.position().board, silent.board) << "seed " << seed << " ply " << ply;
            ASSERT_EQ(game.position().hand_own, silent.hand_own);
            ASSERT_EQ(game.position().hand_enemy, silent.hand_enemy);
            ASSERT_EQ(game.winner(), silent.winner);
        }
    }
    EXPECT_GT(captures, 20);
}

}  // namespace
}  // namespace banzuri

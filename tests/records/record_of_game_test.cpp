// A record made from a game in progress: written as KIF and read back it replays to the very
// positions the game went through, with its moves, times and result.
#include "records/record_of_game.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "records/kif_format.h"
#include "records/kif_reader.h"
#include "records/random_records.h"
#include "records/replay.h"

namespace banzuri::records {
namespace {

// The game of a start position between two humans, the start's side to move.
Game game_from(const StartPosition& start) {
    return replay_game(start);
}

// The record survives KIF text and replays, position by position, as the game played it.
void expect_round_trip(const Game& game, const GameRecord& r) {
    ASSERT_EQ(check_record(r), std::nullopt);
    const std::string text = write_kif(r);
    const KifResult back = read_kif(text);
    ASSERT_TRUE(back.record) << back.problem.text().japanese << "\n" << text;
    EXPECT_EQ(*back.record, r) << text;
    Game replayed;
    ASSERT_EQ(replay(*back.record, replayed), std::nullopt);
    for (std::size_t n = 0; n < r.moves.size(); ++n) {
        EXPECT_EQ(replayed.moves()[n].move, game.moves()[n].move);
        EXPECT_EQ(replayed.entries()[n].board, game.entries()[n].board) << "position " << n;
        EXPECT_EQ(replayed.entries()[n].hand_lower, game.entries()[n].hand_lower);
        EXPECT_EQ(replayed.entries()[n].hand_upper, game.entries()[n].hand_upper);
    }
}

TEST(RecordOfGame, RandomGamesRoundTripThroughKif) {
    int drops = 0;
    int promotions = 0;
    int declined = 0;
    int decided = 0;
    for (std::uint32_t seed = 1; seed <= 30 && !::testing::Test::HasFailure(); ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 rng(seed);
        Game game = game_from(testing::varied_start(rng, static_cast<int>(seed)));
        for (int ply = 0; ply < 250 && !game.decided(); ++ply) {
            const std::vector<Move> moves = game.legal_moves();
            if (moves.empty()) break;
            ASSERT_TRUE(game.play(moves[rng() % moves.size()], (rng() % 5000) / 100.0));
        }
        const GameRecord r = record_of_game(game, RecordEnd::LINE_END);
        ASSERT_EQ(r.moves.size(), game.moves().size());
        for (std::size_t n = 0; n < r.moves.size(); ++n) {
            const RecordedMove& m = r.moves[n];
            const bool lower = m.piece < 0;
            const RecordEntry& e = game.entries()[n];
            EXPECT_EQ(m.total, whole_seconds(lower ? e.time_lower_after : e.time_upper_after));
            drops += m.move.is_drop();
            promotions += m.move.promote;
            declined += m.could_promote && !m.move.promote;
        }
        decided += r.winner != Side::none;
        expect_round_trip(game, r);
        Game replayed;
        ASSERT_EQ(replay(r, replayed), std::nullopt);
        EXPECT_EQ(replayed.position().board, game.position().board);
        EXPECT_EQ(replayed.position().hand_own, game.position().hand_own);
        EXPECT_EQ(replayed.position().hand_enemy, game.position().hand_enemy);
    }
    EXPECT_GT(drops, 20);
    EXPECT_GT(promotions, 10);
    EXPECT_GT(declined, 10);
    EXPECT_GT(decided, 3);
}

TEST(RecordOfGame, PromotionTakenAndDeclinedAndADrop) {
    // A lower silver on (3, 4) and one on (7, 4), a gold in the lower hand, the kings apart.
    StartPosition start;
    start.board[5][9] = LOWER_OU;
    start.board[5][1] = UPPER_OU;
    start.board[3][4] = LOWER_GIN;
    start.board[7][4] = LOWER_GIN;
    start.board[1][1] = UPPER_HU;
    start.hand_lower[KIND_KIN] = 1;
    Game game = game_from(start);
    ASSERT_TRUE(game.play(Move::board(3, 4, 3, 3, true), 1.5));  // taken
    ASSERT_TRUE(game.play(Move::board(5, 1, 4, 1), 2));
    ASSERT_TRUE(game.play(Move::board(7, 4, 7, 3), 3.7));  // declined
    ASSERT_TRUE(game.play(Move::board(4, 1, 5, 1), 0));
    ASSERT_TRUE(game.play(Move::drop_of(KIND_KIN, 5, 5), 10));

    const GameRecord r = record_of_game(game, RecordEnd::LINE_END);
    ASSERT_EQ(r.moves.size(), 5u);
    EXPECT_EQ(r.start.board, start.board);
    EXPECT_TRUE(r.start.lower_to_move);
    EXPECT_EQ(r.moves[0].piece, LOWER_GIN);
    EXPECT_TRUE(r.moves[0].could_promote);
    EXPECT_TRUE(r.moves[2].could_promote);
    EXPECT_FALSE(r.moves[2].move.promote);
    EXPECT_FALSE(r.moves[1].could_promote) << "a king never promotes";
    EXPECT_EQ(r.moves[4].piece, LOWER_KIN);
    EXPECT_FALSE(r.moves[4].could_promote);
    // Seconds and totals in whole seconds of the mover's own clock: 1.5, then 3.7 (5.2 in all).
    EXPECT_EQ(r.moves[0].seconds, 1);
    EXPECT_EQ(r.moves[0].total, 1);
    EXPECT_EQ(r.moves[2].seconds, 4);
    EXPECT_EQ(r.moves[2].total, 5);
    EXPECT_EQ(r.moves[4].total, 15);
    EXPECT_EQ(r.moves[3].total, 2);
    EXPECT_EQ(r.winner, Side::none);
    EXPECT_FALSE(resigned(r));

    const std::string text = write_kif(r);
    EXPECT_NE(text.find("   1 ７三銀成(74)"), std::string::npos) << text;
    EXPECT_NE(text.find("   3 ３三銀(34)    ( 0:04/00:00:05)\n"), std::string::npos)
        << "a declined promotion is a move without 成\n"
        << text;
    EXPECT_NE(text.find("   4 ５一玉(61)"), std::string::npos) << text;
    EXPECT_NE(text.find("   5 ５五金打"), std::string::npos) << text;
    expect_round_trip(game, r);
}

TEST(RecordOfGame, AHandicapStartWithTheUpperSideFirst) {
    Game game;
    for (const auto& [x, y] : {std::pair{8, 2}, std::pair{2, 2}})  // no bishop, no rook
        game.set_start_square(x, y, EMPTY);
    game.start(MODE_COM, SECOND_PLAYER, FIRST_PLAYER);  // the upper side moves first
    game.set_level(2);
    ASSERT_TRUE(game.play(Move::board(3, 3, 3, 4), 4));
    ASSERT_TRUE(game.play(Move::board(7, 7, 7, 6), 9));
    ASSERT_TRUE(game.play(Move::board(3, 4, 3, 5), 2));

    const GameRecord r = record_of_game(game, RecordEnd::LINE_END);
    EXPECT_FALSE(r.start.lower_to_move);
    EXPECT_EQ(r.start.board, game.entries()[0].board);
    EXPECT_EQ(r.start.board[8][2], EMPTY);
    EXPECT_EQ(r.game_mode, MODE_COM);
    EXPECT_EQ(r.level, 2);
    ASSERT_EQ(r.moves.size(), 3u);
    EXPECT_EQ(r.moves[2].total, 6);
    const std::string text = write_kif(r);
    EXPECT_NE(text.find("手合割：二枚落ち\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("上手番"), std::string::npos) << "a named handicap needs no diagram";
    expect_round_trip(game, r);

    // Before any move the start is the position shown, with its side to move.
    Game fresh;
    fresh.set_start_square(8, 2, EMPTY);
    fresh.start(MODE_MAN, SECOND_PLAYER, FIRST_PLAYER);
    const GameRecord empty = record_of_game(fresh, RecordEnd::LINE_END);
    EXPECT_TRUE(empty.moves.empty());
    EXPECT_EQ(empty.start.board, fresh.position().board);
    EXPECT_FALSE(empty.start.lower_to_move);
    EXPECT_EQ(check_record(empty), std::nullopt);
}

TEST(RecordOfGame, ShownPositionOrLineEndAndHowTheGameEnded) {
    // The lower pawn on (7, 7) steps to (7, 6) and sandwiches the upper king on (7, 5).
    StartPosition start;
    start.board[5][9] = LOWER_OU;
    start.board[7][5] = UPPER_OU;
    start.board[7][4] = LOWER_KIN;
    start.board[7][7] = LOWER_HU;
    start.board[1][1] = UPPER_HU;
    start.board[1][9] = LOWER_HU;
    Game game = game_from(start);
    ASSERT_TRUE(game.play(Move::board(1, 9, 1, 8), 1));
    ASSERT_TRUE(game.play(Move::board(1, 1, 1, 2), 1));
    ASSERT_TRUE(game.play(Move::board(7, 7, 7, 6), 1));
    ASSERT_TRUE(game.decided());
    GameRecord r = record_of_game(game, RecordEnd::SHOWN);
    EXPECT_EQ(r.moves.size(), 3u);
    EXPECT_EQ(r.winner, Side::lower);
    EXPECT_FALSE(resigned(r)) << "the king was taken";
    expect_round_trip(game, r);

    // Stepped back: the position shown ends the record unless the whole line is asked for.
    ASSERT_TRUE(game.step_back());
    ASSERT_TRUE(game.step_back());
    r = record_of_game(game, RecordEnd::SHOWN);
    EXPECT_EQ(r.moves.size(), 1u);
    EXPECT_EQ(r.winner, Side::none);
    EXPECT_EQ(check_record(r), std::nullopt);
    r = record_of_game(game, RecordEnd::LINE_END);
    EXPECT_EQ(r.moves.size(), 3u);
    EXPECT_EQ(r.winner, Side::lower);
    EXPECT_FALSE(resigned(r));
    EXPECT_EQ(check_record(r), std::nullopt);

    // Played on from there and given up by the side to move (the lower side).
    ASSERT_TRUE(game.play(Move::board(7, 5, 8, 5), 1));  // the upper king steps away
    game.resign();
    r = record_of_game(game, RecordEnd::LINE_END);
    EXPECT_EQ(r.moves.size(), 2u);
    EXPECT_EQ(r.winner, Side::upper);
    EXPECT_TRUE(resigned(r));
    EXPECT_EQ(check_record(r), std::nullopt);
    EXPECT_NE(write_kif(r).find("   3 投了          ( 0:00/00:00:"), std::string::npos)
        << write_kif(r);
}

}  // namespace
}  // namespace banzuri::records

// Seeded random games for the record tests: handicap ladder starts, flipped boards, either
// side first, captures, drops and promotions played through the rules.
#pragma once

#include <array>
#include <random>
#include <utility>

#include "records/game_record.h"
#include "records/replay.h"

namespace banzuri::testing {

// The squares the handicap ladder empties, from the even game outward.
inline constexpr std::array<std::pair<int, int>, 10> kUpperLadder = {
    {{8, 2}, {2, 2}, {9, 1}, {1, 1}, {8, 1}, {2, 1}, {7, 1}, {3, 1}, {6, 1}, {4, 1}}};

inline records::StartPosition handicap_start(int level) {
    records::StartPosition s = records::standard_start();
    for (int i = 0; i < (level < 0 ? -level : level); ++i) {
        const auto [x, y] = kUpperLadder[static_cast<std::size_t>(i)];
        if (level > 0)
            s.board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = EMPTY;
        else
            s.board[static_cast<std::size_t>(10 - x)][static_cast<std::size_t>(10 - y)] = EMPTY;
    }
    return s;
}

// The board turned by 180 degrees, every piece changing side, the same pieces to move.
inline records::StartPosition flipped(const records::StartPosition& s) {
    records::StartPosition f;
    for (std::size_t x = 1; x <= 9; ++x)
        for (std::size_t y = 1; y <= 9; ++y)
            f.board[10 - x][10 - y] = -s.board[x][y];
    f.hand_lower = s.hand_upper;
    f.hand_upper = s.hand_lower;
    f.lower_to_move = !s.lower_to_move;
    return f;
}

// A start position of the kind chosen by `variant`: even, handicap, upper first, flipped.
inline records::StartPosition varied_start(std::mt19937& rng, int variant) {
    switch (variant % 4) {
        case 0:
            return records::standard_start();
        case 1:
            return handicap_start(static_cast<int>(rng() % 21) - 10);
        case 2: {
            records::StartPosition s = handicap_start(static_cast<int>(rng() % 11));
            s.lower_to_move = false;
            return s;
        }
        default:
            return flipped(handicap_start(static_cast<int>(rng() % 21) - 10));
    }
}

// A game of up to `max_moves` random legal moves with random times and header data.
inline records::GameRecord random_record(std::uint32_t seed, int variant, int max_moves = 160) {
    std::mt19937 rng(seed);
    records::GameRecord r;
    r.start = varied_start(rng, variant);
    r.game_mode = rng() % 2 ? MODE_COM : MODE_MAN;
    r.level = r.game_mode == MODE_COM ? static_cast<int>(rng() % 3) + 1 : 0;
    r.started = records::DateTime{2024, 5, 1 + static_cast<int>(rng() % 28), 9, 30, 5};
    Game game = records::replay_game(r.start);
    std::array<int, 2> totals{};
    for (int i = 0; i < max_moves && !game.decided(); ++i) {
        const bool lower = records::lower_moves(r.start, r.moves.size());
        std::vector<Move> moves = game.legal_moves();
        if (moves.empty()) break;
        records::RecordedMove rm;
        rm.move = moves[rng() % moves.size()];
        rm.seconds = static_cast<int>(rng() % 200);
        if (rng() % 50 == 0) rm.seconds += 4000;
        int& total = totals[lower ? 0 : 1];
        total += rm.seconds;
        rm.total = total;
        records::play_recorded(game, rm);
        r.moves.push_back(rm);
    }
    r.winner = records::winner_of(game);
    if (r.winner == records::Side::none && rng() % 3 == 0) {
        r.ending = records::Ending::resignation;
        r.winner = records::lower_to_move_at_end(r) ? records::Side::upper : records::Side::lower;
    }
    if (r.winner != records::Side::none) r.ended = records::DateTime{2024, 5, 30, 23, 59, 59};
    return r;
}

}  // namespace banzuri::testing

#include <filesystem>
#include <fstream>
#include <sstream>

namespace banzuri::testing {

inline std::string slurp_file(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

}  // namespace banzuri::testing

#include "records/record_of_game.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace banzuri::records {

namespace {

bool king_on(const Board& board, int king) {
    for (std::size_t x = 1; x <= 9; ++x)
        for (std::size_t y = 1; y <= 9; ++y)
            if (board[x][y] == king) return true;
    return false;
}

// The order token of the side whose opponent's king is gone from `board`, or TURN_NONE.
int winner_by_kings(const Game& game, const Board& board) {
    if (!king_on(board, LOWER_OU)) return game.upper_order();
    if (!king_on(board, UPPER_OU)) return game.lower_order();
    return TURN_NONE;
}

Side side_of(const Game& game, int order) {
    if (order == TURN_NONE) return Side::none;
    if (order == game.lower_order()) return Side::lower;
    if (order == game.upper_order()) return Side::upper;
    return Side::none;
}

// A move's seconds and the mover's total, from the clocks its record entry kept around it.
void add_times(RecordedMove& rm, const RecordEntry& e, bool lower) {
    rm.total = whole_seconds(lower ? e.time_lower_after : e.time_upper_after);
    const int before = whole_seconds(lower ? e.time_lower_before : e.time_upper_before);
    rm.seconds = std::max(0, rm.total - before);
}

}  // namespace

GameRecord record_of_game(const Game& game, RecordEnd end) {
    const std::vector<PlayedMove>& played = game.moves();
    const std::vector<RecordEntry>& entries = game.entries();
    const std::size_t known = std::min(played.size(), entries.size());
    const std::size_t shown =
        std::min(known, static_cast<std::size_t>(std::max(0, game.record_index())));
    const std::size_t count = end == RecordEnd::SHOWN ? shown : known;

    GameRecord r;
    const GameState& now = game.position();
    if (known == 0) {
        r.start = {now.board, now.hand_own, now.hand_enemy,
                   !game.running() || game.lower_to_move()};
    } else {
        const RecordEntry& first = entries[0];
        r.start = {first.board, first.hand_lower, first.hand_upper, played[0].piece < 0};
    }
    for (std::size_t n = 0; n < count; ++n) {
        const PlayedMove& p = played[n];
        RecordedMove rm{p.move, p.piece, p.could_promote, 0, 0};
        add_times(rm, entries[n], p.piece < 0);
        r.moves.push_back(rm);
    }

    // Beyond the position shown, the line's latest position is the entry after its last move.
    const bool at_shown = count == shown || count >= entries.size();
    const Board& final_board = at_shown ? now.board : entries[count].board;
    const int winner = at_shown ? game.winner() : winner_by_kings(game, final_board);
    r.winner = side_of(game, winner);
    if (r.winner != Side::none && winner_by_kings(game, final_board) == TURN_NONE)
        r.ending = Ending::resignation;
    r.game_mode = game.mode();
    r.level = game.mode() == MODE_COM ? game.level() : 0;
    return r;
}

}  // namespace banzuri::records

#include "records/game_record.h"

#include <cmath>

namespace banzuri::records {

namespace {

constexpr double kMaxSeconds = 100'000'000;

}  // namespace

StartPosition standard_start() {
    GameState g;
    g.record.clear();
    初期配置(g);
    StartPosition s;
    s.board = g.board;
    return s;
}

bool lower_moves(const StartPosition& start, std::size_t index) {
    return (index % 2 == 0) == start.lower_to_move;
}

bool lower_to_move_at_end(const GameRecord& r) {
    return lower_moves(r.start, r.moves.size());
}

Side ending_winner(Ending ending, bool lower_to_move) {
    const Side mover = lower_to_move ? Side::lower : Side::upper;
    const Side other = lower_to_move ? Side::upper : Side::lower;
    switch (ending) {
        case Ending::resignation:
        case Ending::mate:
        case Ending::loss_on_time:
        case Ending::foul_loss:
            return other;
        case Ending::foul_win:
        case Ending::entering_king:
            return mover;
        default:
            return Side::none;
    }
}

int whole_seconds(double seconds) {
    if (!(seconds > 0)) return 0;
    if (seconds > kMaxSeconds) return static_cast<int>(kMaxSeconds);
    return static_cast<int>(std::floor(seconds));
}

}  // namespace banzuri::records

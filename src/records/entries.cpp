#include "records/entries.h"

#include <cstddef>

namespace banzuri::records {

// The record's moves played through the rules; the game keeps the position before each move
// with both clocks around it, and the position after the last.
std::vector<RecordEntry> to_entries(const GameRecord& r) {
    Game game = replay_game(r.start);
    for (RecordedMove rm : r.moves)
        if (!play_recorded(game, rm).empty()) return {};
    return game.line();
}

}  // namespace banzuri::records

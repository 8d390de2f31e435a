// Between a saved game and the game's own record (RecordEntry: board, hands, four clocks).
//
// `positions` holds one entry per move, the position before it with both clocks before and
// after it, as 手順保存 writes them, and then one entry more: the position after the last move,
// whose "before" clocks are the two accumulated totals.
#pragma once

#include <optional>
#include <vector>

#include "records/game_record.h"
#include "records/replay.h"

namespace banzuri::records {

struct FromEntries {
    GameRecord record;  // start, moves and winner; the caller adds mode, level, dates, resignation
    std::optional<RecordProblem> problem;
};

// Finds every move between consecutive entries: the mover's pieces change on one source and
// one destination (none for a drop, which takes a piece out of the hand), captures only remove
// enemy pieces. Each move is then played through the rules, which must give the next entry
// exactly. Clock values become whole seconds.
FromEntries from_entries(const std::vector<RecordEntry>& positions, bool lower_to_move_first);

// The positions of a checked record, played through the rules, in the layout above; empty
// when the record does not replay.
std::vector<RecordEntry> to_entries(const GameRecord& r);

}  // namespace banzuri::records

// A saved game as the positions the window steps through (RecordEntry: board, hands, four
// clocks): one entry per move, the position before it with both clocks before and after it,
// as 手順保存 writes them, and then one entry more: the position after the last move, whose
// clocks are the two accumulated totals.
#pragma once

#include <vector>

#include "records/game_record.h"
#include "records/replay.h"

namespace banzuri::records {

// The positions of a checked record, played through the rules, in the layout above; empty
// when the record does not replay.
std::vector<RecordEntry> to_entries(const GameRecord& r);

}  // namespace banzuri::records

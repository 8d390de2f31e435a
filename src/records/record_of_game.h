// A saved game made from a game in progress: its start, the moves it played with their times,
// who played and who won, read from the game itself.
#pragma once

#include "records/game_record.h"
#include "rules/game.h"

namespace banzuri::records {

// Where the record ends: at the position shown, or at the latest position of the line (the
// same while playing on; further after stepping back).
enum class RecordEnd { SHOWN, LINE_END };

// The record of `game`: the start is the position before its first move (the position shown
// when there is none) with the side that moved first (before a game, the lower side); then
// each move up to `end`, with its piece, whether it could have promoted, its seconds and the
// mover's total in whole seconds, as the game's clocks kept them. The winner is the game's
// at the end; when no king was taken it won by resignation of the side to move. Mode and level
// come from the game; the dates are the caller's.
GameRecord record_of_game(const Game& game, RecordEnd end);

}  // namespace banzuri::records

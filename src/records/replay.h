// Playing a record through the rules: legality of every move, the captures that follow, the
// winner, and the check that a record is whole before it is written or shown.
#pragma once

#include <optional>
#include <string>

#include "records/game_record.h"

namespace banzuri::records {

// What is wrong with a record: the move (1-based; 0 for the start or the header) and why.
struct RecordProblem {
    std::size_t move = 0;
    std::string why;
};

// A position to play the record on: two humans, the lower side's order token FIRST_PLAYER, the
// start laid out, no game record kept.
GameState replay_state(const StartPosition& start);

// Why a start position cannot begin a game (piece codes, counts, kings, pieces that could never
// move); empty when it can.
std::string check_start(const StartPosition& start);

// Plays one move of `lower_side` on `g` through the rules: the move must be legal (its piece and
// placed code are filled in) and the game must not be decided. Empty on success, otherwise why.
std::string play_recorded(GameState& g, bool lower_side, LegalMove& m);

// The side whose king was taken on `g` (a replay state), or none.
Side winner_of(const GameState& g);

// Plays every move of `r` on `g`, which ends at the final position. Checks the start, each
// move (also the stored piece and placed codes), the times, and that the result agrees with
// the moves: a king taken, or a resignation of the side to move, or neither.
std::optional<RecordProblem> replay(const GameRecord& r, GameState& g);

// The same when only the verdict matters.
std::optional<RecordProblem> check_record(const GameRecord& r);

}  // namespace banzuri::records

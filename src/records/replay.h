// Playing a record through the rules: legality of every move, the captures that follow, the
// winner, and the check that a record is whole before it is written or shown.
#pragma once

#include <optional>
#include <string>

#include "files/message.h"
#include "records/game_record.h"
#include "rules/game.h"

namespace banzuri::records {

// What is wrong with a record: the move (1-based; 0 for the start or the header) and why.
struct RecordProblem {
    std::size_t move = 0;
    files::Message why;
};

// Why a record is refused whose result the moves contradict.
files::Message result_disagrees();

// A game to play the record on: two humans, the lower side's order token FIRST_PLAYER, the
// start laid out with its side to move, both clocks at zero.
Game replay_game(const StartPosition& start);

// Why a start position cannot begin a game (piece codes, counts, kings, pieces that could never
// move); empty when it can.
files::Message check_start(const StartPosition& start);

// Plays one move of the side to move on `game` through the rules, the mover's clock running
// from rm.total - rm.seconds to rm.total: the move must be legal and the game not decided. On
// success the move's piece and whether it could promote are written into `rm`; otherwise the
// answer says why.
files::Message play_recorded(Game& game, RecordedMove& rm);

// The side whose king `game` has taken (or that won by resignation), or none.
Side winner_of(const Game& game);

// Plays every move of `r` on `game` (a replay game of its start), which ends at the final
// position with the record's clocks, and each earlier position one step back. Checks the
// start, each move (also the stored piece and promotion option), the times, and that the
// result agrees with the moves: a king taken, or a resignation of the side to move, or
// neither.
std::optional<RecordProblem> replay(const GameRecord& r, Game& game);

// The same when only the verdict matters.
std::optional<RecordProblem> check_record(const GameRecord& r);

}  // namespace banzuri::records

// The computer player's commands of banzuri-cli: the move it would play, the scores of every
// option it weighed, and games against a seeded random mover.
#pragma once

#include <cstdint>
#include <string>

#include "cli/commands.h"
#include "computer/search.h"

namespace banzuri::cli {

// bestmove SFEN [--level N] [--upper-first]: "bestmove MOVE" or "bestmove resign", the move
// the computer (upper side) plays in that position.
Output command_bestmove(const Args& args);

// trace SFEN [--level N] [--upper-first] [--terms]: every option of that search in scan order
// as "MOVE SCORE" (with --terms also the evaluation terms that fired), then "bestmove ...".
Output command_trace(const Args& args);

// selfplay --games N --seed S [--level L]: the computer (upper side) against a seeded random
// mover (lower side, moving first) from the starting position, without waits. One line per
// game and a summary; exit status 1 when a move breaks piece conservation. With --kif DIR every
// game is kept as DIR/game-0001.kifu, ...
Output command_selfplay(const Args& args);

struct SelfplayOptions {
    int games = 1;
    std::uint32_t seed = 1;
    int level = 3;
    int max_moves = 1000;  // a game still running after this many moves is left unfinished
    std::string kif_dir;   // where every game is kept as game-0001.kifu, ...; empty: nowhere
};

Output selfplay(const SelfplayOptions& o);

}  // namespace banzuri::cli

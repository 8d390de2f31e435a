// match: games between two computer levels from the starting position.
#pragma once

#include <cstdint>
#include <string>

#include "cli/commands.h"
#include "cli/players.h"

namespace banzuri::cli {

struct MatchOptions {
    int level_a = 4;
    int level_b = 3;
    int games = 2;
    std::uint32_t seed = 1;
    ThinkLimits think{0, 0, true};
    std::string kif_dir;  // where every game is kept as game-0001.kifu, ...; empty: nowhere
};

inline constexpr int MATCH_RANDOM_PLIES = 4;
inline constexpr int MATCH_MAX_PLIES = 400;  // a game still running after this is drawn

// match --levels A B --games N --seed S [--movetime MS | --nodes N]: A moves first in the odd
// games and second in the even ones; the first plies are seeded random moves. One line per
// game, then the summary from A's side: wins, losses, draws, score and the Elo difference
// with its 95 % interval. With --kif DIR every game is kept as DIR/game-0001.kifu, ... with the
// players, their levels and the result in its headers.
Output command_match(const Args& args);

Output play_match(const MatchOptions& o);

// "+123 (95% +80 .. +170)" from wins, losses and draws; infinite ends written "inf".
std::string elo_text(int wins, int losses, int draws);

}  // namespace banzuri::cli

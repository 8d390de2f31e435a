// analyse FILE [--level 4|5] [--nodes N | --movetime MS]: a game record looked over by the
// look-ahead search, one line per move: its number, the move, the score before and after it
// from the lower side's view in pawns (±999 a king capture in sight), the search's move there
// and 疑問手 or 悪手 where the move lost at least 2 or 5 pawns against it.
#pragma once

#include <string>

#include "cli/commands.h"
#include "computer/game_analysis.h"

namespace banzuri::cli {

Output command_analyse(const Args& args);

// One move's line, e.g. "12 7g7f +0.35 -1.20 best 2g2f" or "30 5e5d +4.10 -999 best 4d4c 悪手".
std::string analysis_line(int number, const MoveVerdict& v);

}  // namespace banzuri::cli

// kif [-o FILE] SFEN [MOVE...]: the game of USI moves from a position as a KIF record, on
// standard output (UTF-8) or written atomically to FILE (".kif" in Shift-JIS with CR LF,
// ".kifu" in UTF-8).
#pragma once

#include "cli/commands.h"

namespace banzuri::cli {

Output command_kif(const Args& args);

}  // namespace banzuri::cli

// record [--usi] FILE: checks a game record file and shows its final position, or its start
// position and moves in the notation the play command takes.
#pragma once

#include "cli/commands.h"

namespace banzuri::cli {

Output command_record(const Args& args);

}  // namespace banzuri::cli

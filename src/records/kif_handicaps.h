// The named handicaps of KIF's 手合割: the upper side gives up pieces and moves first.
#pragma once

#include <optional>
#include <string_view>

#include "records/game_record.h"

namespace banzuri::records {

// The start of a named handicap ("香落ち", ..., "十枚落ち"; "平手" is the usual start);
// nothing for any other name.
std::optional<StartPosition> named_start(std::string_view name);

// The name of `start` when it is the usual start or a named handicap, otherwise empty.
std::string_view start_name(const StartPosition& start);

// Whether every KIF reader knows the name, so that the board diagram may be left out.
bool widely_known(std::string_view name);

}  // namespace banzuri::records

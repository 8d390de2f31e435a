// The board diagram of a KIF record: both hands, the nine ranks and the side to move.
#pragma once

#include <string>
#include <string_view>

#include "files/message.h"
#include "records/game_record.h"

namespace banzuri::records {

inline constexpr std::string_view kDiagramFiles = "  ９ ８ ７ ６ ５ ４ ３ ２ １";
inline constexpr std::string_view kDiagramBorder = "+---------------------------+";

// The diagram lines of a start position, each ending in LF.
std::string board_diagram(const StartPosition& start);

// "飛　角　金二　歩十八", or "なし".
std::string hand_text(const Hand& hand);

// Reads a hand text into `hand` (cleared first); empty on success, otherwise why not.
files::Message parse_hand(std::string_view text, Hand& hand);

// Reads one diagram rank "|v香v桂 ・ ... 香|一" as row `row` of `board`; empty on success.
files::Message parse_board_row(std::string_view line, int row, Board& board);

}  // namespace banzuri::records

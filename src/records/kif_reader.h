// Reading a KIF record (UTF-8 text): header keys, an optional board diagram, the numbered
// moves with their times and the result line. Every move is played through the rules.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "files/message.h"
#include "files/shown_text.h"
#include "records/game_record.h"

namespace banzuri::records {

// Pieces of files and file names in messages, escaped (files/shown_text.h), and the messages
// themselves, in each language (files/message.h).
using files::fill;
using files::Message;
using files::shown;
using files::verbatim;

// Why a text is refused: the line (1-based; 0 for the whole text) and the reason.
struct TextProblem {
    int line = 0;
    Message why;
    // "12行目: ..." ("line 12: ...") or the reason alone.
    Message text() const;
};

struct KifResult {
    std::optional<GameRecord> record;
    TextProblem problem;  // when there is no record
};

inline constexpr std::size_t kMaxLineBytes = 1000;

// Comments (`#`, `*`, `&`), blank lines, CR LF line ends and header keys it does not know are
// passed over; lines after the result line and from a variation ("変化：") on are not read.
// 手合割 names the usual start or a named handicap (the upper side first) unless a diagram is
// given; a closing line (投了, 詰み, 千日手, ...) or a result line alone gives the ending. A text
// with no move, closing line, result line or diagram is refused. The number of moves is
// bounded by the size of a record file alone.
KifResult read_kif(std::string_view text);

}  // namespace banzuri::records

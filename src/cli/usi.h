// Moves in USI notation: file = 10 - column, rank letter a..i = row 1..9 ("7g7f", "2b3c+"),
// drops as "P*5e" with the kind letter always uppercase.
#pragma once

#include <string>
#include <string_view>

#include "rules/legal_moves.h"

namespace banzuri::cli {

std::string to_usi(const LegalMove& m);

// Reads the notation into the squares, the promotion mark and, for a drop, the hand source
// of the side to move (the move is not judged here). Answers an empty string on success,
// otherwise why the text was refused.
std::string parse_usi(std::string_view text, bool lower_side, LegalMove& out);

}  // namespace banzuri::cli

// Moves in USI notation: file = 10 - column, rank letter a..i = row 1..9 ("7g7f", "2b3c+"),
// drops as "P*5e" with the kind letter always uppercase.
#pragma once

#include <string>
#include <string_view>

#include "rules/move_type.h"

namespace banzuri::cli {

std::string to_usi(const Move& m);

// Reads the notation into the squares and the promotion mark, or a drop's kind and square
// (the move is not judged here). Answers an empty string on success, otherwise why the text
// was refused.
std::string parse_usi(std::string_view text, Move& out);

}  // namespace banzuri::cli

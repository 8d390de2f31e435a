// Positions in SFEN: ranks a..i are rows 1..9 from the top, each rank from column 1 (file 9)
// to column 9 (file 1); uppercase letters are the lower side, lowercase the upper side.
#pragma once

#include <string>
#include <string_view>

#include "rules/game_state.h"

namespace banzuri::cli {

struct Position {
    GameState g;  // a game between two humans, the lower side moving first
    bool lower_to_move = true;
    long long move_number = 1;
};

// The standard starting position, lower side to move, move 1.
Position start_position();

// Reads an SFEN text into `out`. Answers an empty string on success, otherwise why the text
// was refused (and `out` is unspecified).
std::string parse_sfen(std::string_view text, Position& out);

std::string to_sfen(const Position& p);

// SFEN letters of a piece code ("+R" for a promoted lower rook); empty for no piece.
std::string piece_letters(int code);

}  // namespace banzuri::cli

// Positions in SFEN: ranks a..i are rows 1..9 from the top, each rank from column 1 (file 9)
// to column 9 (file 1); uppercase letters are the lower side, lowercase the upper side.
#pragma once

#include <string>
#include <string_view>

#include "rules/game.h"

namespace banzuri::cli {

struct Position {
    Game game;  // a game between two humans from this position, the lower side's order first
    long long move_number = 1;
    bool lower_to_move() const { return game.lower_to_move(); }
};

// What an SFEN may hold, on input and on output alike.
inline constexpr long long MAX_MOVE_NUMBER = 999999999;
inline constexpr int MAX_HAND_COUNT = 99;

// The standard starting position, lower side to move, move 1.
Position start_position();

// Reads an SFEN text into `out`. Answers an empty string on success, otherwise why the text
// was refused (and `out` is unspecified).
std::string parse_sfen(std::string_view text, Position& out);

std::string to_sfen(const Position& p);

// Why `p` cannot be written as an SFEN the tool reads back (a move number or a hand count
// beyond the limits above); empty when it can.
std::string beyond_sfen_limits(const Position& p);

// SFEN letters of a piece code ("+R" for a promoted lower rook); empty for no piece.
std::string piece_letters(int code);

}  // namespace banzuri::cli

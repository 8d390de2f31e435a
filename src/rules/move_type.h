// The one move of the game: from a square or out of the mover's hand, to a square, promoting
// or not. Which piece moves and what stands on the destination afterwards are read from the
// position (see Game).
#pragma once

namespace banzuri {

struct Square {
    int x = 0;  // column 1..9 from the left
    int y = 0;  // row 1..9 from the top
    bool operator==(const Square&) const = default;
};

struct Move {
    Square from;   // the source square; {0, 0} for a drop
    int drop = 0;  // the hand kind 1..7 of a drop (pawn .. rook); 0 for a move on the board
    Square to;     // the destination, always an empty square
    bool promote = false;

    bool is_drop() const { return drop != 0; }
    bool operator==(const Move&) const = default;

    static constexpr Move board(int fx, int fy, int tx, int ty, bool promote = false) {
        return Move{{fx, fy}, 0, {tx, ty}, promote};
    }
    static constexpr Move drop_of(int kind, int tx, int ty) {
        return Move{{0, 0}, kind, {tx, ty}, false};
    }
};

}  // namespace banzuri

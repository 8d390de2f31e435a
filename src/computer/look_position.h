// The look-ahead search's own position: a padded board of small piece types, both hands, the
// side to move and a Zobrist hash, changed by make/unmake instead of being copied per node.
#pragma once

#include <array>
#include <cstdint>

#include "computer/look_bits.h"
#include "rules/game_state.h"

namespace banzuri::look {

// Piece types; a cell holds side * type (upper side +1, lower side -1), EMPTY or WALL.
enum Type : int {
    HU = 1,
    KYOU,
    KEI,
    GIN,
    KIN,
    KAKU,
    SYA,
    OU,
    TO,
    NARI_KYOU,
    NARI_KEI,
    NARI_GIN,
    UMA,
    RYU,
};
inline constexpr int TYPE_COUNT = 15;  // 1..14 used
inline constexpr int WALL = 64;
inline constexpr int UPPER = 1;
inline constexpr int LOWER = -1;

// Square index of column x and row y (0..10 padded with walls; two more at each end so that
// a knight's jump off the board lands on a wall).
constexpr int sq(int x, int y) {
    return (x + 1) * 11 + y;
}
inline constexpr int SQUARES = 143;
static_assert(sq(1, 1) == FIRST_SQUARE && sq(9, 9) - FIRST_SQUARE < 128);
// The 81 squares of the board.
inline constexpr Bits BOARD_BITS = [] {
    Bits b = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            b |= bit_of(sq(x, y));
    return b;
}();
inline constexpr int column_of(int s) {
    return s / 11 - 1;
}
inline constexpr int row_of(int s) {
    return s % 11;
}

// Board directions in square steps.
inline constexpr int UP = -1;
inline constexpr int DOWN = 1;
inline constexpr int LEFT = -11;
inline constexpr int RIGHT = 11;

int promoted_type(int type);    // 0 when the type never promotes
int unpromoted_type(int type);  // the kind a captured piece enters the hand as
int type_of_code(int code);     // piece code of the rules -> type (0 for no piece)
int code_of(int side, int type);

// A move: from 0 for a drop; `type` is the moving (or dropped) type before promotion.
struct Move {
    std::uint8_t from = 0;
    std::uint8_t to = 0;
    std::uint8_t type = 0;
    std::uint8_t promote = 0;
    bool drop() const { return from == 0; }
    bool none() const { return to == 0; }
    std::uint32_t bits() const {
        return static_cast<std::uint32_t>(from) | static_cast<std::uint32_t>(to) << 8 |
               static_cast<std::uint32_t>(type) << 16 | static_cast<std::uint32_t>(promote) << 24;
    }
    bool operator==(const Move&) const = default;
};

struct MoveList {
    std::array<Move, 1024> moves;
    int size = 0;
    void add(Move m) { moves[static_cast<std::size_t>(size++)] = m; }
};

// What unmake needs: the captured squares and pieces of one move.
struct Undo {
    Move move;
    int captured_begin = 0;
    int captured_end = 0;
    int winner_before = 0;
    std::uint64_t hash_before = 0;
    int material_before = 0;
};

class Position {
  public:
    // The position of the game, `side` to move. Pieces of the rules' codes only.
    void load(const GameState& g, int side);

    int at(int s) const { return board_[static_cast<std::size_t>(s)]; }
    int side() const { return side_; }
    int winner() const { return winner_; }  // the side that took a king, or 0
    std::uint64_t hash() const { return hash_; }
    int hand(int side, int kind) const { return hands_[hand_index(side, kind)]; }
    int king(int side) const { return king_[side_slot(side)]; }
    // Material of the upper side minus the lower side's, board and hands.
    int material() const { return material_; }
    // How far the upper side's pieces (kings aside) stand into the board, less the lower
    // side's: the sum of ADVANCE_BY_ROWS over the rows each piece has come forward.
    int advance() const { return advance_; }
    // The squares of the side's pieces, and of the lances, bishops and rooks of both sides
    // (promoted or not).
    Bits occupied(int side) const { return occupied_[side_slot(side)]; }
    Bits sliders() const { return sliders_; }
    bool pawn_in_column(int side, int x) const {
        return pawn_files_[static_cast<std::size_t>(side_slot(side) * 11 + x)] > 0;
    }

    void generate(MoveList& out) const;
    // The squares a piece of `type` of the side to move on `from` could move to.
    Bits destinations(int from, int type) const;
    // The moves of generate() that land where `targets` is not zero, in the same order.
    void generate_onto(const std::array<int, SQUARES>& targets, MoveList& out) const;
    // Carries out a legal move of the side to move with every capture that follows; answers
    // the number of pieces captured.
    int make(Move m, Undo& u);
    void unmake(const Undo& u);

    // The piece code the move places (promoted when it promotes).
    int placed_type(Move m) const { return m.promote ? promoted_type(m.type) : m.type; }

  private:
    static std::size_t side_slot(int side) { return side > 0 ? 0 : 1; }
    static std::size_t hand_index(int side, int kind) {
        return side_slot(side) * 8 + static_cast<std::size_t>(kind);
    }
    void put(int s, int piece);
    void remove(int s);
    void add_hand(int side, int kind, int delta);
    void capture(int s);
    int sandwiches(int to);
    int enclosures(int to);
    bool enclosed_group(int start, int enemy);
    // `targets` null for every destination.
    void generate_board(MoveList& out, const std::array<int, SQUARES>* targets) const;
    void generate_drops(MoveList& out) const;
    void generate_drops_onto(const std::array<int, SQUARES>& targets, MoveList& out) const;
    void add_board_move(MoveList& out, int from, int to, int type) const;

    std::array<int, SQUARES> board_{};
    std::array<int, 16> hands_{};
    std::array<int, 2> king_{};
    std::array<int, 22> pawn_files_{};
    std::array<Bits, 2> occupied_{};
    Bits sliders_ = 0;
    int side_ = UPPER;
    int winner_ = 0;
    int material_ = 0;
    int advance_ = 0;
    std::uint64_t hash_ = 0;

    // Pieces taken by the moves on the stack, and the flood fill's scratch.
    std::array<std::int16_t, 8192> captured_sq_{};
    std::array<std::int8_t, 8192> captured_piece_{};
    int captured_top_ = 0;
    std::array<std::uint64_t, SQUARES> seen_{};
    std::uint64_t stamp_ = 0;
    std::array<int, 96> group_{};
};

// Material on the board by type, in hundredths of a pawn: the usual shogi proportions, set by
// hand (the self-play tuning of bench/eval_tuning.cpp varies the positional weights only).
inline constexpr std::array<int, TYPE_COUNT> BOARD_VALUE = {
    0,    // none
    100,  // 歩
    300,  // 香
    330,  // 桂
    450,  // 銀
    500,  // 金
    650,  // 角
    750,  // 飛
    0,    // 王: its loss ends the game
    500,  // と
    480,  // 成香
    480,  // 成桂
    480,  // 成銀
    850,  // 馬
    950,  // 竜
};
// Progress of a piece by the rows it stands forward of its side's back row: nothing within
// the starting camp, then one more for each row towards the opponent.
inline constexpr std::array<int, 9> ADVANCE_BY_ROWS = {0, 0, 0, 1, 2, 3, 4, 4, 4};
// Rows a piece of `side` on `row` stands forward of its back row.
inline constexpr int rows_forward(int side, int row) {
    return side == UPPER ? row - 1 : 9 - row;
}

// Value of a type on the board and in hand (the evaluation's material weights).
inline int board_value(int type) {
    return BOARD_VALUE[static_cast<std::size_t>(type)];
}
int hand_value(int kind);

}  // namespace banzuri::look

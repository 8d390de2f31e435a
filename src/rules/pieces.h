// Piece codes, order tokens, modes and the other constants every part of the game shares.
#pragma once

namespace banzuri {

// Booleans answered by every query.
inline constexpr int ON = 1;
inline constexpr int OFF = 0;

inline constexpr int EMPTY = 0;
inline constexpr int BOARD_SIZE = 9;

// Player order tokens; the opposing side of token s is -s.
inline constexpr int FIRST_PLAYER = 1;
inline constexpr int SECOND_PLAYER = -1;
inline constexpr int TURN_NONE = 0;

inline constexpr int MODE_MAN = 0;
inline constexpr int MODE_COM = 1;

// The lower side (bottom of the window) has negative codes, the upper side positive ones.
// A promoted piece is one further from zero than its unpromoted code.
inline constexpr int LOWER_HU = -10;
inline constexpr int LOWER_HU_NARI = -11;
inline constexpr int LOWER_KYOU = -20;
inline constexpr int LOWER_KYOU_NARI = -21;
inline constexpr int LOWER_KEI = -30;
inline constexpr int LOWER_KEI_NARI = -31;
inline constexpr int LOWER_GIN = -100;
inline constexpr int LOWER_GIN_NARI = -101;
inline constexpr int LOWER_KIN = -110;
inline constexpr int LOWER_KIN_NARI = -111;  // reserved: gold never promotes
inline constexpr int LOWER_KAKU = -800;
inline constexpr int LOWER_KAKU_NARI = -801;
inline constexpr int LOWER_SYA = -900;
inline constexpr int LOWER_SYA_NARI = -901;
inline constexpr int LOWER_OU = -950;

inline constexpr int UPPER_HU = 10;
inline constexpr int UPPER_HU_NARI = 11;
inline constexpr int UPPER_KYOU = 20;
inline constexpr int UPPER_KYOU_NARI = 21;
inline constexpr int UPPER_KEI = 30;
inline constexpr int UPPER_KEI_NARI = 31;
inline constexpr int UPPER_GIN = 100;
inline constexpr int UPPER_GIN_NARI = 101;
inline constexpr int UPPER_KIN = 110;
inline constexpr int UPPER_KIN_NARI = 111;  // reserved: gold never promotes
inline constexpr int UPPER_KAKU = 800;
inline constexpr int UPPER_KAKU_NARI = 801;
inline constexpr int UPPER_SYA = 900;
inline constexpr int UPPER_SYA_NARI = 901;
inline constexpr int UPPER_OU = 950;

// The source column of a drop where a move is given as five integers (source column and row,
// destination column and row, piece code): no square has column 0. The source row is then the
// hand kind 1..7, and the piece code tells whose hand it leaves.
inline constexpr int DROP_COLUMN = 0;

// Hand kind indexes 1..7.
inline constexpr int KIND_HU = 1;
inline constexpr int KIND_KYOU = 2;
inline constexpr int KIND_KEI = 3;
inline constexpr int KIND_GIN = 4;
inline constexpr int KIND_KIN = 5;
inline constexpr int KIND_KAKU = 6;
inline constexpr int KIND_SYA = 7;

// True for the 28 codes that may stand on the board (the reserved +-111 excluded).
constexpr bool is_piece(int code) {
    switch (code < 0 ? -code : code) {
        case 10:
        case 11:
        case 20:
        case 21:
        case 30:
        case 31:
        case 100:
        case 101:
        case 110:
        case 800:
        case 801:
        case 900:
        case 901:
        case 950:
            return true;
        default:
            return false;
    }
}

constexpr bool is_lower_piece(int code) {
    return code < 0 && is_piece(code);
}
constexpr bool is_upper_piece(int code) {
    return code > 0 && is_piece(code);
}

// Hand kind index 1..7 of a piece code of either side and promotion state; 0 for kings and
// anything that is no piece.
int hand_kind(int code);

// Unpromoted code of hand kind 1..7 for the lower (negative) or upper side; EMPTY otherwise.
int lower_code_of_kind(int kind);
int upper_code_of_kind(int kind);

}  // namespace banzuri

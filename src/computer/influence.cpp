#include "computer/influence.h"

namespace banzuri {

namespace {

// One line from (x, y) in direction (dx, dy), not counting (x, y) itself.
void line(const GameState& g, InfluenceTable& table, int see_through, int x, int y, int dx,
          int dy) {
    for (int i = x + dx, j = y + dy; i >= 1 && i <= 9 && j >= 1 && j <= 9; i += dx, j += dy) {
        table.add(i, j);
        const int code = g.at(i, j);
        if (code != EMPTY && code != see_through) return;
    }
}

InfluenceTable& straight_table(ComputerState& c, int code) {
    return code < 0 ? c.influence_lower : c.influence_upper;
}
int straight_see_through(int code) {
    return code < 0 ? UPPER_OU : LOWER_OU;
}

void diagonals(const GameState& g, InfluenceTable& table, int see_through, int x, int y) {
    if (y > 1 && x > 1) line(g, table, see_through, x, y, -1, -1);
    if (y > 1 && x < 9) line(g, table, see_through, x, y, +1, -1);
    if (y < 9 && x > 1) line(g, table, see_through, x, y, -1, +1);
    if (y < 9 && x < 9) line(g, table, see_through, x, y, +1, +1);
}

void rook_lines(const GameState& g, ComputerState& c, int code, int x, int y) {
    勢力確定下直進(g, c, code, x, y);
    勢力確定上直進(g, c, code, x, y);
    勢力確定右直進(g, c, code, x, y);
    勢力確定左直進(g, c, code, x, y);
}

// The four orthogonal neighbours (promoted bishop's extra steps).
void orthogonal_steps(InfluenceTable& t, int x, int y) {
    if (y > 1) t.add(x, y - 1);
    if (y < 9) t.add(x, y + 1);
    if (x > 1) t.add(x - 1, y);
    if (x < 9) t.add(x + 1, y);
}

// The four diagonal neighbours (promoted rook's extra steps).
void diagonal_steps(InfluenceTable& t, int x, int y) {
    if (y > 1) {
        if (x > 1) t.add(x - 1, y - 1);
        if (x < 9) t.add(x + 1, y - 1);
    }
    if (y < 9) {
        if (x > 1) t.add(x - 1, y + 1);
        if (x < 9) t.add(x + 1, y + 1);
    }
}

void king_steps(InfluenceTable& t, int x, int y) {
    diagonal_steps(t, x, y);
    orthogonal_steps(t, x, y);
}

// Silver: the three squares ahead and the two diagonally behind; `forward` is -1 for the lower
// side and +1 for the upper side.
void silver_steps(InfluenceTable& t, int x, int y, int forward) {
    const int ahead = y + forward;
    const int behind = y - forward;
    if (ahead >= 1 && ahead <= 9) {
        t.add(x, ahead);
        if (x > 1) t.add(x - 1, ahead);
        if (x < 9) t.add(x + 1, ahead);
    }
    if (behind >= 1 && behind <= 9) {
        if (x > 1) t.add(x - 1, behind);
        if (x < 9) t.add(x + 1, behind);
    }
}

void knight_steps(InfluenceTable& t, int x, int y, int forward) {
    const int target = y + 2 * forward;
    if (target < 1 || target > 9) return;
    if (x > 1) t.add(x - 1, target);
    if (x < 9) t.add(x + 1, target);
}

void lower_piece(const GameState& g, ComputerState& c, int code, int x, int y) {
    InfluenceTable& t = c.influence_lower;
    switch (code) {
        case LOWER_HU:
            if (y > 1) t.add(x, y - 1);
            break;
        case LOWER_KYOU:
            勢力確定上直進(g, c, code, x, y);
            break;
        case LOWER_KEI:
            knight_steps(t, x, y, -1);
            break;
        case LOWER_GIN:
            silver_steps(t, x, y, -1);
            break;
        case LOWER_KIN:
        case LOWER_HU_NARI:
        case LOWER_KYOU_NARI:
        case LOWER_KEI_NARI:
        case LOWER_GIN_NARI:
            勢力確定自金(c, x, y);
            break;
        case LOWER_KAKU:
            勢力確定自角(g, c, x, y);
            break;
        case LOWER_KAKU_NARI:
            orthogonal_steps(t, x, y);
            勢力確定自角(g, c, x, y);
            break;
        case LOWER_SYA:
            rook_lines(g, c, code, x, y);
            break;
        case LOWER_SYA_NARI:
            rook_lines(g, c, code, x, y);
            diagonal_steps(t, x, y);
            break;
        case LOWER_OU:
            king_steps(t, x, y);
            break;
        default:
            break;
    }
}

void upper_piece(const GameState& g, ComputerState& c, int code, int x, int y) {
    InfluenceTable& t = c.influence_upper;
    switch (code) {
        case UPPER_HU:
            if (y < 9) t.add(x, y + 1);
            break;
        case UPPER_KYOU:
            勢力確定下直進(g, c, code, x, y);
            break;
        case UPPER_KEI:
            knight_steps(t, x, y, +1);
            break;
        case UPPER_GIN:
            silver_steps(t, x, y, +1);
            break;
        case UPPER_KIN:
        case UPPER_HU_NARI:
        case UPPER_KYOU_NARI:
        case UPPER_KEI_NARI:
        case UPPER_GIN_NARI:
            勢力確定敵金(c, x, y);
            break;
        case UPPER_KAKU:
            勢力確定敵角(g, c, x, y);
            break;
        case UPPER_KAKU_NARI:
            orthogonal_steps(t, x, y);
            勢力確定敵角(g, c, x, y);
            break;
        case UPPER_SYA:
            rook_lines(g, c, code, x, y);
            break;
        case UPPER_SYA_NARI:
            rook_lines(g, c, code, x, y);
            diagonal_steps(t, x, y);
            break;
        case UPPER_OU:
            king_steps(t, x, y);
            break;
        default:
            break;
    }
}

}  // namespace

void 勢力調査(const GameState& g, ComputerState& c) {
    c.influence_lower.clear();
    c.influence_upper.clear();
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int code = g.at(x, y);
            if (code < 0) lower_piece(g, c, code, x, y);
            if (code > 0) upper_piece(g, c, code, x, y);
        }
    }
}

void 勢力確定自金(ComputerState& c, int x, int y) {
    InfluenceTable& t = c.influence_lower;
    if (y > 1) {
        t.add(x, y - 1);
        if (x > 1) t.add(x - 1, y - 1);
        if (x < 9) t.add(x + 1, y - 1);
    }
    if (y < 9) t.add(x, y + 1);
    if (x > 1) t.add(x - 1, y);
    if (x < 9) t.add(x + 1, y);
}

void 勢力確定敵金(ComputerState& c, int x, int y) {
    InfluenceTable& t = c.influence_upper;
    if (y > 1) t.add(x, y - 1);
    if (y < 9) {
        t.add(x, y + 1);
        if (x > 1) t.add(x - 1, y + 1);
        if (x < 9) t.add(x + 1, y + 1);
    }
    if (x > 1) t.add(x - 1, y);
    if (x < 9) t.add(x + 1, y);
}

void 勢力確定自角(const GameState& g, ComputerState& c, int x, int y) {
    diagonals(g, c.influence_lower, UPPER_OU, x, y);
}

void 勢力確定敵角(const GameState& g, ComputerState& c, int x, int y) {
    diagonals(g, c.influence_upper, LOWER_OU, x, y);
}

void 勢力確定上直進(const GameState& g, ComputerState& c, int code, int x, int y) {
    line(g, straight_table(c, code), straight_see_through(code), x, y, 0, -1);
}

void 勢力確定下直進(const GameState& g, ComputerState& c, int code, int x, int y) {
    line(g, straight_table(c, code), straight_see_through(code), x, y, 0, +1);
}

void 勢力確定右直進(const GameState& g, ComputerState& c, int code, int x, int y) {
    line(g, straight_table(c, code), straight_see_through(code), x, y, +1, 0);
}

void 勢力確定左直進(const GameState& g, ComputerState& c, int code, int x, int y) {
    line(g, straight_table(c, code), straight_see_through(code), x, y, -1, 0);
}

}  // namespace banzuri

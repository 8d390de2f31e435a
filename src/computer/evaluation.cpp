#include "computer/evaluation.h"

#include <cstdlib>

#include "computer/danger.h"
#include "rules/enclosure.h"
#include "rules/sandwich.h"

namespace banzuri {

namespace {

// Weights in tenths of a point.
constexpr Score W_PROMOTION = 100;
constexpr Score W_CAPTURE = 200;
constexpr Score W_IN_DANGER = -100;
constexpr Score W_LEFT_DANGER = 150;
constexpr Score W_ADVANCE = 10;

// The running score of one candidate and, when asked, the terms that fired.
class Terms {
  public:
    explicit Terms(std::string* trace) : trace_(trace) {}
    void add(Score tenths, const char* name) {
        score_ += tenths;
        if (trace_ == nullptr || tenths == 0) return;
        *trace_ += name;
        *trace_ += tenths >= 0 ? " +" : " ";
        *trace_ += score_text(tenths);
        *trace_ += "; ";
    }
    Score score() const { return score_; }

  private:
    std::string* trace_;
    Score score_ = 0;
};

// Everything a stage-3 term reads about one candidate.
struct Trial {
    GameState& g;
    const ComputerState& c;
    int piece;
    int fx;
    int fy;
    int x;
    int y;

    int B(int cx, int cy) const { return g.at(cx, cy); }
    int L(int cx, int cy) const { return c.influence_lower(cx, cy); }
    int U(int cx, int cy) const { return c.influence_upper(cx, cy); }
    int Lb(int cx, int cy) const { return c.influence_lower_before(cx, cy); }
    int Ub(int cx, int cy) const { return c.influence_upper_before(cx, cy); }
    bool drop() const { return fx == DROP_COLUMN; }
    bool board_move() const { return fx >= 1 && fx <= 9; }
    bool occupied(int cx, int cy) const { return B(cx, cy) != EMPTY; }
};

void stage1(const Trial& m, Terms& t) {
    GameState& g = m.g;
    if (m.piece > m.c.trial_piece) t.add(W_PROMOTION, "promotion");
    GroupMarks marks;
    if (調査_当たり(g, m.x, m.y, g.upper_order, g.lower_order, marks) == ON) {
        t.add(W_CAPTURE, "enclosure");
    } else if (調査_挟めるか(g, m.x, m.y) == ON) {
        t.add(W_CAPTURE, "sandwich");
    } else if (調査_危険(g, m.x, m.y) == ON) {
        t.add(W_IN_DANGER, "target in danger");
    } else if (m.board_move()) {
        // Would the piece have been in danger had it stayed where it was?
        g.set(m.fx, m.fy, m.piece);
        const bool was_in_danger = 調査_危険(g, m.fx, m.fy) == ON;
        g.set(m.fx, m.fy, EMPTY);
        if (was_in_danger) t.add(W_LEFT_DANGER, "left danger");
    }
}

void pawn_ahead_of_bishop(const Trial& m, Terms& t) {
    const int x = m.x;
    const int y = m.y;
    if (x < 9 && m.B(x + 1, y) == UPPER_KAKU) {
        t.add(5, "pawn beside bishop");
        if (m.B(x + 1, y + 2) == LOWER_HU) t.add(50, "pawn opens bishop on pawn");
    }
    if (x > 1) {
        if (x == 7 && y == 4 && m.B(8, 2) == UPPER_KAKU) t.add(100, "pawn opens bishop diagonal");
        if (m.B(x - 1, y) == UPPER_KAKU) {
            t.add(5, "pawn beside bishop");
            if (m.B(x - 1, y + 2) == LOWER_HU) t.add(50, "pawn opens bishop on pawn");
        }
    }
}

void pawn_facing_piece(const Trial& m, Terms& t) {
    const int x = m.x;
    const int y = m.y;
    if (m.B(x, y + 1) > LOWER_HU) return;
    if (m.U(x, y) > m.L(x, y)) {
        t.add(10, "pawn attack supported");
    } else if (m.B(x, y + 1) == LOWER_HU) {
        t.add(-50, "pawn faces pawn unsupported");
    } else if (m.U(x, y) > 0) {
        if (m.Ub(x, y + 1) > 0 && m.Lb(x, y + 1) == 0) {
            t.add(-10, "pawn blocks own reach");
        } else if (m.U(x, y) >= m.L(x, y)) {
            t.add(50, "pawn attack held");
        }
    } else if (m.L(x, y) == 0) {
        t.add(10, "pawn attack unwatched");
    }
}

void pawn(const Trial& m, Terms& t) {
    const int x = m.x;
    const int y = m.y;
    if (y < 9) {
        if (m.B(x, y + 1) == UPPER_KIN) {
            t.add(5, "pawn before gold");
        } else if (m.B(x, y + 1) == UPPER_SYA) {
            t.add(-10, "pawn before rook");
        }
    }
    if (m.U(x, y) > 0 && x > 1 && x < 9 &&
        (m.B(x + 1, y) == UPPER_SYA || m.B(x - 1, y) == UPPER_SYA))
        t.add(-10, "pawn beside rook");
    if (m.drop() && m.B(2, 8) == LOWER_KAKU && x == 2 && y == 7 &&
        (m.L(2, 7) == 0 || m.U(2, 7) > 0))
        t.add(300, "pawn blocks bishop");
    if (m.board_move()) {
        t.add(-1, "pawn move");
        if (y < 8) {
            if (m.L(x, y + 1) == 0 && m.B(x, y + 2) <= LOWER_KEI) t.add(10, "pawn threatens");
            if (y < 7) {
                if (m.B(x, y + 1) == LOWER_HU && m.L(x, y + 1) > 0) t.add(-50, "pawn into guard");
                pawn_ahead_of_bishop(m, t);
            }
            pawn_facing_piece(m, t);
        }
    }
}

void lance(const Trial& m, Terms& t) {
    if (m.drop()) {
        if (m.y < 8 && GameState::count(m.g.hand_own, KIND_HU) > 0 && m.L(m.x, m.y + 1) > 0 &&
            m.L(m.x, m.y) == 0)
            t.add(-100, "lance drop blockable");
    } else {
        t.add(-9, "lance move");
    }
}

void knight(const Trial& m, Terms& t) {
    t.add(-1, "knight");
    if (m.y < 9 && m.L(m.x, m.y + 1) > 0) t.add(-10, "knight watched ahead");
    if (m.y < 8 && m.x > 1 && m.x < 9 && m.L(m.x - 1, m.y + 2) > 0 && m.L(m.x + 1, m.y + 2) > 0)
        t.add(-10, "knight targets watched");
}

void silver(const Trial& m, Terms& t) {
    if (m.y <= 1) return;
    if (m.y > m.fy && m.fx == m.x) t.add(-1, "silver straight ahead");
    if (m.B(m.x, m.y - 1) == UPPER_KEI) t.add(-5, "silver before knight");
    if (m.x == 7 && m.y == 3 && m.B(8, 3) == UPPER_HU && m.B(8, 5) == LOWER_HU)
        t.add(1150, "silver guards pawn");
}

void gold(const Trial& m, Terms& t) {
    const int x = m.x;
    const int y = m.y;
    if (y > m.fy && m.fx != x) t.add(-5, "gold diagonal forward");
    if (y == 4) {
        if (m.L(6, 4) > 0 && m.B(6, 4) == UPPER_KAKU) t.add(-50, "gold beside watched bishop");
    } else if (y == 2 && GameState::count(m.g.hand_own, KIND_KAKU) > 0) {
        if (m.Ub(x, y + 1) == 0 && m.B(x, y + 1) >= UPPER_HU) {
            t.add(20, "gold guards against bishop");
            if (m.Ub(x, y + 2) == 1 && m.B(x, y + 2) == UPPER_KAKU)
                t.add(1250, "gold guards bishop");
        }
    }
}

void bishop(const Trial& m, Terms& t) {
    const int x = m.x;
    const int y = m.y;
    t.add(調査_周辺状況(m.g, x, y) * SCORE_UNIT, "crowded big pieces");
    if (y >= 9) return;
    if (x == 9 && y == 3 && m.B(9, 4) == UPPER_HU && m.B(9, 6) == LOWER_HU &&
        m.B(9, 9) == LOWER_KYOU)
        t.add(-100, "bishop on edge file");
    if (y < 8 && m.L(x, y + 1) > 0 && m.B(x, y + 2) == LOWER_HU) t.add(-10, "bishop before pawn");
}

// A lower silver just above (x, y), an occupied square beside (x, y) and a lower gold diagonally
// above the other side: the wall a rook on (x, y) runs into.
bool silver_gold_wall(const Trial& m, int x, int y) {
    if (y <= 1 || x <= 1 || x >= 9 || m.B(x, y - 1) != LOWER_GIN) return false;
    return (m.occupied(x - 1, y) && m.B(x + 1, y - 1) == LOWER_KIN) ||
           (m.occupied(x + 1, y) && m.B(x - 1, y - 1) == LOWER_KIN);
}

void rook(const Trial& m, Terms& t) {
    const int x = m.x;
    const int y = m.y;
    t.add(調査_周辺状況(m.g, x, y) * SCORE_UNIT, "crowded big pieces");
    if (m.drop()) {
        if (y == 9 && silver_gold_wall(m, x, y)) t.add(-10, "rook drop before wall");
        return;
    }
    if (y < 8) {
        if (m.L(x, y + 1) > 0) {
            t.add(-10, "rook watched ahead");
            if (m.B(x, y + 2) == LOWER_HU && m.fy == y) t.add(-50, "rook sideways before pawn");
        }
        if (m.L(m.fx, m.fy) == 0 && m.fx == 2 && m.fy == 2 && x == 2 && y == 3)
            t.add(-10, "rook leaves home");
    }
}

void promoted_rook(const Trial& m, Terms& t) {
    const int x = m.x;
    const int y = m.y;
    t.add(調査_周辺状況(m.g, x, y) * SCORE_UNIT, "crowded big pieces");
    if (silver_gold_wall(m, x, y)) t.add(-100, "dragon before wall");
    if (m.board_move() && m.fy == 9 && m.B(m.fx, 8) == LOWER_GIN) {
        if (m.fx > 1 && m.B(m.fx - 1, 8) == LOWER_KIN) t.add(20, "dragon left wall");
        if (m.fx < 9 && m.B(m.fx + 1, 8) == LOWER_KIN) t.add(20, "dragon left wall");
    }
    if (y == 9 && m.B(x, 8) <= LOWER_HU) {
        if (x == 3 && m.B(2, 9) <= LOWER_HU && m.B(4, 8) == LOWER_KIN) {
            t.add(-1500, "dragon trapped");
        } else if (x == 7 && m.B(8, 9) <= LOWER_HU && m.B(6, 8) == LOWER_KIN) {
            t.add(-1500, "dragon trapped");
        }
    }
}

void stage3(const Trial& m, Terms& t) {
    switch (m.piece) {
        case UPPER_HU:
            pawn(m, t);
            break;
        case UPPER_HU_NARI:
            if (m.U(m.x, m.y) >= m.L(m.x, m.y)) t.add(10, "tokin held");
            break;
        case UPPER_KYOU:
            lance(m, t);
            break;
        case UPPER_KEI:
            knight(m, t);
            break;
        case UPPER_GIN:
            silver(m, t);
            break;
        case UPPER_KIN:
            gold(m, t);
            break;
        case UPPER_KAKU:
            bishop(m, t);
            break;
        case UPPER_KAKU_NARI:
            t.add(調査_周辺状況(m.g, m.x, m.y) * SCORE_UNIT, "crowded big pieces");
            break;
        case UPPER_SYA:
            rook(m, t);
            break;
        case UPPER_SYA_NARI:
            promoted_rook(m, t);
            break;
        case UPPER_OU:
            if (m.U(m.x, m.y) > m.Ub(m.x, m.y)) t.add(10, "king better guarded");
            break;
        default:
            break;  // promoted lance, knight and silver have no positional term
    }
}

}  // namespace

Score 盤評価(GameState& g, const ComputerState& c, int /*captured*/, int piece, int from_x,
             int from_y, int x, int y, std::string* trace) {
    Terms t(trace);
    const Trial m{g, c, piece, from_x, from_y, x, y};
    stage1(m, t);
    if (g.level < 2) return t.score();
    if (from_y < y && piece != UPPER_OU) t.add(W_ADVANCE, "advance");
    if (g.level < 3) return t.score();
    stage3(m, t);
    return t.score();
}

std::string score_text(Score score) {
    const int whole = std::abs(score) / SCORE_UNIT;
    const int tenth = std::abs(score) % SCORE_UNIT;
    std::string text = score < 0 ? "-" : "";
    text += std::to_string(whole);
    if (tenth != 0) text.append(".").append(std::to_string(tenth));
    return text;
}

}  // namespace banzuri

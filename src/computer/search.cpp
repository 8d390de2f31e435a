#include "computer/search.h"

#include "computer/evaluation.h"
#include "computer/influence.h"
#include "rules/legal_moves.h"
#include "rules/movement.h"
#include "rules/promotion.h"
#include "rules/sandwich.h"

namespace banzuri {

namespace {

class Search {
  public:
    Search(GameState& g, ComputerState& c, std::vector<Candidate>* candidates)
        : g_(g), c_(c), candidates_(candidates) {}

    void prepare() {
        c_.best_score = INITIAL_BEST_SCORE;
        調査_2歩フラグ設定(g_);
        勢力調査(g_, c_);
        c_.search_hand_total = g_.hand_total_upper();
        c_.influence_lower_before = c_.influence_lower;
        c_.influence_upper_before = c_.influence_upper;
    }

    void board_moves(const std::function<void()>& tick) {
        for (int fx = 1; fx <= 9; ++fx) {
            tick();
            for (int fy = 1; fy <= 9; ++fy) {
                const int piece = g_.at(fx, fy);
                if (piece < UPPER_HU) continue;
                for (int tx = 1; tx <= 9; ++tx)
                    for (int ty = 1; ty <= 9; ++ty)
                        if (移動チェック(g_, fx, fy, tx, ty, piece) == ON)
                            try_board_move(fx, fy, tx, ty, piece);
            }
        }
    }

    void drops(const std::function<void()>& tick) {
        if (c_.search_hand_total <= 0) return;
        for (int kind = 1; kind <= 7; ++kind) {
            tick();
            if (GameState::count(g_.hand_enemy, kind) <= 0) continue;
            const int piece = upper_code_of_kind(kind);
            for (int tx = 1; tx <= 9; ++tx)
                for (int ty = 1; ty <= 9; ++ty)
                    if (移動チェック(g_, DROP_COLUMN, kind, tx, ty, piece) == ON)
                        try_drop(kind, tx, ty, piece);
        }
    }

    const std::optional<Move>& best() const { return best_; }

  private:
    // Places `placed` on the target, recounts the influence and scores the position.
    Score evaluate(int fx, int fy, int tx, int ty, int placed) {
        g_.set(tx, ty, placed);
        勢力調査(g_, c_);
        return 盤評価(g_, c_, EMPTY, placed, fx, fy, tx, ty);
    }

    void note(const Move& move, Score score) {
        if (candidates_ != nullptr) candidates_->push_back({move, score});
    }

    void try_board_move(int fx, int fy, int tx, int ty, int piece) {
        c_.trial_piece = piece;
        g_.set(fx, fy, EMPTY);
        Move move = Move::board(fx, fy, tx, ty);
        Score score = 0;
        if (調査_駒成(g_, fx, fy, tx, ty, piece) == OFF) {
            score = evaluate(fx, fy, tx, ty, piece);
            if (調査_王を取れるか(g_, g_.upper_order, tx, ty) == ON) score = KING_CAPTURE_SCORE;
            note(move, score);
        } else if (移動後チェック(ty, piece) == OFF) {
            move.promote = true;
            score = evaluate(fx, fy, tx, ty, g_.promoted_piece);
            note(move, score);
        } else {
            const int promoted = g_.promoted_piece;
            score = evaluate(fx, fy, tx, ty, piece);
            note(move, score);
            const Score promoted_score = evaluate(fx, fy, tx, ty, promoted);
            note(Move::board(fx, fy, tx, ty, true), promoted_score);
            if (promoted_score > score) {
                score = promoted_score;
                move.promote = true;
            }
        }
        g_.set(tx, ty, EMPTY);
        g_.set(fx, fy, piece);
        consider(move, score);
    }

    void try_drop(int kind, int tx, int ty, int piece) {
        c_.trial_piece = piece;
        Score score = evaluate(DROP_COLUMN, kind, tx, ty, piece);
        if (調査_王を取れるか(g_, g_.upper_order, tx, ty) == ON) score = KING_CAPTURE_SCORE;
        g_.set(tx, ty, EMPTY);
        const Move move = Move::drop_of(kind, tx, ty);
        note(move, score);
        consider(move, score);
    }

    // Only a strictly higher score replaces the best: the earliest move wins every tie.
    void consider(const Move& move, Score score) {
        if (score <= c_.best_score) return;
        c_.best_score = score;
        best_ = move;
    }

    GameState& g_;
    ComputerState& c_;
    std::vector<Candidate>* candidates_;
    std::optional<Move> best_;
};

}  // namespace

std::string candidate_terms(GameState& g, ComputerState& c, const Move& m) {
    const bool drop = m.is_drop();
    const int piece = moving_piece(g, false, m);
    const int placed = placed_code(g, false, m);
    const Square from = source_of(m);
    c.trial_piece = piece;
    if (!drop) g.set(from.x, from.y, EMPTY);
    g.set(m.to.x, m.to.y, placed);
    勢力調査(g, c);
    std::string terms;
    盤評価(g, c, EMPTY, placed, from.x, from.y, m.to.x, m.to.y, &terms);
    const bool may_promote = !drop && 調査_駒成(g, from.x, from.y, m.to.x, m.to.y, piece) == ON;
    if (!may_promote && 調査_王を取れるか(g, g.upper_order, m.to.x, m.to.y) == ON)
        terms += "king capture =1000; ";
    g.set(m.to.x, m.to.y, EMPTY);
    if (!drop) g.set(from.x, from.y, piece);
    return terms;
}

std::optional<Move> search_best_move(GameState& g, ComputerState& c,
                                     const std::function<void()>& tick,
                                     std::vector<Candidate>* candidates) {
    Search search(g, c, candidates);
    search.prepare();
    search.board_moves(tick);
    search.drops(tick);
    return search.best();
}

}  // namespace banzuri

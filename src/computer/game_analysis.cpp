#include "computer/game_analysis.h"

#include <utility>

namespace banzuri {

namespace {

// How one position of the game stands, lower side's view, and the search's move there.
struct Standing {
    double pawns = 0;
    std::optional<Move> best;
};

double won_by(bool lower) {
    return lower ? KING_CAPTURE_PAWNS : -KING_CAPTURE_PAWNS;
}

Standing stand(const Game& game, const AnalysisControl& control, LookTable& table) {
    if (game.decided()) return {won_by(game.winner() == game.lower_order()), std::nullopt};
    LookLimits limits = control.limits ? control.limits() : LookLimits{};
    if (control.cancel != nullptr) limits.stop = control.cancel;
    // No plans: the move named is the one its score belongs to, and a think time is the
    // search's alone.
    limits.plans = false;
    if (limits.plan_should_stop) limits.should_stop = std::move(limits.plan_should_stop);
    const bool lower = game.lower_to_move();
    const LookResult r = look_ahead(game.position(), lower, limits, table);
    // A side with no move left has lost.
    if (!r.move) return {won_by(!lower), std::nullopt};
    return {lower_side_pawns(r.score, lower), r.move};
}

bool cancelled(const AnalysisControl& control) {
    return control.cancel != nullptr && control.cancel->load(std::memory_order_relaxed);
}

// The game's line replayed from its first position, the side of the first move to move.
Game replay_from_start(const Game& game) {
    Game replay;
    const std::vector<RecordEntry> line = game.line();
    const bool lower_first = game.moves().empty() || game.moves().front().piece < 0;
    replay.set_position(line.front().board, line.front().hand_lower, line.front().hand_upper,
                        lower_first);
    return replay;
}

}  // namespace

std::string mark_text(MoveMark mark) {
    switch (mark) {
        case MoveMark::dubious:
            return "疑問手";
        case MoveMark::blunder:
            return "悪手";
        default:
            return "";
    }
}

MoveMark mark_of(bool lower, double before, double after, bool was_best) {
    if (was_best) return MoveMark::none;
    const double lost = lower ? before - after : after - before;
    if (lost >= BLUNDER_LOSS) return MoveMark::blunder;
    if (lost >= DUBIOUS_LOSS) return MoveMark::dubious;
    return MoveMark::none;
}

double lower_side_pawns(int score, bool searched_lower) {
    double pawns = score / 100.0;
    if (score > MATE_BOUND) pawns = KING_CAPTURE_PAWNS;
    if (score < -MATE_BOUND) pawns = -KING_CAPTURE_PAWNS;
    return searched_lower ? pawns : -pawns;
}

GameAnalysis analyse_game(const Game& game, const AnalysisControl& control, LookTable& table) {
    GameAnalysis out;
    const std::vector<PlayedMove>& moves = game.moves();
    const int total = static_cast<int>(moves.size());
    if (total == 0) return out;
    Game replay = replay_from_start(game);
    if (cancelled(control)) return {{}, true};
    Standing now = stand(replay, control, table);
    for (const PlayedMove& played : moves) {
        const bool lower = replay.lower_to_move();
        if (cancelled(control) || !replay.play(played.move, played.seconds)) break;
        const Standing next = stand(replay, control, table);
        if (cancelled(control)) break;
        const bool was_best = now.best && *now.best == played.move;
        out.moves.push_back({played.move, lower, now.pawns, next.pawns, now.best,
                             mark_of(lower, now.pawns, next.pawns, was_best)});
        if (control.progress) control.progress(static_cast<int>(out.moves.size()), total);
        now = next;
    }
    out.cancelled = static_cast<int>(out.moves.size()) < total && cancelled(control);
    return out;
}

}  // namespace banzuri

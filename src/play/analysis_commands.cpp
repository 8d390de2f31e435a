// 対局を検討: the game looked over on the worker thread, move by move, while the window stays
// free; the result holds while the line it looked at is the game's line.
#include <chrono>

#include "play/main_form.h"

namespace banzuri {

namespace {

// The game's line: its moves up to the latest position.
std::vector<PlayedMove> line_moves(const Game& game) {
    const auto& moves = game.moves();
    const auto end = std::min(moves.size(), static_cast<std::size_t>(std::max(0, game.line_end())));
    return {moves.begin(), moves.begin() + static_cast<std::ptrdiff_t>(end)};
}

}  // namespace

LookLimits analysis_limits() {
    LookLimits limits = level_limits(LEVEL4);
    limits.nodes = 0;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(ANALYSIS_MOVE_MS);
    limits.should_stop = [deadline] { return std::chrono::steady_clock::now() >= deadline; };
    return limits;
}

void MainForm::KENTOU_Click() {
    if (analysing()) {
        sound_.play(sound_.snd_forbidden());
        return;
    }
    std::vector<PlayedMove> line = line_moves(game_);
    if (line.empty()) {
        sound_.play(sound_.snd_forbidden());
        p.dialogs.message(t(TextId::NOTHING_TO_ANALYSE), t(TextId::TITLE_ANALYSIS));
        return;
    }
    analysis_ = {};
    analysed_line_ = std::move(line);
    analysis_worker_.start(game_, analysis_limits_);
    p.poll.set_enabled(true);
}

void MainForm::cancel_analysis() {
    analysis_worker_.stop();
    analysed_line_.clear();
    analysis_ = {};
    keep_polling();
}

const GameAnalysis* MainForm::analysis() const {
    if (analysing() || analysis_.moves.empty() || analysed_line_ != line_moves(game_))
        return nullptr;
    return &analysis_;
}

// From the poll timer: a run whose line is no longer the game's is dropped; a finished one is
// kept.
void MainForm::poll_analysis() {
    if (!analysis_worker_.busy()) return;
    if (analysed_line_ != line_moves(game_)) {
        cancel_analysis();
        return;
    }
    if (!analysis_worker_.finished()) return;
    analysis_ = analysis_worker_.collect();
    keep_polling();
}

void MainForm::keep_polling() {
    p.poll.set_enabled(worker_.busy() || analysis_worker_.busy() || sound_.loading());
}

}  // namespace banzuri

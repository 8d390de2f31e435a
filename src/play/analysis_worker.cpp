#include "play/analysis_worker.h"

#include <utility>

namespace banzuri {

AnalysisWorker::~AnalysisWorker() {
    stop();
}

void AnalysisWorker::start(Game game, std::function<LookLimits()> limits) {
    stop();
    stop_.store(false);
    done_.store(false);
    moves_done_.store(0);
    moves_total_.store(static_cast<int>(game.moves().size()));
    result_ = {};
    thread_ = std::thread([this, g = std::move(game), limits = std::move(limits)] {
        AnalysisControl control;
        control.limits = limits;
        control.progress = [this](int done, int) { moves_done_.store(done); };
        control.cancel = &stop_;
        result_ = analyse_game(g, control, table_);
        done_.store(true, std::memory_order_release);
    });
}

GameAnalysis AnalysisWorker::collect() {
    if (!busy()) return {};
    thread_.join();
    return std::exchange(result_, {});
}

void AnalysisWorker::stop() {
    if (!busy()) return;
    stop_.store(true);
    thread_.join();
    result_ = {};
}

}  // namespace banzuri

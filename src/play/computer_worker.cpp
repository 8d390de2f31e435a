#include "play/computer_worker.h"

#include <utility>

namespace banzuri {

ComputerWorker::~ComputerWorker() {
    stop();
}

void ComputerWorker::start(GameState g, bool lower_side, LookLimits limits) {
    stop();
    stop_.store(false);
    done_.store(false);
    result_ = {};
    limits.stop = &stop_;
    thread_ = std::thread([this, state = std::move(g), lower_side, limits = std::move(limits)] {
        result_ = look_ahead(state, lower_side, limits, table_);
        done_.store(true, std::memory_order_release);
    });
}

LookResult ComputerWorker::collect() {
    if (!busy()) return {};
    thread_.join();
    return std::exchange(result_, {});
}

void ComputerWorker::stop() {
    if (!busy()) return;
    stop_.store(true);
    thread_.join();
    result_ = {};
}

}  // namespace banzuri

#include "app/input_gate.h"

namespace banzuri::app {

void InputGate::saw_input(std::uint64_t timestamp) {
    if (timestamp == 0) return;
    last_input_ = timestamp;
    seen_input_ = true;
}

bool InputGate::begin() {
    if (busy_) return false;
    busy_ = true;
    have_start_ = seen_input_;
    started_at_ = last_input_;
    return true;
}

void InputGate::end(std::int64_t elapsed_ms) {
    busy_ = false;
    if (!have_start_) return;
    busy_until_ = started_at_ + static_cast<std::uint64_t>(elapsed_ms < 0 ? 0 : elapsed_ms);
    have_busy_until_ = true;
}

bool InputGate::accepts_press(std::uint64_t timestamp) const {
    if (busy_) return false;
    if (!have_busy_until_ || timestamp == 0) return true;
    // An event clock that went backwards (wrapped or restarted) proves nothing.
    if (timestamp < started_at_) return true;
    return timestamp > busy_until_;
}

}  // namespace banzuri::app

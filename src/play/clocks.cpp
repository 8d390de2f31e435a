// The clock timer's tick and the wait that paces the animations.
#include <cmath>

#include "play/main_form.h"
#include "play/time_text.h"

namespace banzuri {

namespace {
// Rounding of the time of day must not cost another sleep.
constexpr double kWaitTolerance = 1e-6;
}  // namespace

void MainForm::待ち時間(double seconds) {
    const double start = p.clock.time_of_day();
    for (;;) {
        const double elapsed = 調査_経過秒(start, p.clock.time_of_day());
        if (elapsed >= seconds - kWaitTolerance) return;
        p.clock.sleep(seconds - elapsed);  // sleeps, never spins; events stay queued
    }
}

void MainForm::Timer1_Timer() {
    if (!p.timer.enabled() || g.winner != TURN_NONE) return;
    move_seconds = 調査_経過秒(turn_start_time, p.clock.time_of_day());
    const int whole = static_cast<int>(std::floor(move_seconds));
    if (whole == shown_second) return;
    shown_second = whole;
    if (g.turn == g.upper_order) {
        描画_所有時間(g.upper_order, move_seconds + g.time_upper);
    } else if (g.turn == g.lower_order) {
        描画_所有時間(g.lower_order, move_seconds + g.time_lower);
    }
    refresh();
}

}  // namespace banzuri

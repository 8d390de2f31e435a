// The clock timer's tick and the wait that paces the animations.
#include <cmath>

#include "play/main_form.h"
#include "play/pacing.h"
#include "render/time_text.h"

namespace banzuri {

namespace {
// Rounding of the time of day must not cost another sleep.
constexpr double kWaitTolerance = 1e-6;
}  // namespace

void 待ち時間(Clock& clock, double seconds) {
    const double start = clock.time_of_day();
    for (;;) {
        const double elapsed = 調査_経過秒(start, clock.time_of_day());
        if (elapsed >= seconds - kWaitTolerance) return;
        clock.sleep(seconds - elapsed);  // sleeps, never spins; events stay queued
    }
}

void MainForm::待ち時間(double seconds) {
    banzuri::待ち時間(p.clock, seconds);
}

void MainForm::start_turn_clock() {
    clock_.turn_start_time = p.clock.time_of_day();
    clock_.shown_second = NO_SECOND_SHOWN;
    p.timer.quiet_for(0);  // a running timer ticks at once to show the new turn's first second
}

void MainForm::Timer1_Timer() {
    if (!p.timer.enabled() || g.winner != TURN_NONE) return;
    clock_.move_seconds = 調査_経過秒(clock_.turn_start_time, p.clock.time_of_day());
    const int whole = static_cast<int>(std::floor(clock_.move_seconds));
    p.timer.quiet_for(whole + 1 - clock_.move_seconds);  // the shown second lasts until then
    if (whole == clock_.shown_second) return;
    clock_.shown_second = whole;
    if (g.turn == g.upper_order) {
        painter_.描画_所有時間(g.upper_order, clock_.move_seconds + g.time_upper);
    } else if (g.turn == g.lower_order) {
        painter_.描画_所有時間(g.lower_order, clock_.move_seconds + g.time_lower);
    }
    painter_.refresh();
}

}  // namespace banzuri

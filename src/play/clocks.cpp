// The clock timer's tick.
#include <cmath>

#include "play/main_form.h"
#include "render/time_text.h"

namespace banzuri {

void MainForm::start_turn_clock() {
    clock_.turn_start_time = p.clock.time_of_day();
    clock_.shown_second = NO_SECOND_SHOWN;
    p.timer.quiet_for(0);  // a running timer ticks at once to show the new turn's first second
}

void MainForm::Timer1_Timer() {
    // An animation shows the clock as it stood; the first tick after it catches up.
    if (!p.timer.enabled() || g.winner != TURN_NONE || animating()) return;
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

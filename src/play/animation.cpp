// The animations' pauses on the window's event loop: a handler that waits for a frame is
// suspended, the frame timer is set and the window stays free until it goes on.
#include <utility>

#include "play/main_form.h"
#include "render/time_text.h"

namespace banzuri {

namespace {
// Rounding of the time of day must not cost another frame.
constexpr double kWaitTolerance = 1e-6;
}  // namespace

// Counts from the time of day now, safe across midnight; a test's clock lets the time pass at
// once, so nothing is suspended there.
bool MainForm::Pause::await_ready() {
    const double start = form.p.clock.time_of_day();
    for (;;) {
        const double elapsed = 調査_経過秒(start, form.p.clock.time_of_day());
        if (elapsed >= seconds - kWaitTolerance) return true;
        if (!form.p.frames.pass_at_once(seconds - elapsed)) {
            form.pause_start_ = start;
            form.pause_seconds_ = seconds;
            return false;
        }
    }
}

void MainForm::Pause::await_suspend(std::coroutine_handle<> handler) {
    form.paused_ = handler;
    const double elapsed = 調査_経過秒(form.pause_start_, form.p.clock.time_of_day());
    form.p.frames.start(form.pause_seconds_ - elapsed);
}

void MainForm::Frame_Timer() {
    if (!paused_ || quitting_) return;
    const double elapsed = 調査_経過秒(pause_start_, p.clock.time_of_day());
    if (elapsed < pause_seconds_ - kWaitTolerance) {  // a timer that came early
        p.frames.start(pause_seconds_ - elapsed);
        return;
    }
    resume(std::exchange(paused_, {}));
}

void MainForm::run(Task task) {
    tasks_.push_back(std::move(task));
    ++running_depth_;
    tasks_.back().start();
    --running_depth_;
    resume({});
}

void MainForm::resume(std::coroutine_handle<> handler) {
    if (handler) {
        ++running_depth_;
        handler.resume();
        --running_depth_;
    }
    if (running_depth_ > 0) return;  // a handler is still running further out
    std::erase_if(tasks_, [](const Task& t) { return t.done(); });
}

void MainForm::drop_paused() {
    if (running_depth_ > 0) return;  // the running handler ends by itself
    paused_ = {};
    p.frames.stop();
    tasks_.clear();
}

}  // namespace banzuri

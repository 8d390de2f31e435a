// The single-shot timer that paces the animations on the window's event loop.
#pragma once

namespace banzuri {

class FrameTimer {
  public:
    virtual ~FrameTimer() = default;
    // Calls the game's frame handler once, about `seconds` from now, on the window's thread;
    // a new start replaces one still pending.
    virtual void start(double seconds) = 0;
    virtual void stop() = 0;
    // A timer over a test's clock lets `seconds` pass at once instead and answers true, so an
    // animation runs to its end inside the handler; the window's timer answers false and the
    // animation goes on from its frame handler.
    virtual bool pass_at_once(double /*seconds*/) { return false; }
};

}  // namespace banzuri

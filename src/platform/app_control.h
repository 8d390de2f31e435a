// Ending the program and the about box.
#pragma once

namespace banzuri {

// Ending the program and the about box, which belong to the window system.
class AppControl {
  public:
    virtual ~AppControl() = default;
    // Ends the program at once; no handler code runs after the current one returns.
    virtual void quit() = 0;
    // Shows the about box modally.
    virtual void show_about() = 0;
};

}  // namespace banzuri

// The time of day and the blocking wait.
#pragma once

namespace banzuri {

class Clock {
  public:
    virtual ~Clock() = default;
    // Seconds since midnight, with a fraction.
    virtual double time_of_day() = 0;
    // Blocks the calling thread for about `seconds` without processing window events.
    virtual void sleep(double seconds) = 0;
};

}  // namespace banzuri

// The time of day.
#pragma once

namespace banzuri {

class Clock {
  public:
    virtual ~Clock() = default;
    // Seconds since midnight, with a fraction.
    virtual double time_of_day() = 0;
};

}  // namespace banzuri

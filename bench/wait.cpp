// CPU cost of the pacing wait: a one-second wait must sleep, not spin.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

#include "play/pacing.h"

namespace {

using namespace banzuri;

class SystemClock : public Clock {
  public:
    double time_of_day() override {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        const double seconds = std::chrono::duration<double>(now).count();
        return seconds - 86400.0 * static_cast<long long>(seconds / 86400.0);
    }
    void sleep(double seconds) override {
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    }
};

}  // namespace

int main() {
    SystemClock clock;
    const std::clock_t cpu_start = std::clock();
    const auto wall_start = std::chrono::steady_clock::now();
    待ち時間(clock, 1.0);
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wall_start).count();
    const double cpu = static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
    std::printf("wait 1.0 s: wall %.3f s, cpu %.4f s (%.2f%% of a core)\n", wall, cpu,
                100.0 * cpu / wall);
    return 0;
}

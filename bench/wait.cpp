// CPU cost of the pacing wait: a one-second wait must sleep, not spin.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

#include "play/main_form.h"

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

struct Null : Canvas, Dialogs, TimerControl, MenuView, SoundLibrary, UrlOpener, AppControl {
    void draw_picture(int, double, double) override {}
    void draw_box(int, double, double, double, double) override {}
    void fill_box(int, double, double, double, double) override {}
    void draw_text(const std::string&, double, double, int, double, bool) override {}
    void refresh() override {}
    void message(const std::string&, const std::string&) override {}
    bool ask_yes_no(const std::string&, const std::string&) override { return false; }
    void warning(const std::string&, const std::string&) override {}
    void set_enabled(bool) override {}
    bool enabled() const override { return false; }
    void show_checked(MenuItem, bool) override {}
    int dsInitialize(long) override { return 0; }
    void dsTerminate(int) override {}
    int dsCreateDSB(int, const unsigned char*, std::size_t, int) override { return 0; }
    void dsFree(int) override {}
    void dsPlay(int) override {}
    void dsPlayLooping(int) override {}
    void dsStop(int) override {}
    const char* last_error() const override { return ""; }
    bool open_url(const std::string&) override { return false; }
    void quit() override {}
    void show_about() override {}
};

}  // namespace

int main() {
    Null null;
    SystemClock clock;
    MainForm form(Platform{null, null, clock, null, null, null, null, null}, ".");
    const std::clock_t cpu_start = std::clock();
    const auto wall_start = std::chrono::steady_clock::now();
    form.待ち時間(1.0);
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wall_start).count();
    const double cpu = static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
    std::printf("wait 1.0 s: wall %.3f s, cpu %.4f s (%.2f%% of a core)\n", wall, cpu,
                100.0 * cpu / wall);
    return 0;
}

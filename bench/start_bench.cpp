// How quickly the game's window comes up, and what it costs, against a bare Qt window (a main
// window with a menu bar and a label, bench/bare_window.cpp), started alternately on the X
// server of DISPLAY (bench/start_bench.sh gives it a private Xvfb):
//   bench_start_bench GAME BARE [RUNS]       (RUNS of each, default 7)
// For each start: the time from fork to the window being mapped, the CPU time of the process
// (all its threads) by then, its resident memory and threads; the time until a line across
// the middle of the window last changed (the exact first picture, looked at every 4 ms for
// two seconds after the map) and the CPU by then; the resident memory two seconds after the
// map. Then the medians of both programs and their ratio.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kSettleMs = 2000;
constexpr int kLookEveryMs = 4;
constexpr int kMapTimeoutMs = 20000;

double ms_between(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// CPU time of every live thread of `pid`, in milliseconds.
double cpu_ms(pid_t pid) {
    double total = 0;
    std::error_code error;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream in(task.path() / "schedstat");
        unsigned long long ns = 0;
        if (in >> ns) total += static_cast<double>(ns) / 1e6;
    }
    return total;
}

int thread_count(pid_t pid) {
    int count = 0;
    std::error_code error;
    for (auto it =
             std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error);
         it != std::filesystem::directory_iterator(); ++it)
        ++count;
    return count;
}

double rss_mb(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
    return 0;
}

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

class Display {
  public:
    Display() : connection_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connection_)) return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        const char name[] = "_NET_WM_PID";
        Reply<xcb_intern_atom_reply_t> atom(
            xcb_intern_atom_reply(connection_,
                                  xcb_intern_atom(connection_, 0, sizeof name - 1, name), nullptr),
            &std::free);
        if (atom) pid_atom_ = atom->atom;
        xcb_flush(connection_);
    }
    ~Display() { xcb_disconnect(connection_); }
    bool ok() const { return xcb_connection_has_error(connection_) == 0 && pid_atom_ != 0; }

    // The top-level window of `pid` once it is mapped; nothing after `timeout_ms`.
    std::optional<xcb_window_t> wait_for_map(pid_t pid, int timeout_ms) {
        const auto until = Clock::now() + std::chrono::milliseconds(timeout_ms);
        while (Clock::now() < until) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                const Reply<xcb_generic_event_t> owned(event, &std::free);
                if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (!map->override_redirect && pid_of(map->window) == pid) return map->window;
            }
            pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&fd, 1, 5);
        }
        return std::nullopt;
    }

    // The pixels of one line across the middle of the window.
    std::vector<std::uint8_t> middle_line(xcb_window_t window) {
        Reply<xcb_get_geometry_reply_t> geometry(
            xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr),
            &std::free);
        if (!geometry) return {};
        Reply<xcb_get_image_reply_t> image(
            xcb_get_image_reply(connection_,
                                xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0,
                                              static_cast<std::int16_t>(geometry->height / 2),
                                              geometry->width, 1, ~0u),
                                nullptr),
            &std::free);
        if (!image) return {};
        const std::uint8_t* data = xcb_get_image_data(image.get());
        return {data, data + xcb_get_image_data_length(image.get())};
    }

    void drain() {
        xcb_flush(connection_);
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
            std::free(event);
    }

  private:
    pid_t pid_of(xcb_window_t window) {
        Reply<xcb_get_property_reply_t> reply(
            xcb_get_property_reply(
                connection_,
                xcb_get_property(connection_, 0, window, pid_atom_, XCB_ATOM_CARDINAL, 0, 1),
                nullptr),
            &std::free);
        if (!reply || xcb_get_property_value_length(reply.get()) != 4) return -1;
        std::uint32_t pid = 0;
        std::memcpy(&pid, xcb_get_property_value(reply.get()), 4);
        return static_cast<pid_t>(pid);
    }

    xcb_connection_t* connection_;
    xcb_window_t root_ = 0;
    xcb_atom_t pid_atom_ = 0;
};

struct Start {
    double mapped_ms = 0, cpu_mapped_ms = 0, rss_mapped_mb = 0;
    double frame_ms = 0, cpu_frame_ms = 0;
    double rss_settled_mb = 0, cpu_total_ms = 0;
    int threads_mapped = 0;
};

std::optional<Start> start_once(Display& display, const std::string& program) {
    display.drain();
    const auto t0 = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) return std::nullopt;
    if (pid == 0) {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) dup2(null, STDERR_FILENO);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    Start s;
    const auto window = display.wait_for_map(pid, kMapTimeoutMs);
    std::optional<Start> result;
    if (window) {
        const auto mapped = Clock::now();
        s.mapped_ms = ms_between(t0, mapped);
        s.cpu_mapped_ms = cpu_ms(pid);
        s.rss_mapped_mb = rss_mb(pid);
        s.threads_mapped = thread_count(pid);
        std::vector<std::uint8_t> last = display.middle_line(*window);
        s.frame_ms = s.mapped_ms;
        s.cpu_frame_ms = s.cpu_mapped_ms;
        while (Clock::now() < mapped + std::chrono::milliseconds(kSettleMs)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(kLookEveryMs));
            std::vector<std::uint8_t> line = display.middle_line(*window);
            if (line != last) {
                s.frame_ms = ms_between(t0, Clock::now());
                s.cpu_frame_ms = cpu_ms(pid);
                last = std::move(line);
            }
        }
        s.rss_settled_mb = rss_mb(pid);
        result = s;
    }
    kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (result)
        result->cpu_total_ms = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                               (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    return result;
}

void print_row(const char* what, const std::vector<Start>& bare, const std::vector<Start>& game,
               double Start::*field, const char* unit) {
    std::vector<double> b, g;
    for (const Start& s : bare)
        b.push_back(s.*field);
    for (const Start& s : game)
        g.push_back(s.*field);
    const double mb = median(b), mg = median(g);
    std::printf("%-34s %9.1f %9.1f %7.2fx  %s\n", what, mb, mg, mb > 0 ? mg / mb : 0.0, unit);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_start_bench GAME BARE [RUNS]\n");
        return 2;
    }
    const std::string game = argv[1], bare = argv[2];
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 7;
    Display display;
    if (!display.ok()) {
        std::fprintf(stderr, "bench_start_bench: no X server (see bench/start_bench.sh)\n");
        return 2;
    }
    std::vector<Start> bare_starts, game_starts;
    std::printf("%-5s %-5s %9s %9s %9s %9s %9s %9s %9s %7s\n", "run", "", "mapped", "cpu@map",
                "picture", "cpu@pic", "rss@map", "rss+2s", "cpu all", "threads");
    for (int i = 0; i < 2 * runs; ++i) {
        const bool is_game = i % 2 == 1;
        const auto start = start_once(display, is_game ? game : bare);
        if (!start) {
            std::fprintf(stderr, "bench_start_bench: %s never mapped a window\n",
                         is_game ? game.c_str() : bare.c_str());
            return 1;
        }
        (is_game ? game_starts : bare_starts).push_back(*start);
        std::printf(
            "%-5d %-5s %6.1f ms %6.1f ms %6.1f ms %6.1f ms %6.1f MB %6.1f MB %6.1f ms %7d\n",
            i / 2 + 1, is_game ? "game" : "bare", start->mapped_ms, start->cpu_mapped_ms,
            start->frame_ms, start->cpu_frame_ms, start->rss_mapped_mb, start->rss_settled_mb,
            start->cpu_total_ms, start->threads_mapped);
        std::fflush(stdout);
    }
    std::printf("\nmedians over %d starts each           bare      game   ratio\n", runs);
    print_row("start to mapped", bare_starts, game_starts, &Start::mapped_ms, "ms");
    print_row("CPU to mapped", bare_starts, game_starts, &Start::cpu_mapped_ms, "ms");
    print_row("start to the exact first picture", bare_starts, game_starts, &Start::frame_ms, "ms");
    print_row("CPU to the exact first picture", bare_starts, game_starts, &Start::cpu_frame_ms,
              "ms");
    print_row("RSS when mapped", bare_starts, game_starts, &Start::rss_mapped_mb, "MB");
    print_row("RSS two seconds later", bare_starts, game_starts, &Start::rss_settled_mb, "MB");
    print_row("CPU over the whole run", bare_starts, game_starts, &Start::cpu_total_ms, "ms");
    std::vector<double> bt, gt;
    for (const Start& s : bare_starts)
        bt.push_back(s.threads_mapped);
    for (const Start& s : game_starts)
        gt.push_back(s.threads_mapped);
    std::printf("%-34s %9.0f %9.0f\n", "threads when mapped", median(bt), median(gt));
    std::printf("load average: ");
    std::ifstream load("/proc/loadavg");
    std::string a, b, c;
    load >> a >> b >> c;
    std::printf("%s %s %s\n", a.c_str(), b.c_str(), c.c_str());
    return 0;
}

// The look-ahead search (LEVEL4/LEVEL5): nodes per second and the depth reached within a time
// limit of CPU time on the start position, a middle game and a position with full hands, one core.
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "cli/sfen.h"
#include "computer/look_ahead.h"

namespace {

using namespace banzuri;

struct Case {
    const char* name;
    const char* sfen;
};

constexpr Case kCases[] = {
    {"start position", "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1"},
    {"middle game",
     "1n1k1sbn1/l2rg3l/pgp1ppp2/1p4P1p/1s1p3p1/P2PSPGP1/LPP1P3P/3S3RL/BN1G1K1N1 b - 52"},
    {"full hands", "4k4/2g3s2/p3p3p/3b5/9/5R3/P3P3P/2S3G2/4K4 b RBGSNLPrbgsnlp 1"},
};

// CPU time of this thread: the machine is shared, so the limit and the rate are measured in
// the time the search actually ran.
double cpu_seconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

std::string load_average() {
    std::ifstream in("/proc/loadavg");
    std::string one;
    in >> one;
    return one.empty() ? "unknown" : one;
}

void measure(const Case& c, bool lower, int milliseconds) {
    cli::Position p;
    if (!cli::parse_sfen(c.sfen, p).empty()) {
        std::printf("%s: bad position\n", c.name);
        return;
    }
    const auto start = std::chrono::steady_clock::now();
    const double cpu_start = cpu_seconds();
    const double limit = milliseconds / 1000.0;
    LookLimits limits;
    limits.should_stop = [&] { return cpu_seconds() - cpu_start >= limit; };
    const LookResult r = look_ahead(p.game.position(), lower, limits);
    const double cpu = cpu_seconds() - cpu_start;
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-15s %-5s depth %2d  nodes %9lld  %9.0f nodes/CPU-s  (CPU %.3f s, wall %.3f s)\n",
                c.name, lower ? "lower" : "upper", r.depth, static_cast<long long>(r.nodes),
                static_cast<double>(r.nodes) / cpu, cpu, wall);
}

}  // namespace

int main(int argc, char** argv) {
    const int milliseconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : LEVEL4_THINK_MS;
    std::printf("limit %d ms of CPU time per search; load average before: %s\n", milliseconds,
                load_average().c_str());
    for (const Case& c : kCases) {
        measure(c, true, milliseconds);
        measure(c, false, milliseconds);
    }
    std::printf("load average after: %s\n", load_average().c_str());
    return 0;
}

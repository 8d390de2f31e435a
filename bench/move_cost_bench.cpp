// The fixed cost of one look-ahead move: CPU time and page faults of a search of one node
// (what `bestmove SFEN --level 4 --nodes 1` does besides starting the program), with a table
// made for each move as before and with the one table a player keeps.
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "cli/sfen.h"
#include "computer/look_ahead.h"

namespace {

using namespace banzuri;

constexpr const char* kStart = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

double cpu_seconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

long page_faults() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_minflt + u.ru_majflt;
}

template <typename Search>
void measure(const char* name, int moves, Search search) {
    const double cpu = cpu_seconds();
    const long faults = page_faults();
    for (int i = 0; i < moves; ++i)
        search();
    const double per_move = (cpu_seconds() - cpu) / moves * 1000.0;
    std::printf("%-28s %8.3f ms CPU/move  %8.1f page faults/move\n", name, per_move,
                static_cast<double>(page_faults() - faults) / moves);
}

}  // namespace

int main(int argc, char** argv) {
    const int moves = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    cli::Position p;
    if (!cli::parse_sfen(kStart, p).empty()) return 1;
    const GameState& g = p.game.position();
    LookLimits limits;
    limits.nodes = 1;
    std::printf("%d searches of one node (LEVEL4 --nodes 1) on the start position\n", moves);
    measure("a new table per move", moves, [&] { (void)look_ahead(g, true, limits); });
    LookTable table;
    measure("one table kept", moves, [&] { (void)look_ahead(g, true, limits, table); });
    return 0;
}

// LEVEL4 with plans against LEVEL4 without them: seeded random openings, colours alternating,
// node budgets. Prints the score of the side with plans. Usage: bench_plan_match [GAMES]
// [NODES] [SEED]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "computer/look_ahead.h"
#include "self_play.h"

namespace {

using namespace banzuri;

LookLimits limits_of(bool plans, long long nodes) {
    LookLimits limits;
    limits.nodes = nodes;
    limits.plans = plans;
    return limits;
}

// 1 when the lower side (moving first) wins, 0 when it loses, 0.5 for a draw.
double game(bool lower_plans, long long nodes, std::mt19937& rng) {
    return bench::self_play_game(limits_of(lower_plans, nodes), limits_of(!lower_plans, nodes),
                                 rng);
}

}  // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::max(2, std::atoi(argv[1])) : 40;
    const long long nodes = argc > 2 ? std::max(100, std::atoi(argv[2])) : 10000;
    const auto seed = static_cast<std::uint32_t>(argc > 3 ? std::atoi(argv[3]) : 1);
    std::mt19937 rng(seed);
    int wins = 0;
    int losses = 0;
    int draws = 0;
    for (int n = 0; n < games; ++n) {
        const bool lower_plans = n % 2 == 0;
        const double r = game(lower_plans, nodes, rng);
        const double with_plans = lower_plans ? r : 1.0 - r;
        if (with_plans == 1.0)
            ++wins;
        else if (with_plans == 0.0)
            ++losses;
        else
            ++draws;
    }
    std::printf("plans against none, %d games at %lld nodes, seed %u: %d-%d-%d, %.1f%%\n", games,
                nodes, seed, wins, losses, draws, 100.0 * (wins + 0.5 * draws) / games);
    return 0;
}

// Self-play tuning of the look-ahead evaluation: for each weight, LEVEL4 with the weight
// halved and doubled plays LEVEL4 with the current weights (seeded random openings, colours
// alternating, node budgets); a change that scores above the threshold is kept. Prints every
// step and the final weights. Usage: bench_eval_tuning [GAMES] [NODES] [SEED]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "computer/look_ahead.h"
#include "self_play.h"

namespace {

using namespace banzuri;

constexpr double KEEP_ABOVE = 0.55;

struct Weight {
    const char* name;
    int look::EvalWeights::*field;
};

constexpr Weight kWeights[] = {
    {"threat_to_move_percent", &look::EvalWeights::threat_to_move_percent},
    {"threat_against_percent", &look::EvalWeights::threat_against_percent},
    {"double_king_threat", &look::EvalWeights::double_king_threat},
    {"king_liberty", &look::EvalWeights::king_liberty},
    {"king_boxed", &look::EvalWeights::king_boxed},
    {"king_room", &look::EvalWeights::king_room},
    {"slider_mobility", &look::EvalWeights::slider_mobility},
    {"advance", &look::EvalWeights::advance},
};

LookLimits limits_of(const look::EvalWeights& weights, long long nodes) {
    LookLimits limits;
    limits.nodes = nodes;
    limits.weights = weights;
    return limits;
}

// 1 when `first` (lower side, moving first) wins, 0 when it loses, 0.5 for a draw.
double game(const look::EvalWeights& first, const look::EvalWeights& second, long long nodes,
            std::mt19937& rng) {
    return bench::self_play_game(limits_of(first, nodes), limits_of(second, nodes), rng);
}

double score(const look::EvalWeights& trial, const look::EvalWeights& base, int games,
             long long nodes, std::uint32_t seed) {
    std::mt19937 rng(seed);
    double points = 0;
    for (int n = 0; n < games; ++n)
        points += n % 2 == 0 ? game(trial, base, nodes, rng) : 1.0 - game(base, trial, nodes, rng);
    return points / games;
}

}  // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::max(2, std::atoi(argv[1])) : 40;
    const long long nodes = argc > 2 ? std::max(100, std::atoi(argv[2])) : 5000;
    const auto seed = static_cast<std::uint32_t>(argc > 3 ? std::atoi(argv[3]) : 1);
    look::EvalWeights best;
    for (const Weight& w : kWeights) {
        const int current = best.*w.field;
        for (const int trial_value : {current / 2, current * 2}) {
            look::EvalWeights trial = best;
            trial.*w.field = trial_value;
            const double s = score(trial, best, games, nodes, seed);
            std::printf("%-24s %5d -> %5d: %.1f%%%s\n", w.name, current, trial_value, 100 * s,
                        s > KEEP_ABOVE ? "  kept" : "");
            std::fflush(stdout);
            if (s > KEEP_ABOVE) {
                best = trial;
                break;
            }
        }
    }
    std::printf("final:");
    for (const Weight& w : kWeights)
        std::printf(" %s=%d", w.name, best.*w.field);
    std::printf("\n");
    return 0;
}

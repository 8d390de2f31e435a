#include "cli/match.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <random>
#include <vector>

#include "rules/legal_moves.h"
#include "rules/move.h"

namespace banzuri::cli {

namespace {

constexpr long long MAX_GAMES = 1000000;
constexpr long long MAX_THINK = 1000000000;
constexpr double Z95 = 1.959964;

std::optional<long long> whole(const std::string& text, long long low, long long high) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end || value < low || value > high)
        return std::nullopt;
    return value;
}

enum class Outcome { FIRST_WINS, SECOND_WINS, DRAW };

struct GameOutcome {
    Outcome outcome = Outcome::DRAW;
    int plies = 0;
};

GameState fresh_game() {
    GameState g;
    初期設定(g);
    g.game_mode = MODE_MAN;
    g.lower_order = FIRST_PLAYER;
    g.upper_order = SECOND_PLAYER;
    g.turn = FIRST_PLAYER;
    return g;
}

// One game: `first` plays the lower side and moves first.
GameOutcome play_game(int first, int second, const MatchOptions& o, std::mt19937& rng,
                      ComputerState& scratch) {
    GameState g = fresh_game();
    GameOutcome r;
    bool lower = true;
    while (g.winner == TURN_NONE && r.plies < MATCH_MAX_PLIES) {
        std::optional<LegalMove> m;
        if (r.plies < MATCH_RANDOM_PLIES) {
            const std::vector<LegalMove> moves = legal_moves(g, lower);
            if (!moves.empty()) m = moves[rng() % moves.size()];
        } else {
            m = computer_move(g, lower, lower ? first : second, o.think, scratch);
        }
        if (!m) {  // the side to move has nothing left and gives up
            r.outcome = lower ? Outcome::SECOND_WINS : Outcome::FIRST_WINS;
            return r;
        }
        play_move(g, m->fx, m->fy, m->tx, m->ty, m->placed);  // recorded: repetitions are seen
        ++r.plies;
        lower = !lower;
        g.turn = -g.turn;
    }
    if (g.winner == FIRST_PLAYER) r.outcome = Outcome::FIRST_WINS;
    if (g.winner == SECOND_PLAYER) r.outcome = Outcome::SECOND_WINS;
    return r;
}

std::string signed_elo(double score) {
    if (score <= 1e-9) return "-inf";
    if (score >= 1 - 1e-9) return "+inf";
    double elo = -400.0 * std::log10(1.0 / score - 1.0);
    if (std::fabs(elo) < 0.5) elo = 0;  // an even score is "+0", never "-0"
    char text[32];
    std::snprintf(text, sizeof text, "%+.0f", elo);
    return text;
}

std::string percent(double score) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f%%", 100.0 * score);
    return text;
}

std::string level_name(int level) {
    return "LEVEL" + std::to_string(level);
}

}  // namespace

std::string elo_text(int wins, int losses, int draws) {
    const int n = wins + losses + draws;
    if (n == 0) return "+0 (95% -inf .. +inf)";
    const double score = (wins + 0.5 * draws) / n;
    const double variance = (wins * (1 - score) * (1 - score) + losses * score * score +
                             draws * (0.5 - score) * (0.5 - score)) /
                            n;
    if (variance > 0) {
        const double margin = Z95 * std::sqrt(variance / n);
        return signed_elo(score) + " (95% " + signed_elo(score - margin) + " .. " +
               signed_elo(score + margin) + ")";
    }
    // Every game ended alike: the Wilson interval still says how sure that is.
    const double z2 = Z95 * Z95;
    const double centre = (score + z2 / (2 * n)) / (1 + z2 / n);
    const double half = Z95 * std::sqrt(z2 / (4.0 * n * n)) / (1 + z2 / n);
    return signed_elo(score) + " (95% " + signed_elo(centre - half) + " .. " +
           signed_elo(centre + half) + ")";
}

Output play_match(const MatchOptions& o) {
    std::mt19937 rng(o.seed);
    ComputerState scratch;
    Output result;
    int wins = 0;
    int losses = 0;
    int draws = 0;
    const std::string a = level_name(o.level_a);
    const std::string b = level_name(o.level_b);
    for (int n = 1; n <= o.games; ++n) {
        const bool a_first = n % 2 == 1;
        const GameOutcome r = a_first ? play_game(o.level_a, o.level_b, o, rng, scratch)
                                      : play_game(o.level_b, o.level_a, o, rng, scratch);
        std::string verdict = "draw";
        if (r.outcome != Outcome::DRAW) {
            const bool a_won = (r.outcome == Outcome::FIRST_WINS) == a_first;
            verdict = "A wins";
            if (!a_won) verdict = "B wins";
            ++(a_won ? wins : losses);
        } else {
            ++draws;
        }
        result.out += "game " + std::to_string(n) + ": A " + a + (a_first ? " first" : " second") +
                      ", B " + b + ", " + std::to_string(r.plies) + " plies, " + verdict + "\n";
    }
    const double score = (wins + 0.5 * draws) / o.games;
    result.out += "games " + std::to_string(o.games) + ", A " + a + " vs B " + b + ": wins " +
                  std::to_string(wins) + ", losses " + std::to_string(losses) + ", draws " +
                  std::to_string(draws) + ", score " + percent(score) + ", Elo " +
                  elo_text(wins, losses, draws) + "\n";
    return result;
}

Output command_match(const Args& args) {
    MatchOptions o;
    bool levels = false;
    bool games = false;
    bool seed = false;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string& name = args[i];
        const std::string value = i + 1 < args.size() ? args[i + 1] : std::string();
        if (name == "--levels") {
            const std::string second = i + 2 < args.size() ? args[i + 2] : std::string();
            const auto x = whole(value, 1, LEVEL5);
            const auto y = whole(second, 1, LEVEL5);
            if (!x || !y) return fail("match: --levels", "expected two levels from 1 to 5");
            o.level_a = static_cast<int>(*x);
            o.level_b = static_cast<int>(*y);
            levels = true;
            ++i;
        } else if (name == "--games") {
            const auto n = whole(value, 1, MAX_GAMES);
            if (!n) return fail("match: --games", "expected a number of games from 1");
            o.games = static_cast<int>(*n);
            games = true;
        } else if (name == "--seed") {
            const auto n = whole(value, 0, 4294967295LL);
            if (!n) return fail("match: --seed", "expected a number from 0 to 4294967295");
            o.seed = static_cast<std::uint32_t>(*n);
            seed = true;
        } else if (name == "--nodes" || name == "--movetime") {
            const auto n = whole(value, 1, MAX_THINK);
            if (!n) return fail("match: " + name, "expected a number from 1 to 1000000000");
            if (o.think.nodes > 0 || o.think.movetime_ms > 0)
                return fail("match: " + name, "give either --nodes or --movetime, not both");
            if (name == "--nodes")
                o.think.nodes = *n;
            else
                o.think.movetime_ms = static_cast<int>(*n);
        } else {
            return fail("match: option " + quoted(name), "unknown option");
        }
    }
    if (!levels || !games || !seed)
        return fail("match", "expected --levels A B --games N --seed S");
    return play_match(o);
}

}  // namespace banzuri::cli

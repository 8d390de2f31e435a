#include "cli/match.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <random>
#include <vector>

#include "cli/game_files.h"
#include "cli/options.h"
#include "rules/game.h"

namespace banzuri::cli {

namespace {

constexpr double Z95 = 1.959964;

enum class Outcome { FIRST_WINS, SECOND_WINS, DRAW };

struct GameOutcome {
    Outcome outcome = Outcome::DRAW;
    int plies = 0;
};

// One game: `first` plays the lower side and moves first. Answers nothing when the rules
// refuse a move a player chose.
std::optional<GameOutcome> play_game(int first, int second, const MatchOptions& o,
                                     std::mt19937& rng, ComputerState& scratch, Game& game) {
    game = Game();
    game.start(MODE_MAN, FIRST_PLAYER, FIRST_PLAYER);
    GameOutcome r;
    while (!game.decided() && r.plies < MATCH_MAX_PLIES) {
        const bool lower = game.lower_to_move();
        std::optional<Move> m;
        if (r.plies < MATCH_RANDOM_PLIES) {
            const std::vector<Move> moves = game.legal_moves();
            if (!moves.empty()) m = moves[rng() % moves.size()];
        } else {
            m = computer_move(game.position(), lower, lower ? first : second, o.think, scratch);
        }
        if (!m) {  // the side to move has nothing left and gives up
            r.outcome = lower ? Outcome::SECOND_WINS : Outcome::FIRST_WINS;
            game.resign();
            return r;
        }
        if (!game.play(*m, 0)) return std::nullopt;  // recorded: repetitions are seen
        ++r.plies;
    }
    if (game.winner() == FIRST_PLAYER) r.outcome = Outcome::FIRST_WINS;
    if (game.winner() == SECOND_PLAYER) r.outcome = Outcome::SECOND_WINS;
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
    if (!o.kif_dir.empty())
        if (std::string why = make_games_folder(o.kif_dir); !why.empty())
            return fail_output("match: --kif", why);
    for (int n = 1; n <= o.games; ++n) {
        const bool a_first = n % 2 == 1;
        Game game;
        const std::optional<GameOutcome> played =
            a_first ? play_game(o.level_a, o.level_b, o, rng, scratch, game)
                    : play_game(o.level_b, o.level_a, o, rng, scratch, game);
        if (!played) {
            result.status = 1;
            result.err = "banzuri-cli: match: game " + std::to_string(n) +
                         ": the rules refused a move a player chose\n";
            return result;
        }
        const GameOutcome& r = *played;
        std::string verdict = "draw";
        if (r.outcome != Outcome::DRAW) {
            const bool a_won = (r.outcome == Outcome::FIRST_WINS) == a_first;
            verdict = "A wins";
            if (!a_won) verdict = "B wins";
            ++(a_won ? wins : losses);
        } else {
            ++draws;
        }
        const std::string line = "game " + std::to_string(n) + ": A " + a +
                                 (a_first ? " first" : " second") + ", B " + b + ", " +
                                 std::to_string(r.plies) + " plies, " + verdict;
        result.out += line + "\n";
        if (o.kif_dir.empty()) continue;
        const std::string first = a_first ? a + " (A)" : b + " (B)";
        const std::string second = a_first ? b + " (B)" : a + " (A)";
        const std::string note = "match seed " + std::to_string(o.seed) + ", " + line;
        if (std::string why =
                write_record(played_record(game, first, second, note), game_file(o.kif_dir, n));
            !why.empty()) {
            Output failed = fail_output("match", why);
            failed.out = result.out;
            return failed;
        }
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
    GamesAndSeed run;
    bool levels = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (const auto why = read_games_or_seed("match", args, i, run)) {
            if (!why->empty()) return refused(*why);
        } else if (const auto limit = read_think_limit("match", args, i, o.think)) {
            if (!limit->empty()) return refused(*limit);
        } else if (const auto dir = read_kif_dir("match", args, i, o.kif_dir)) {
            if (!dir->empty()) return refused(*dir);
        } else if (args[i] == "--levels") {
            const auto x = whole_number(i + 1 < args.size() ? args[i + 1] : "", 1, LEVEL5);
            const auto y = whole_number(i + 2 < args.size() ? args[i + 2] : "", 1, LEVEL5);
            if (!x || !y) return fail("match: --levels", "expected two levels from 1 to 5");
            o.level_a = static_cast<int>(*x);
            o.level_b = static_cast<int>(*y);
            levels = true;
            i += 2;
        } else {
            return fail("match: option " + quoted(args[i]), "unknown option");
        }
    }
    if (!levels || !run.games_given || !run.seed_given)
        return fail("match", "expected --levels A B --games N --seed S");
    o.games = run.games;
    o.seed = run.seed;
    return play_match(o);
}

}  // namespace banzuri::cli

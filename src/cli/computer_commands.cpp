// bestmove, trace and selfplay.
#include "cli/computer_commands.h"

#include <optional>
#include <random>
#include <vector>

#include "cli/options.h"
#include "cli/players.h"
#include "cli/sfen.h"
#include "cli/usi.h"
#include "computer/evaluation.h"
#include "rules/game.h"

namespace banzuri::cli {

namespace {

constexpr int PIECES_IN_A_SET = 40;

struct SearchOptions {
    int level = 3;
    bool upper_first = false;
    bool terms = false;
    ThinkLimits think;
};

// Reads "SFEN [--level N] [--upper-first] [--terms] [--nodes N | --movetime MS]"; an empty
// answer means success. Only bestmove knows the look-ahead levels 4 and 5 and their limits.
std::string read_search_args(const std::string& command, const Args& args, bool allow_terms,
                             Position& p, SearchOptions& o, Output& refusal) {
    const bool look_levels = !allow_terms;
    if (args.empty()) {
        refusal = fail(command, "expected an SFEN argument");
        return "refused";
    }
    if (std::string why = parse_sfen(args[0], p); !why.empty()) {
        refusal = fail(command + ": SFEN " + quoted(args[0]), why);
        return "refused";
    }
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--upper-first") {
            o.upper_first = true;
        } else if (args[i] == "--terms" && allow_terms) {
            o.terms = true;
        } else if (args[i] == "--level") {
            const int top = look_levels ? LEVEL5 : 3;
            const auto level =
                i + 1 < args.size() ? whole_number(args[i + 1], 1, top) : std::nullopt;
            if (!level) {
                refusal = fail(command + ": --level", look_levels ? "expected a level from 1 to 5"
                                                                  : "expected a level 1, 2 or 3");
                return "refused";
            }
            o.level = static_cast<int>(*level);
            ++i;
        } else if (look_levels && (args[i] == "--nodes" || args[i] == "--movetime")) {
            if (const auto why = read_think_limit(command, args, i, o.think); !why->empty()) {
                refusal = refused(*why);
                return "refused";
            }
        } else {
            refusal = fail(command + ": option " + quoted(args[i]), "unknown option");
            return "refused";
        }
    }
    if (o.level < LEVEL4 && (o.think.nodes > 0 || o.think.movetime_ms > 0)) {
        refusal = fail(command, "--nodes and --movetime are for levels 4 and 5");
        return "refused";
    }
    return {};
}

// The position as a game against the computer at the given level, the computer to move.
GameState computer_to_move(const Position& p, const SearchOptions& o) {
    Game game = p.game;
    const int upper_order = o.upper_first ? FIRST_PLAYER : SECOND_PLAYER;
    game.start(MODE_COM, -upper_order, upper_order);
    game.set_level(o.level);
    return game.position();
}

std::string bestmove_line(const std::optional<Move>& best) {
    return "bestmove " + (best ? to_usi(*best) : std::string("resign")) + "\n";
}

int hand_pieces(const Hand& h) {
    int n = 0;
    for (int kind = 1; kind <= 7; ++kind)
        n += GameState::count(h, kind);
    return n;
}

// Pieces on the board, in both hands and the kings taken: a full set at every moment.
int pieces_accounted(const GameState& g) {
    int on_board = 0;
    int kings = 0;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int code = g.at(x, y);
            if (code != EMPTY) ++on_board;
            if (code == LOWER_OU || code == UPPER_OU) ++kings;
        }
    }
    return on_board + hand_pieces(g.hand_own) + hand_pieces(g.hand_enemy) + (2 - kings);
}

struct GameResult {
    int moves = 0;
    int winner = TURN_NONE;  // order token; TURN_NONE when the move limit ended the game
    int accounted = PIECES_IN_A_SET;
    bool refused = false;  // the rules refused a move a player chose
};

// Games of the computer against the random mover; the random numbers come from one seeded
// generator for the whole run, so a seed always replays the same games.
class Selfplay {
  public:
    explicit Selfplay(const SelfplayOptions& o) : o_(o), rng_(o.seed) {}

    GameResult play() {
        Game game;
        game.start(MODE_COM, FIRST_PLAYER, FIRST_PLAYER);
        game.set_level(o_.level);
        GameResult r;
        while (!game.decided() && r.moves < o_.max_moves) {
            const std::optional<Move> m =
                game.lower_to_move() ? random_move(game) : computer_move(game);
            if (!m) {
                game.resign();  // the side to move has nothing left and gives up
                break;
            }
            if (!game.play(*m, 0)) {
                r.refused = true;
                return r;
            }
            ++r.moves;
            r.accounted = pieces_accounted(game.position());
            if (r.accounted != PIECES_IN_A_SET) return r;
        }
        r.winner = game.winner();
        return r;
    }

  private:
    std::optional<Move> random_move(const Game& game) {
        const std::vector<Move> moves = game.legal_moves();
        if (moves.empty()) return std::nullopt;
        return moves[rng_() % moves.size()];
    }

    std::optional<Move> computer_move(const Game& game) {
        GameState g = game.position();
        return search_best_move(g, computer_, [] {});
    }

    const SelfplayOptions& o_;
    std::mt19937 rng_;
    ComputerState computer_;
};

}  // namespace

// The look-ahead levels: the side to move of the SFEN, what the search saw, and its move.
Output look_ahead_bestmove(const Position& p, const SearchOptions& o) {
    const LookResult r = look_ahead(p.game.position(), p.lower_to_move(),
                                    look_limits(o.level, o.think), session_table());
    std::string score = "cp " + std::to_string(r.score);
    if (r.score > MATE_BOUND) score = "mate " + std::to_string(MATE_SCORE - r.score);
    if (r.score < -MATE_BOUND) score = "mate -" + std::to_string(MATE_SCORE + r.score);
    std::string out = "info depth " + std::to_string(r.depth) + " nodes " +
                      std::to_string(r.nodes) + " score " + score + "\n";
    out += "bestmove " + (r.move ? to_usi(*r.move) : std::string("resign")) + "\n";
    return Output{0, out, {}};
}

Output command_bestmove(const Args& args) {
    Position p;
    SearchOptions o;
    Output refusal;
    if (!read_search_args("bestmove", args, false, p, o, refusal).empty()) return refusal;
    if (o.level >= LEVEL4) return look_ahead_bestmove(p, o);
    GameState g = computer_to_move(p, o);
    ComputerState c;
    return Output{0, bestmove_line(search_best_move(g, c, [] {})), {}};
}

Output command_trace(const Args& args) {
    Position p;
    SearchOptions o;
    Output refusal;
    if (!read_search_args("trace", args, true, p, o, refusal).empty()) return refusal;
    GameState g = computer_to_move(p, o);
    ComputerState c;
    std::vector<Candidate> candidates;
    const std::optional<Move> best = search_best_move(
        g, c, [] {}, &candidates);
    Output result;
    for (const Candidate& k : candidates) {
        result.out += to_usi(k.move) + " " + score_text(k.score);
        if (o.terms) result.out += "  " + candidate_terms(g, c, k.move);
        result.out += "\n";
    }
    result.out += bestmove_line(best);
    return result;
}

Output command_selfplay(const Args& args) {
    SelfplayOptions o;
    GamesAndSeed run;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (const auto why = read_games_or_seed("selfplay", args, i, run)) {
            if (!why->empty()) return refused(*why);
        } else if (args[i] == "--level") {
            const auto n = whole_number(i + 1 < args.size() ? args[i + 1] : "", 1, 3);
            if (!n) return fail("selfplay: --level", "expected a level 1, 2 or 3");
            o.level = static_cast<int>(*n);
            ++i;
        } else {
            return fail("selfplay: option " + quoted(args[i]), "unknown option");
        }
    }
    if (!run.games_given || !run.seed_given) return fail("selfplay", "expected --games N --seed S");
    o.games = run.games;
    o.seed = run.seed;
    return selfplay(o);
}

Output selfplay(const SelfplayOptions& o) {
    Selfplay play(o);
    Output result;
    int computer_wins = 0;
    int random_wins = 0;
    int unfinished = 0;
    long long total_moves = 0;
    for (int n = 1; n <= o.games; ++n) {
        const GameResult r = play.play();
        if (r.refused) {
            result.status = 1;
            result.err = "banzuri-cli: selfplay: game " + std::to_string(n) + ", move " +
                         std::to_string(r.moves + 1) + ": the rules refused the move chosen\n";
            return result;
        }
        if (r.accounted != PIECES_IN_A_SET) {
            result.status = 1;
            result.err = "banzuri-cli: selfplay: game " + std::to_string(n) + ", move " +
                         std::to_string(r.moves) + ": " + std::to_string(r.accounted) +
                         " pieces instead of 40\n";
            return result;
        }
        total_moves += r.moves;
        std::string winner = "none (move limit)";
        if (r.winner == SECOND_PLAYER) {
            winner = "computer";
            ++computer_wins;
        } else if (r.winner == FIRST_PLAYER) {
            winner = "random";
            ++random_wins;
        } else {
            ++unfinished;
        }
        result.out += "game " + std::to_string(n) + ": " + std::to_string(r.moves) +
                      " moves, winner " + winner + "\n";
    }
    result.out += "games " + std::to_string(o.games) + ", computer " +
                  std::to_string(computer_wins) + ", random " + std::to_string(random_wins) +
                  ", unfinished " + std::to_string(unfinished) + ", moves " +
                  std::to_string(total_moves) + ", pieces conserved\n";
    return result;
}

}  // namespace banzuri::cli

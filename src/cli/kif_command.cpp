#include "cli/kif_command.h"

#include "cli/game_files.h"
#include "cli/sfen.h"
#include "cli/usi.h"
#include "records/kif_format.h"
#include "records/kif_reader.h"
#include "records/replay.h"

namespace banzuri::cli {

namespace {

bool record_file_name(const std::string& file) {
    return file.ends_with(".kif") || file.ends_with(".kifu");
}

// The start of the record: the SFEN's position and side to move.
records::StartPosition start_of(const Position& p) {
    const GameState& g = p.game.position();
    return {g.board, g.hand_own, g.hand_enemy, p.lower_to_move()};
}

// Plays the moves args[first..] on the record; empty on success, otherwise the refusal.
Output play_moves(const Args& args, std::size_t first, records::GameRecord& r) {
    Game game = records::replay_game(r.start);
    for (std::size_t i = first; i < args.size(); ++i) {
        const std::string what =
            "kif: move " + std::to_string(i - first + 1) + " " + quoted(args[i]);
        records::RecordedMove rm;
        if (std::string why = parse_usi(args[i], rm.move); !why.empty()) return fail(what, why);
        if (game.decided()) return fail(what, "the game is already decided");
        const bool lower = game.lower_to_move();
        if (!records::play_recorded(game, rm).empty())
            return fail(what, std::string("not a legal move for the ") +
                                  (lower ? "lower" : "upper") + " side");
        r.moves.push_back(rm);
    }
    r.winner = records::winner_of(game);
    return {};
}

}  // namespace

Output command_kif(const Args& args) {
    std::size_t at = 0;
    std::string file;
    if (!args.empty() && args[0] == "-o") {
        if (args.size() < 2) return fail("kif: -o", "expected a file name");
        file = args[1];
        if (!record_file_name(file))
            return fail("kif: -o 「" + records::shown(file, 200) + "」",
                        "expected a name ending in .kif or .kifu");
        at = 2;
    }
    if (at >= args.size()) return fail("kif", "expected [-o FILE] SFEN [MOVE...]");
    Position p;
    if (std::string why = parse_sfen(args[at], p); !why.empty())
        return fail("kif: SFEN " + quoted(args[at]), why);
    records::GameRecord r;
    r.start = start_of(p);
    if (std::string why = records::check_start(r.start).japanese; !why.empty())
        return fail("kif: SFEN " + quoted(args[at]), why);
    if (Output refused = play_moves(args, at + 1, r); refused.status != 0) return refused;
    if (file.empty()) return Output{0, records::write_kif(r), {}};
    if (std::string error = write_record(r, file); !error.empty()) return fail_output("kif", error);
    return {};
}

}  // namespace banzuri::cli

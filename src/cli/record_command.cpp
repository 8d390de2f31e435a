#include "cli/record_command.h"

#include "cli/usi.h"
#include "records/position_sfen.h"
#include "records/record_file.h"
#include "records/replay.h"

namespace banzuri::cli {

namespace {

std::string winner_text(records::Side side) {
    switch (side) {
        case records::Side::lower:
            return "lower";
        case records::Side::upper:
            return "upper";
        default:
            return "none";
    }
}

Output final_position(const records::GameRecord& r) {
    Game game;
    if (auto problem = records::replay(r, game)) return fail("record", problem->why.japanese);
    const int moves = static_cast<int>(r.moves.size());
    const GameState& g = game.position();
    return Output{0,
                  records::position_sfen(g.board, g.hand_own, g.hand_enemy,
                                         records::lower_to_move_at_end(r), moves + 1) +
                      "\nwinner: " + winner_text(r.winner) + "\n",
                  {}};
}

Output start_and_moves(const records::GameRecord& r) {
    const records::StartPosition& s = r.start;
    Output out{
        0,
        records::position_sfen(s.board, s.hand_lower, s.hand_upper, s.lower_to_move, 1) + "\n",
        {}};
    for (const records::RecordedMove& m : r.moves)
        out.out += to_usi(m.move) + "\n";
    return out;
}

}  // namespace

Output command_record(const Args& args) {
    const bool usi = !args.empty() && args[0] == "--usi";
    if (args.size() != (usi ? 2u : 1u)) return fail("record", "expected [--usi] FILE");
    const std::string& file = args.back();
    const records::LoadResult loaded = records::load_record(file);
    if (!loaded.record) return fail("record", loaded.error.japanese);  // the error names the file
    return usi ? start_and_moves(*loaded.record) : final_position(*loaded.record);
}

}  // namespace banzuri::cli

#include "cli/analyse_command.h"

#include <cmath>
#include <cstdio>

#include "cli/options.h"
#include "cli/players.h"
#include "cli/usi.h"
#include "records/record_file.h"
#include "records/replay.h"

namespace banzuri::cli {

namespace {

struct AnalyseOptions {
    std::string file;
    int level = LEVEL4;
    ThinkLimits think;
};

std::string pawns_text(double pawns) {
    if (std::fabs(pawns) >= KING_CAPTURE_PAWNS) return pawns > 0 ? "+999" : "-999";
    char text[32];
    std::snprintf(text, sizeof text, "%+.2f", pawns);
    return text;
}

// Reads the arguments; an empty answer means success, otherwise the refusal as "what|why".
std::string read_options(const Args& args, AnalyseOptions& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--level") {
            const auto level =
                i + 1 < args.size() ? whole_number(args[i + 1], LEVEL4, LEVEL5) : std::nullopt;
            if (!level) return "analyse: --level|expected a level 4 or 5";
            o.level = static_cast<int>(*level);
            ++i;
        } else if (const auto why = read_think_limit("analyse", args, i, o.think)) {
            if (!why->empty()) return *why;
        } else if (args[i].starts_with("--") || !o.file.empty()) {
            return "analyse: option " + cli::quoted(args[i]) + "|unknown option";
        } else {
            o.file = args[i];
        }
    }
    if (o.file.empty()) return "analyse|expected a record FILE";
    return {};
}

}  // namespace

std::string analysis_line(int number, const MoveVerdict& v) {
    std::string line = std::to_string(number) + " " + to_usi(v.move) + " " + pawns_text(v.before) +
                       " " + pawns_text(v.after) + " best " + (v.best ? to_usi(*v.best) : "-");
    if (v.mark != MoveMark::none) {  // appended apart: GCC 12's -O3 warns falsely of " " + s
        line += ' ';
        line += mark_text(v.mark);
    }
    return line + "\n";
}

Output command_analyse(const Args& args) {
    AnalyseOptions o;
    if (const std::string why = read_options(args, o); !why.empty()) return refused(why);
    const records::LoadResult loaded = records::load_record(o.file);
    if (!loaded.record) return fail("analyse " + cli::quoted(o.file), loaded.error.japanese);
    Game game;
    if (auto problem = records::replay(*loaded.record, game))
        return fail("analyse " + cli::quoted(o.file), problem->why.japanese);
    AnalysisControl control;
    control.limits = [&o] { return look_limits(o.level, o.think); };
    const GameAnalysis analysis = analyse_game(game, control, session_table());
    Output out;
    for (std::size_t i = 0; i < analysis.moves.size(); ++i)
        out.out += analysis_line(static_cast<int>(i) + 1, analysis.moves[i]);
    return out;
}

}  // namespace banzuri::cli

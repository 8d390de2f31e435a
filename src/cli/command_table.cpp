// The command table: a new command is one more row here and its handler in its own file.
#include <array>

#include "build_info.h"
#include "cli/analyse_command.h"
#include "cli/commands.h"
#include "cli/computer_commands.h"
#include "cli/match.h"
#include "cli/record_command.h"

namespace banzuri::cli {

namespace {

constexpr std::array kCommands = {
    Command{"startpos", "", &command_startpos},
    Command{"moves", "SFEN", &command_moves},
    Command{"play", "SFEN MOVE...", &command_play},
    Command{"bestmove", "SFEN [--level N] [--upper-first] [--movetime MS | --nodes N]",
            &command_bestmove},
    Command{"trace", "SFEN [--level N] [--upper-first] [--terms]", &command_trace},
    Command{"selfplay", "--games N --seed S [--level L]", &command_selfplay},
    Command{"match", "--levels A B --games N --seed S [--movetime MS | --nodes N]", &command_match},
    Command{"record", "[--usi] FILE", &command_record},
    Command{"analyse", "FILE [--level 4|5] [--nodes N | --movetime MS]", &command_analyse},
};

std::string usage() {
    std::string text = "usage: banzuri-cli";
    const char* separator = " ";
    for (const Command& c : command_table()) {
        text += separator;
        text += c.name;
        if (!c.usage.empty()) text.append(" ").append(c.usage);
        separator = " | ";
    }
    return text;
}

// The answer to --help: the usage line, what the tool is and what the exit statuses mean, on
// standard output.
Output help() {
    return Output{0,
                  usage() +
                      "\n\nPositions, legal moves, game records and the computer player of "
                      "Banzuri without a window.\nSee banzuri-cli(6) for the commands.\n"
                      "  -h, --help     show this help\n"
                      "  -v, --version  show the version\n"
                      "exit status: 0 done; 1 selfplay found a move that lost or created a piece;\n"
                      "  2 bad input (one line \"banzuri-cli: <argument>: <why>\" on stderr);\n"
                      "  3 the output could not be written (one line on stderr)\n",
                  ""};
}

}  // namespace

std::span<const Command> command_table() {
    return kCommands;
}

Output run(const Args& command_line) {
    if (command_line.empty()) return fail("no command", usage());
    const std::string& first = command_line.front();
    if (command_line.size() == 1 && (first == "--help" || first == "-h")) return help();
    if (command_line.size() == 1 && (first == "--version" || first == "-v"))
        return Output{0, "banzuri-cli " + std::string(VERSION) + "\n", ""};
    for (const Command& c : command_table())
        if (command_line.front() == c.name)
            return c.run(Args(command_line.begin() + 1, command_line.end()));
    return fail("unknown command " + quoted(command_line.front()), usage());
}

}  // namespace banzuri::cli

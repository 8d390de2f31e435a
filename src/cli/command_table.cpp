// The command table: a new command is one more row here and its handler in its own file.
#include <array>

#include "cli/commands.h"
#include "cli/computer_commands.h"
#include "cli/match.h"

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
};

std::string usage() {
    std::string text = "usage: banzuri-cli";
    const char* separator = " ";
    for (const Command& c : command_table()) {
        text += separator;
        text += c.name;
        if (!c.usage.empty()) text += " " + std::string(c.usage);
        separator = " | ";
    }
    return text;
}

}  // namespace

std::span<const Command> command_table() {
    return kCommands;
}

Output run(const Args& command_line) {
    if (command_line.empty()) return fail("no command", usage());
    for (const Command& c : command_table())
        if (command_line.front() == c.name)
            return c.run(Args(command_line.begin() + 1, command_line.end()));
    return fail("unknown command " + quoted(command_line.front()), usage());
}

}  // namespace banzuri::cli

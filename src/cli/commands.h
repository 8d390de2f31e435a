// The commands of banzuri-cli and what they share. A command gets the arguments after its
// name and answers its standard output, its error line and its exit status; it never prints.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace banzuri::cli {

using Args = std::vector<std::string>;

struct Output {
    int status = 0;
    std::string out;
    std::string err;
};

// Exit statuses: 0 done, 1 selfplay found a move that lost or created a piece (or the rules
// refused a move a player of selfplay or match chose), 2 bad input, 3 the output could not be
// written (a full disk, say).
inline constexpr int EXIT_BAD_INPUT = 2;
inline constexpr int EXIT_OUTPUT_FAILED = 3;
inline constexpr std::size_t ERROR_LINE_LIMIT = 515;

using Handler = Output (*)(const Args& args);

struct Command {
    std::string_view name;
    std::string_view usage;  // the arguments, for the usage line
    Handler run;
};

// Every command, in the order the usage line shows them (command_table.cpp).
std::span<const Command> command_table();

// Runs a whole command line without the program name.
Output run(const Args& command_line);

// A refusal: one line "banzuri-cli: <what>: <why>" on standard error, nothing on standard
// output, exit status 2. The line is printable UTF-8 (control bytes and malformed UTF-8 as
// \xNN, bidirectional controls as \uNNNN; Japanese stays readable) and at most
// ERROR_LINE_LIMIT bytes before its newline.
Output fail(std::string_view what, std::string_view why);

// The output could not be written: the same line, exit status 3.
Output fail_output(std::string_view what, std::string_view why);

// An argument as it may appear in a message: in double quotes, control and non-ASCII bytes
// escaped, shortened when long.
std::string quoted(std::string_view argument);

Output command_startpos(const Args& args);
Output command_moves(const Args& args);
Output command_play(const Args& args);

}  // namespace banzuri::cli

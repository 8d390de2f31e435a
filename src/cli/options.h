// The option values that the thinking and game-playing commands share: whole numbers in a
// range, "--games N --seed S", and "--nodes N | --movetime MS".
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/players.h"

namespace banzuri::cli {

inline constexpr long long MAX_GAMES = 1000000;
inline constexpr long long MAX_THINK = 1000000000;

// A whole number in [low, high], or nothing.
std::optional<long long> whole_number(const std::string& text, long long low, long long high);

struct GamesAndSeed {
    int games = 0;
    std::uint32_t seed = 0;
    bool games_given = false;
    bool seed_given = false;
};

// The readers below look at args[i] and, when it is theirs, read its value and move i onto
// it. They answer nothing when args[i] is another option, an empty text when it was read,
// and otherwise the refusal as "what|why" (see `refused`).

// "--games N" (1 to MAX_GAMES) or "--seed S" (0 to 4294967295).
std::optional<std::string> read_games_or_seed(const std::string& command, const Args& args,
                                              std::size_t& i, GamesAndSeed& out);
// "--nodes N" or "--movetime MS" (1 to MAX_THINK), only one of the two.
std::optional<std::string> read_think_limit(const std::string& command, const Args& args,
                                            std::size_t& i, ThinkLimits& out);

// "--kif DIR": the folder the games are kept in.
std::optional<std::string> read_kif_dir(const std::string& command, const Args& args,
                                        std::size_t& i, std::string& out);

// The failure for a "what|why" refusal of the readers above.
Output refused(const std::string& what_why);

}  // namespace banzuri::cli

#include "cli/options.h"

#include <charconv>

namespace banzuri::cli {

namespace {

constexpr long long MAX_SEED = 4294967295LL;

std::string value_after(const Args& args, std::size_t i) {
    return i + 1 < args.size() ? args[i + 1] : std::string();
}

}  // namespace

std::optional<long long> whole_number(const std::string& text, long long low, long long high) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<std::string> read_games_or_seed(const std::string& command, const Args& args,
                                              std::size_t& i, GamesAndSeed& out) {
    const std::string& name = args[i];
    if (name == "--games") {
        const auto n = whole_number(value_after(args, i), 1, MAX_GAMES);
        if (!n) return command + ": --games|expected a number of games from 1";
        out.games = static_cast<int>(*n);
        out.games_given = true;
    } else if (name == "--seed") {
        const auto n = whole_number(value_after(args, i), 0, MAX_SEED);
        if (!n) return command + ": --seed|expected a number from 0 to 4294967295";
        out.seed = static_cast<std::uint32_t>(*n);
        out.seed_given = true;
    } else {
        return std::nullopt;
    }
    ++i;
    return std::string();
}

std::optional<std::string> read_think_limit(const std::string& command, const Args& args,
                                            std::size_t& i, ThinkLimits& out) {
    const std::string& name = args[i];
    if (name != "--nodes" && name != "--movetime") return std::nullopt;
    const auto n = whole_number(value_after(args, i), 1, MAX_THINK);
    if (!n) return command + ": " + name + "|expected a number from 1 to 1000000000";
    if (out.nodes > 0 || out.movetime_ms > 0)
        return command + ": " + name + "|give either --nodes or --movetime, not both";
    if (name == "--nodes")
        out.nodes = *n;
    else
        out.movetime_ms = static_cast<int>(*n);
    ++i;
    return std::string();
}

std::optional<std::string> read_kif_dir(const std::string& command, const Args& args,
                                        std::size_t& i, std::string& out) {
    if (args[i] != "--kif") return std::nullopt;
    if (i + 1 >= args.size() || args[i + 1].empty()) return command + ": --kif|expected a folder";
    out = args[++i];
    return std::string();
}

Output refused(const std::string& what_why) {
    const auto bar = what_why.find('|');
    return fail(what_why.substr(0, bar), what_why.substr(bar + 1));
}

}  // namespace banzuri::cli

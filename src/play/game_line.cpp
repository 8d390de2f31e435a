#include "play/game_line.h"

#include <cstdio>
#include <ctime>
#include <system_error>

#include "play/record_keeping.h"
#include "records/record_of_game.h"
#include "records/replay.h"

namespace banzuri {

namespace {

constexpr int kMaxAsideNames = 1000;

records::Side other(records::Side s) {
    return s == records::Side::lower ? records::Side::upper : records::Side::lower;
}

}  // namespace

bool same_positions(const std::vector<RecordEntry>& a, const std::vector<RecordEntry>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t n = 0; n < a.size(); ++n)
        if (a[n].board != b[n].board || a[n].hand_lower != b[n].hand_lower ||
            a[n].hand_upper != b[n].hand_upper)
            return false;
    return true;
}

LineRecord record_of_game_line(const Game& game, const LineFacts& facts) {
    records::GameRecord r = records::record_of_game(game, records::RecordEnd::LINE_END);
    if (files::Message why = records::check_start(r.start); !why.empty())
        return {std::nullopt, files::fill({"0手目: %1", "move 0: %1"}, {why})};
    r.level = r.game_mode == MODE_COM ? r.level : 0;
    r.started = facts.started;
    // A resignation belongs to the side to move at the end, and only to a game not yet won.
    const records::Side to_move =
        records::lower_to_move_at_end(r) ? records::Side::lower : records::Side::upper;
    if (r.winner == records::Side::none && facts.resignation_winner == other(to_move)) {
        r.winner = facts.resignation_winner;
        r.ending = records::Ending::resignation;
    }
    if (r.winner != records::Side::none) r.ended = facts.now;
    return {std::move(r), {}};
}

records::DateTime local_now() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string suggested_record_name(const records::DateTime& when) {
    char name[64];
    std::snprintf(name, sizeof name, "banzuri-%04d%02d%02d-%02d%02d.kifu", when.year % 10000,
                  when.month % 100, when.day % 100, when.hour % 100, when.minute % 100);
    return name;
}

std::filesystem::path state_folder(const std::string& xdg_state_home, const std::string& home) {
    // A relative XDG path is to be ignored, as the base directory rules say.
    if (!xdg_state_home.empty() && xdg_state_home.front() == '/')
        return std::filesystem::path(xdg_state_home) / STATE_FOLDER_NAME;
    if (home.empty()) return {};
    return std::filesystem::path(home) / ".local" / "state" / STATE_FOLDER_NAME;
}

std::filesystem::path set_aside(const std::filesystem::path& file) {
    std::error_code error;
    for (int n = 1; n <= kMaxAsideNames; ++n) {
        std::filesystem::path aside = file;
        aside += n == 1 ? ".damaged" : ".damaged-" + std::to_string(n);
        if (std::filesystem::exists(aside, error) || error) continue;
        std::filesystem::rename(file, aside, error);
        return error ? std::filesystem::path{} : aside;
    }
    return {};
}

}  // namespace banzuri

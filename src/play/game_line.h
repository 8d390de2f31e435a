// A line of play (record entries up to the latest position, the layout of records/entries.h)
// turned into a saved game, and the small facts around it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "files/message.h"
#include "records/game_record.h"
#include "rules/game.h"
#include "rules/game_state.h"

namespace banzuri {

// The same boards and hands, entry by entry; the clocks are not compared.
bool same_positions(const std::vector<RecordEntry>& a, const std::vector<RecordEntry>& b);

struct LineFacts {
    records::Side resignation_winner = records::Side::none;
    std::optional<records::DateTime> started;
    std::optional<records::DateTime> now;  // the end of a decided game
};

struct LineRecord {
    std::optional<records::GameRecord> record;
    files::Message problem;  // why the line is no record, when there is none
};

// The record of the game's line up to its latest position, read from its moves, with the dates
// and a resignation the window keeps.
LineRecord record_of_game_line(const Game& game, const LineFacts& facts);

// The local date and time now.
records::DateTime local_now();

// "banzuri-20240501-1000.kifu" for a game started then.
std::string suggested_record_name(const records::DateTime& when);

// $XDG_STATE_HOME/banzuri, by default ~/.local/state/banzuri; empty when neither is known.
std::filesystem::path state_folder(const std::string& xdg_state_home, const std::string& home);

// Renames a damaged file to a free name beside it ("NAME.damaged", "NAME.damaged-2", ...) and
// answers the new name; empty when it could not be moved. Nothing is ever deleted.
std::filesystem::path set_aside(const std::filesystem::path& file);

}  // namespace banzuri

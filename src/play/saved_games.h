// The places of the autosave in the state folder. Each running window keeps its game in a place
// of its own, the first free one of "last-game.kifu", "last-game-2.kifu", ..., and holds that
// place's lock file from its first write for as long as it runs, so that two windows never
// write over each other's game.
#pragma once

#include "settings/language.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "records/game_record.h"

namespace banzuri {

inline constexpr int AUTOSAVE_PLACES = 9;

// The file of place 1..AUTOSAVE_PLACES: "last-game.kifu", "last-game-2.kifu", ...
std::string autosave_name(int place);
// Its lock file: ".last-game.kifu.lock", ...
std::string autosave_lock_name(int place);

struct SavedGame {
    std::filesystem::path file;
    records::DateTime written;         // local time of the last write: the last move kept
    std::optional<std::size_t> moves;  // nothing when the file does not read as a record
};

// The games kept in the places of `state_dir`, the most recently written first.
std::vector<SavedGame> saved_games(const std::filesystem::path& state_dir);

// "12手・最後の指し手 2024/05/01 10:00（last-game-2.kifu）", for choosing one; in English
// "12 moves, last move 2024/05/01 10:00 (last-game-2.kifu)".
std::string saved_game_label(const SavedGame& game, Language language = Language::JAPANESE);

}  // namespace banzuri

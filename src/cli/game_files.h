// (Paths are plain strings here, so that std::quoted never competes with cli::quoted.)
// Game records the command-line tool writes: a record to a file or standard output, and the
// games of a run kept one file each in a folder.
#pragma once

#include <string>

#include "cli/commands.h"
#include "records/game_record.h"
#include "rules/game.h"

namespace banzuri::cli {

// The file of game `n` of a run: DIR/game-0001.kifu, DIR/game-0002.kifu, ...
std::string game_file(const std::string& dir, int n);

// Makes the folder for a run's games (and its parents); empty on success, otherwise why not.
std::string make_games_folder(const std::string& dir);

// The record of a game the tool played from its start to its end, with the players' names and
// a note; a game the side to move gave up has been resigned on `game`.
records::GameRecord played_record(const Game& game, std::string lower_name, std::string upper_name,
                                  std::string note);

// Writes the record atomically (".kif" in Shift-JIS, otherwise UTF-8); empty on success,
// otherwise a message that names the file once and says why.
std::string write_record(const records::GameRecord& r, const std::string& file);

}  // namespace banzuri::cli

// What the main window keeps about the game's records beside the game itself: where the
// autosave lives, when the game began, a resignation at its end, and the line last saved to
// or opened from a file.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "files/file_lock.h"
#include "records/game_record.h"
#include "rules/game_state.h"

namespace banzuri {

// The file in the state folder that always holds the game in progress (or the last one) of the
// first window; windows opened beside it keep theirs beside it (play/saved_games.h).
inline constexpr const char* AUTOSAVE_FILE_NAME = "last-game.kifu";
inline constexpr const char* STATE_FOLDER_NAME = "banzuri";

struct RecordKeeping {
    std::filesystem::path state_dir;  // empty: no autosave
    // This window's place in the state folder, chosen once, and the lock that keeps it ours;
    // the file is empty when every place is taken by another running window.
    bool autosave_chosen = false;
    std::filesystem::path autosave_file;
    files::FileLock autosave_lock;
    std::optional<records::DateTime> started;
    // The winner when the side to move after the last move gave the game up.
    records::Side resignation_winner = records::Side::none;
    std::vector<RecordEntry> saved_line;  // the positions last saved to or opened from a file
    bool autosave_checked = false;        // the old autosave was looked at before the first write
    bool autosave_warned = false;         // a failed autosave was reported; cleared by success

    void new_game() {
        started.reset();
        resignation_winner = records::Side::none;
    }
};

}  // namespace banzuri

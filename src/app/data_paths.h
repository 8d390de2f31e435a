// The folders the game works with, found at start-up: where its sounds and help page lie
// (beside the executable in the build tree or in its prefix's data folder) and where its
// settings file lives, and where the game in progress is kept.
#pragma once

#include <filesystem>
#include <optional>

namespace banzuri::app {

struct DataFolder {
    std::filesystem::path path;
    // The build tree's run folder when the game was started from its build tree.
    std::optional<std::filesystem::path> build_run_dir;
};

// The data folder of the game whose executable is in `executable_dir`: the installed data folder
// of its prefix when there is one, else the build tree's run folder when the executable was
// built there, else the current folder.
DataFolder find_data_folder(const std::filesystem::path& executable_dir,
                            const std::filesystem::path& current_dir);

struct GameFolders {
    std::filesystem::path data_dir;
    std::filesystem::path settings_dir;
    std::filesystem::path state_dir;  // the game in progress: $XDG_STATE_HOME/banzuri
};

// Both folders for this process, from its executable, the current folder and the environment;
// creates the settings folder when it is missing.
GameFolders find_game_folders(const std::filesystem::path& executable_dir);

}  // namespace banzuri::app

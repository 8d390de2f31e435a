// Where the settings file "Banzuri.ini" lives.
//
// A file already in the current folder is used there, as is the run folder of a game started
// from its build tree; otherwise the file lives in the user's configuration folder,
// $XDG_CONFIG_HOME/banzuri, by default ~/.config/banzuri.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace banzuri::settings {

inline constexpr const char* SETTINGS_FILE_NAME = "Banzuri.ini";
inline constexpr const char* CONFIG_FOLDER_NAME = "banzuri";

// What the choice depends on; the environment values are empty when unset.
struct SettingsPlaces {
    std::filesystem::path current_dir;
    std::optional<std::filesystem::path> build_run_dir;  // only for a game in its build tree
    std::string xdg_config_home;
    std::string home;
};

// The folder the settings file is read from and written to. Only asks whether a settings file
// exists in the current folder; creates nothing.
std::filesystem::path settings_folder(const SettingsPlaces& places);

// Creates the folder and its missing parents, new ones readable by the user alone, so the first
// write can succeed. False when it could not be made; the write then fails as for any folder
// that cannot be written.
bool make_settings_folder(const std::filesystem::path& folder);

}  // namespace banzuri::settings

#include "app/data_paths.h"

#include <cstdlib>
#include <string>
#include <system_error>

#include "build_info.h"
#include "play/game_line.h"
#include "settings/settings_location.h"

namespace banzuri::app {

namespace {

bool is_folder(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

bool is_file(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

std::filesystem::path current_folder() {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::filesystem::path(".") : folder;
}

}  // namespace

DataFolder find_data_folder(const std::filesystem::path& executable_dir,
                            const std::filesystem::path& current_dir) {
    const std::filesystem::path installed =
        (executable_dir / DATA_FROM_EXECUTABLE).lexically_normal();
    if (is_folder(installed)) return {installed, std::nullopt};
    const std::filesystem::path build_root =
        (executable_dir / BUILD_ROOT_FROM_BUILT_EXECUTABLE).lexically_normal();
    const std::filesystem::path run =
        (executable_dir / RUN_FROM_BUILT_EXECUTABLE).lexically_normal();
    if (is_file(build_root / "CMakeCache.txt") && is_folder(run)) return {run, run};
    return {current_dir, std::nullopt};
}

GameFolders find_game_folders(const std::filesystem::path& executable_dir) {
    const std::filesystem::path current = current_folder();
    const DataFolder data = find_data_folder(executable_dir, current);
    settings::SettingsPlaces places{current, data.build_run_dir, environment("XDG_CONFIG_HOME"),
                                    environment("HOME")};
    GameFolders folders{data.path, settings::settings_folder(places),
                        state_folder(environment("XDG_STATE_HOME"), environment("HOME"))};
    settings::make_settings_folder(folders.settings_dir);
    return folders;
}

}  // namespace banzuri::app

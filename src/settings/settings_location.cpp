#include "settings/settings_location.h"

#include <system_error>

#include "files/private_folder.h"

namespace banzuri::settings {

namespace {

// An environment value that may name a folder: relative values are ignored, as the base
// directory rules of the desktop ask.
std::optional<std::filesystem::path> absolute_folder(const std::string& value) {
    if (value.empty() || value.front() != '/') return std::nullopt;
    return std::filesystem::path(value);
}

bool file_present(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::symlink_status(path, error).type() !=
           std::filesystem::file_type::not_found;
}

}  // namespace

std::filesystem::path settings_folder(const SettingsPlaces& places) {
    if (file_present(places.current_dir / SETTINGS_FILE_NAME)) return places.current_dir;
    if (places.build_run_dir) return *places.build_run_dir;
    if (const auto config = absolute_folder(places.xdg_config_home))
        return *config / CONFIG_FOLDER_NAME;
    if (const auto home = absolute_folder(places.home))
        return *home / ".config" / CONFIG_FOLDER_NAME;
    return places.current_dir;  // nowhere else to keep it
}

bool make_settings_folder(const std::filesystem::path& folder) {
    return files::make_private_folder(folder) == 0;
}

}  // namespace banzuri::settings

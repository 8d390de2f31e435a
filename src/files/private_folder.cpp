#include "files/private_folder.h"

#include <sys/stat.h>

#include <cerrno>

namespace banzuri::files {

namespace {

constexpr mode_t PRIVATE_FOLDER_MODE = 0700;

// 0 when `level` is a folder now, made by us or there before; never changes one that was there.
int make_level(const std::filesystem::path& level) {
    if (::mkdir(level.c_str(), PRIVATE_FOLDER_MODE) == 0) return 0;
    if (errno != EEXIST) return errno;
    struct stat info {};
    if (::stat(level.c_str(), &info) != 0) return errno;
    return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
}

}  // namespace

int make_private_folder(const std::filesystem::path& folder) {
    std::filesystem::path level;
    for (const std::filesystem::path& part : folder) {
        level /= part;
        if (part.empty() || part == "." || part == "..") continue;
        if (level == level.root_path()) continue;
        if (const int error = make_level(level); error != 0) return error;
    }
    return 0;
}

}  // namespace banzuri::files

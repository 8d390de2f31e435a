#include "files/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <system_error>

#include "files/shown_text.h"

namespace banzuri::files {

namespace {

// Created with these bits, the kernel takes off the umask as for any new file.
constexpr mode_t NEW_FILE_MODE = 0666;
constexpr int NAME_ATTEMPTS = 100;
constexpr std::string_view NAME_LETTERS =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t NAME_LETTER_COUNT = 6;

Message failure(const std::filesystem::path& path, int error_number) {
    return fill({"「%1」を保存できません: %2", "“%1” cannot be saved: %2"},
                {verbatim(shown_path(path.string())), reason_of(error_number)});
}

// 0, or the errno of the write that failed.
int write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return errno;
        if (written == 0) return EIO;  // no progress and no reason: still not written
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Six letters or digits, different from call to call and from process to process.
std::string random_letters() {
    static std::atomic<std::uint64_t> calls{0};
    std::uint64_t z =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (static_cast<std::uint64_t>(::getpid()) << 40) ^
        ((calls.fetch_add(1) + 1) * 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    z ^= z >> 31;
    std::string letters;
    for (std::size_t i = 0; i < NAME_LETTER_COUNT; ++i) {
        letters.push_back(NAME_LETTERS[z % NAME_LETTERS.size()]);
        z /= NAME_LETTERS.size();
    }
    return letters;
}

// Creates a temporary file for `name` in `folder`, named into `made`; its descriptor, or -1
// with errno set.
int create_temporary(const std::filesystem::path& folder, const std::string& name,
                     std::string& made) {
    for (int attempt = 0; attempt < NAME_ATTEMPTS; ++attempt) {
        made = (folder / ("." + name + "." + random_letters())).string();
        const int fd = ::open(made.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, NEW_FILE_MODE);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

bool is_temporary_name(const std::string& candidate, const std::string& name) {
    const std::string prefix = "." + name + ".";
    if (candidate.size() != prefix.size() + NAME_LETTER_COUNT ||
        candidate.compare(0, prefix.size(), prefix) != 0)
        return false;
    return candidate.find_first_not_of(NAME_LETTERS, prefix.size()) == std::string::npos;
}

void sync_folder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // the rename has happened; a folder that cannot be flushed changes nothing
    ::close(fd);
}

}  // namespace

Message reason_of(int error_number) {
    switch (error_number) {
        case ENOENT:
            return {"ファイルかフォルダがありません", "there is no such file or folder"};
        case EACCES:
        case EPERM:
            return {"書き込む権限がありません", "you may not write there"};
        case ENOSPC:
        case EDQUOT:
            return {"ディスクの空きが足りません", "the disk is full"};
        case EROFS:
            return {"読み取り専用の場所です", "the place is read-only"};
        case EISDIR:
            return {"フォルダです", "it is a folder"};
        case ENOTDIR:
            return {"途中にフォルダでないものがあります", "part of the path is not a folder"};
        case ENAMETOOLONG:
            return {"名前が長すぎます", "the name is too long"};
        default:
            return fill({"エラー（%1）", "error (%1)"}, {verbatim(std::strerror(error_number))});
    }
}

Message read_reason_of(int error_number) {
    if (error_number == EACCES || error_number == EPERM)
        return {"読む権限がありません", "you may not read it"};
    return reason_of(error_number);
}

Message write_file_atomically(const std::filesystem::path& path, std::string_view bytes) {
    if (path.filename().empty()) return failure(path, EISDIR);
    // Renaming over a file needs only the folder's permission: a file the player made read-only
    // is kept by hand. The permissions of a regular file go over to its replacement.
    std::optional<mode_t> kept_mode;
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if ((info.st_mode & S_IWUSR) == 0 || ::access(path.c_str(), W_OK) != 0)
            return failure(path, EACCES);
        if (S_ISREG(info.st_mode)) kept_mode = info.st_mode & 0777;
    }
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    std::string temporary;
    const int fd = create_temporary(folder, path.filename().string(), temporary);
    if (fd < 0) return failure(path, errno);
    int error_number = 0;
    if (kept_mode && ::fchmod(fd, *kept_mode) != 0) error_number = errno;
    if (error_number == 0) error_number = write_all(fd, bytes);
    if (error_number == 0 && ::fsync(fd) != 0) error_number = errno;
    if (::close(fd) != 0 && error_number == 0) error_number = errno;
    if (error_number == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error_number = errno;
    if (error_number != 0) {
        ::unlink(temporary.c_str());
        return failure(path, error_number);
    }
    sync_folder(folder);
    return {};
}

void remove_stale_temporary_files(const std::filesystem::path& path) {
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    const std::string name = path.filename().string();
    const auto now = std::filesystem::file_time_type::clock::now();
    std::error_code ec;
    std::filesystem::directory_iterator entries(folder, ec);
    for (; !ec && entries != std::filesystem::directory_iterator(); entries.increment(ec)) {
        const std::filesystem::directory_entry& entry = *entries;
        std::error_code entry_ec;
        if (!is_temporary_name(entry.path().filename().string(), name) ||
            !entry.is_regular_file(entry_ec) || entry.is_symlink(entry_ec))
            continue;
        const auto written = entry.last_write_time(entry_ec);
        if (entry_ec || now - written < STALE_TEMPORARY_AGE) continue;
        std::filesystem::remove(entry.path(), entry_ec);
    }
}

}  // namespace banzuri::files

#include "records/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace banzuri::records {

namespace {

constexpr mode_t kNewFileMode = 0644;

std::string failure(const std::filesystem::path& path, int error_number) {
    return "「" + path.string() + "」を保存できません: " + reason_of(error_number);
}

bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The permissions of the file being replaced, or those of a new file.
mode_t mode_for(const std::filesystem::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
    return kNewFileMode;
}

void sync_folder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // the rename has happened; a folder that cannot be flushed changes nothing
    ::close(fd);
}

}  // namespace

std::string reason_of(int error_number) {
    switch (error_number) {
        case ENOENT:
            return "ファイルかフォルダがありません";
        case EACCES:
        case EPERM:
            return "書き込む権限がありません";
        case ENOSPC:
        case EDQUOT:
            return "ディスクの空きが足りません";
        case EROFS:
            return "読み取り専用の場所です";
        case EISDIR:
            return "フォルダです";
        case ENOTDIR:
            return "途中にフォルダでないものがあります";
        case ENAMETOOLONG:
            return "名前が長すぎます";
        default:
            return std::string("エラー（") + std::strerror(error_number) + "）";
    }
}

std::string write_file_atomically(const std::filesystem::path& path, std::string_view bytes) {
    if (path.filename().empty()) return failure(path, EISDIR);
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    std::string temporary_name(".");
    temporary_name.append(path.filename().string()).append(".tmp-XXXXXX");
    const std::string pattern = (folder / temporary_name).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return failure(path, errno);
    int error_number = 0;
    if (::fchmod(fd, mode_for(path)) != 0 || !write_all(fd, bytes) || ::fsync(fd) != 0)
        error_number = errno;
    if (::close(fd) != 0 && error_number == 0) error_number = errno;
    if (error_number == 0 && ::rename(name.data(), path.c_str()) != 0) error_number = errno;
    if (error_number != 0) {
        ::unlink(name.data());
        return failure(path, error_number);
    }
    sync_folder(folder);
    return {};
}

}  // namespace banzuri::records

#include "settings/settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <system_error>
#include <vector>

namespace banzuri::settings {

namespace {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    bool close() {
        if (fd_ < 0) return true;
        const bool ok = ::close(fd_) == 0;
        fd_ = -1;
        return ok;
    }

  private:
    int fd_;
};

std::string error_text(int error_number) {
    return std::generic_category().message(error_number);
}

// Drops the last, incomplete line of a text that was cut off at the read limit.
void drop_cut_line(std::string& text) {
    const std::size_t last_end = text.find_last_of("\r\n");
    text.resize(last_end == std::string::npos ? 0 : last_end + 1);
}

bool write_all(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The permissions of the file being replaced, or the usual ones for a new file.
mode_t mode_for(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & 0777;
    return 0644;
}

// The name of a temporary file replace_file() makes for `name`: "." name "." and the six
// letters or digits mkstemp() puts in place of "XXXXXX".
bool is_temporary_name(const std::string& candidate, const std::string& name) {
    const std::string prefix = "." + name + ".";
    if (candidate.size() != prefix.size() + 6 || candidate.compare(0, prefix.size(), prefix) != 0)
        return false;
    for (std::size_t i = prefix.size(); i < candidate.size(); ++i) {
        const char c = candidate[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

// A file the player pinned: one that exists and that nobody, or at least its owner, may write.
bool pinned(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return false;
    return (info.st_mode & S_IWUSR) == 0 || ::access(path.c_str(), W_OK) != 0;
}

}  // namespace

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

std::optional<std::string> read_settings_file(const std::filesystem::path& path) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    std::string text(READ_LIMIT + 1, '\0');
    std::size_t filled = 0;
    while (filled < text.size()) {
        const ssize_t got = ::read(file.get(), text.data() + filled, text.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    text.resize(filled);
    if (filled > READ_LIMIT) {
        text.resize(READ_LIMIT);
        drop_cut_line(text);
    }
    return text;
}

bool replace_file(const std::filesystem::path& path, std::string_view content, std::string& error) {
    // Renaming over a file needs only the folder's permission: a pinned file is kept by hand.
    if (pinned(path)) {
        error = error_text(EACCES);
        return false;
    }
    std::string temp_name =
        (path.parent_path() / std::string(".").append(path.filename().string()).append(".XXXXXX"))
            .string();
    std::vector<char> temp(temp_name.begin(), temp_name.end());
    temp.push_back('\0');
    FileDescriptor file(::mkstemp(temp.data()));
    if (file.get() < 0) {
        error = error_text(errno);
        return false;
    }
    const char* temp_path = temp.data();
    int failure = 0;
    errno = 0;
    if (::fchmod(file.get(), mode_for(path)) != 0 || !write_all(file.get(), content) ||
        ::fsync(file.get()) != 0)
        failure = errno != 0 ? errno : EIO;
    if (!file.close() && failure == 0) failure = errno;
    if (failure == 0 && ::rename(temp_path, path.c_str()) != 0) failure = errno;
    if (failure != 0) {
        ::unlink(temp_path);
        error = error_text(failure);
        return false;
    }
    return true;
}

}  // namespace banzuri::settings

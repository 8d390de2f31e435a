#include "files/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace banzuri::files {

namespace {

constexpr mode_t LOCK_FILE_MODE = 0600;

// The descriptor of the regular file `file`, or -1 with errno set. O_NONBLOCK keeps a FIFO
// standing there from holding the game up.
int open_lock_file(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                          LOCK_FILE_MODE);
    if (fd < 0) return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

}  // namespace

FileLock::FileLock(const std::filesystem::path& file) {
    const int fd = open_lock_file(file);
    if (fd < 0) {
        error_ = errno;
        return;
    }
    int locked;
    while ((locked = ::flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    if (locked != 0) {
        error_ = errno;
        ::close(fd);
        return;
    }
    fd_ = fd;
}

FileLock::FileLock(FileLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), error_(other.error_) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        fd_ = std::exchange(other.fd_, -1);
        error_ = other.error_;
    }
    return *this;
}

FileLock::~FileLock() {
    release();
}

bool FileLock::busy() const {
    return error_ == EWOULDBLOCK;
}

void FileLock::release() {
    if (fd_ >= 0) ::close(fd_);  // closing the only descriptor lets go of the lock
    fd_ = -1;
}

}  // namespace banzuri::files

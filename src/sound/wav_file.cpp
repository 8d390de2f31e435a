#include "sound/wav_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace banzuri {

namespace {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

std::string error_text(int error_number) {
    return std::generic_category().message(error_number);
}

// Why a file that is not a regular file cannot be a sound: a folder, a FIFO, a device.
int not_regular_error(mode_t mode) {
    return S_ISDIR(mode) ? EISDIR : EINVAL;
}

// Reads to the end of the file; false with `error` set when that failed or went over the limit.
bool read_whole(int fd, std::vector<unsigned char>& bytes, int& error) {
    unsigned char chunk[65536];
    for (;;) {
        // Straight into the room already reserved, then in pieces.
        if (bytes.capacity() > bytes.size()) {
            const std::size_t had = bytes.size();
            bytes.resize(bytes.capacity());
            const ssize_t got = ::read(fd, bytes.data() + had, bytes.size() - had);
            const int why = errno;
            bytes.resize(had + static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
            if (got < 0 && why == EINTR) continue;
            if (got < 0) {
                error = why;
                return false;
            }
            if (got == 0) return true;
            continue;
        }
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            error = errno;
            return false;
        }
        if (got == 0) return true;
        if (bytes.size() + static_cast<std::size_t>(got) > SOUND_FILE_LIMIT) {
            error = EFBIG;
            return false;
        }
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
}

}  // namespace

SoundFileImage read_sound_file(const std::filesystem::path& path) {
    SoundFileImage image;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        if (ec && ec != std::errc::no_such_file_or_directory)
            image.error = ec.message();
        else
            image.missing = true;
        return image;
    }
    // Opening never waits, not even on a FIFO without a writer; only a regular file is read.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.get() < 0) {
        image.error = error_text(errno != 0 ? errno : EIO);
        return image;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        image.error = error_text(errno != 0 ? errno : EIO);
        return image;
    }
    if (!S_ISREG(info.st_mode)) {
        image.error = error_text(not_regular_error(info.st_mode));
        return image;
    }
    // Read in one piece of the size the file has now (it may still grow or shrink meanwhile).
    if (info.st_size > 0)
        image.bytes.reserve(static_cast<std::size_t>(
            std::min<off_t>(info.st_size, static_cast<off_t>(SOUND_FILE_LIMIT))));
    int error = 0;
    if (!read_whole(file.get(), image.bytes, error)) {
        image.error = error_text(error != 0 ? error : EIO);
        image.bytes.clear();
    }
    return image;
}

}  // namespace banzuri

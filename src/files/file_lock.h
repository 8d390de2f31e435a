// A lock held for as long as its holder lives: a lock file in a folder, locked with flock(2),
// so that two running games on one account can tell their places apart. The kernel lets go of
// it when the process ends, however it ends, so a crashed game never leaves its place taken.
#pragma once

#include <filesystem>

namespace banzuri::files {

class FileLock {
  public:
    FileLock() = default;
    // Tries once, without waiting, to lock `file`, made (mode 0600) when missing. Never
    // follows a symbolic link and locks nothing but a regular file.
    explicit FileLock(const std::filesystem::path& file);
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    bool held() const { return fd_ >= 0; }
    // Another process (or another holder in this one) has it.
    bool busy() const;
    // 0 when held; otherwise the errno of the failure (EWOULDBLOCK when busy).
    int error() const { return error_; }

  private:
    void release();
    int fd_ = -1;
    int error_ = 0;
};

}  // namespace banzuri::files

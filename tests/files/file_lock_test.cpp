// Locks held for a holder's life: one holder at a time, given back when it ends, and nothing
// but a regular file of our own is ever locked.
#include "files/file_lock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <utility>

namespace banzuri::files {
namespace {

namespace fs = std::filesystem;

class Lock : public ::testing::Test {
  protected:
    Lock() : dir_(fs::temp_directory_path() / ("banzuri-lock-" + std::to_string(::getpid()))) {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    ~Lock() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(Lock, OneHolderAtATimeUntilItEnds) {
    const fs::path file = dir_ / "slot.lock";
    FileLock first(file);
    ASSERT_TRUE(first.held());
    EXPECT_EQ(first.error(), 0);
    FileLock second(file);
    EXPECT_FALSE(second.held());
    EXPECT_TRUE(second.busy());
    // Moved, the lock stays taken; the moved-from holder lets go of nothing.
    FileLock moved = std::move(first);
    EXPECT_TRUE(moved.held());
    EXPECT_FALSE(first.held());  // NOLINT(bugprone-use-after-move): that is the point
    EXPECT_TRUE(FileLock(file).busy());
    moved = FileLock();
    EXPECT_TRUE(FileLock(file).held());
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(Lock, AnotherProcessSeesItTakenAndAKilledOneGivesItBack) {
    const fs::path file = dir_ / "slot.lock";
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        FileLock mine(file);
        const char held = mine.held() ? 'y' : 'n';
        (void)!::write(ready[1], &held, 1);
        ::pause();
        ::_exit(0);
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    EXPECT_EQ(held, 'y');
    EXPECT_TRUE(FileLock(file).busy());
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(FileLock(file).held());
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST_F(Lock, NothingButARegularFileIsLockedAndLinksAreNotFollowed) {
    std::ofstream(dir_ / "target") << "kept";
    fs::create_symlink(dir_ / "target", dir_ / "link.lock");
    FileLock through_link(dir_ / "link.lock");
    EXPECT_FALSE(through_link.held());
    EXPECT_FALSE(through_link.busy());
    EXPECT_EQ(through_link.error(), ELOOP);
    fs::create_symlink(dir_ / "nowhere", dir_ / "dangling.lock");
    EXPECT_FALSE(FileLock(dir_ / "dangling.lock").held());
    EXPECT_FALSE(fs::exists(dir_ / "nowhere"));
    fs::create_directory(dir_ / "folder.lock");
    EXPECT_FALSE(FileLock(dir_ / "folder.lock").held());
    ASSERT_EQ(::mkfifo((dir_ / "fifo.lock").c_str(), 0600), 0);
    EXPECT_EQ(FileLock(dir_ / "fifo.lock").error(), EINVAL);  // and it did not hang
    EXPECT_FALSE(FileLock(dir_ / "missing" / "slot.lock").held());
    EXPECT_FALSE(FileLock().held());
}

}  // namespace
}  // namespace banzuri::files

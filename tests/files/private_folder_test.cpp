// The game's own folders: new ones are private, and whatever already stands in their place,
// a folder of any mode, a file or a link, is left exactly as it was.
#include "files/private_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "files/atomic_file.h"

namespace banzuri::files {
namespace {

namespace fs = std::filesystem;

class PrivateFolder : public ::testing::Test {
  protected:
    PrivateFolder()
        : dir_(fs::temp_directory_path() / ("banzuri-folder-" + std::to_string(::getpid()))) {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    ~PrivateFolder() override { fs::remove_all(dir_); }
    static mode_t mode_of(const fs::path& path) {
        struct stat info {};
        ::lstat(path.c_str(), &info);
        return info.st_mode & 07777;
    }
    fs::path dir_;
};

TEST_F(PrivateFolder, NewFoldersAndTheirNewParentsAreTheUsersAlone) {
    const mode_t old_umask = ::umask(022);
    EXPECT_EQ(make_private_folder(dir_ / "a" / "b" / "state"), 0);
    EXPECT_EQ(make_private_folder(dir_ / "a" / "b" / "state" / ""), 0);  // there now: nothing
    ::umask(old_umask);
    for (const fs::path& made : {dir_ / "a", dir_ / "a" / "b", dir_ / "a" / "b" / "state"})
        EXPECT_EQ(mode_of(made), 0700u) << made;
}

TEST_F(PrivateFolder, WhatStandsThereAlreadyIsNeverChanged) {
    fs::create_directory(dir_ / "open");
    ::chmod((dir_ / "open").c_str(), 0755);
    EXPECT_EQ(make_private_folder(dir_ / "open"), 0);
    EXPECT_EQ(mode_of(dir_ / "open"), 0755u);
    EXPECT_EQ(make_private_folder(dir_ / "open" / "inner"), 0);
    EXPECT_EQ(mode_of(dir_ / "open"), 0755u);
    EXPECT_EQ(mode_of(dir_ / "open" / "inner"), 0700u);

    std::ofstream(dir_ / "file") << "kept";
    ::chmod((dir_ / "file").c_str(), 0644);
    EXPECT_EQ(make_private_folder(dir_ / "file"), ENOTDIR);
    EXPECT_EQ(make_private_folder(dir_ / "file" / "below"), ENOTDIR);
    EXPECT_EQ(mode_of(dir_ / "file"), 0644u);

    // A link to a file: neither the link nor the file it names is touched.
    fs::create_symlink(dir_ / "file", dir_ / "link");
    EXPECT_EQ(make_private_folder(dir_ / "link"), ENOTDIR);
    EXPECT_EQ(mode_of(dir_ / "file"), 0644u);
    EXPECT_TRUE(fs::is_symlink(dir_ / "link"));
    // A link to a folder is a folder to use as it is.
    fs::create_symlink(dir_ / "open", dir_ / "folder-link");
    EXPECT_EQ(make_private_folder(dir_ / "folder-link"), 0);
    EXPECT_EQ(mode_of(dir_ / "open"), 0755u);
    // A dangling link is not followed to make a folder somewhere else.
    fs::create_symlink(dir_ / "elsewhere", dir_ / "dangling");
    EXPECT_NE(make_private_folder(dir_ / "dangling"), 0);
    EXPECT_FALSE(fs::exists(dir_ / "elsewhere"));
}

TEST(ReadReasons, AFileThatMayNotBeReadIsNotCalledUnwritable) {
    EXPECT_EQ(read_reason_of(EACCES).japanese, "読む権限がありません");
    EXPECT_EQ(read_reason_of(EPERM).japanese, "読む権限がありません");
    EXPECT_EQ(read_reason_of(ENOENT).japanese, "ファイルかフォルダがありません");
    EXPECT_EQ(reason_of(EACCES).japanese, "書き込む権限がありません");
}

}  // namespace
}  // namespace banzuri::files

// Atomic writes: the exact bytes or the old file, the permissions a file keeps or is given,
// files that are never replaced, and the clean-up of temporary files a killed write left.
#include "files/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace banzuri::files {
namespace {

namespace fs = std::filesystem;

class AtomicFile : public ::testing::Test {
  protected:
    void SetUp() override {
        static int counter = 0;
        dir_ = fs::temp_directory_path() /
               ("banzuri-atomic-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(dir_, ignored);
    }
    static void put(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string bytes_of(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static unsigned mode_of(const fs::path& path) {
        struct stat info {};
        EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
        return info.st_mode & 07777;
    }
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(dir_))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }
    fs::path dir_;
};

// Sets the umask for the life of the object.
struct Umask {
    explicit Umask(mode_t mask) : before(::umask(mask)) {}
    ~Umask() { ::umask(before); }
    mode_t before;
};

TEST_F(AtomicFile, WritesTheExactBytesAndLeavesNoTemporaryFile) {
    const auto path = dir_ / "game.kifu";
    const std::string bytes("line\r\n\0\xff\x81 end", 14);
    ASSERT_EQ(write_file_atomically(path, bytes).japanese, "");
    EXPECT_EQ(bytes_of(path), bytes);
    ASSERT_EQ(write_file_atomically(path, "shorter").japanese, "");
    EXPECT_EQ(bytes_of(path), "shorter") << "the old, longer content is gone";
    ASSERT_EQ(write_file_atomically(path, "").japanese, "");
    EXPECT_EQ(bytes_of(path), "");
    for (int i = 0; i < 50; ++i)
        ASSERT_EQ(write_file_atomically(dir_ / ("many-" + std::to_string(i % 5)), "x").japanese,
                  "");
    EXPECT_EQ(names(), (std::vector<std::string>{"game.kifu", "many-0", "many-1", "many-2",
                                                 "many-3", "many-4"}));
}

TEST_F(AtomicFile, AFailureNamesTheFileAndTheReasonAndKeepsTheOldOne) {
    const auto missing = dir_ / "no-such-folder" / "game.kifu";
    EXPECT_EQ(write_file_atomically(missing, "x").japanese,
              "「" + missing.string() + "」を保存できません: ファイルかフォルダがありません");
    fs::create_directory(dir_ / "taken.kifu");
    put(dir_ / "taken.kifu" / "inside", "kept");
    EXPECT_EQ(write_file_atomically(dir_ / "taken.kifu", "x").japanese,
              "「" + (dir_ / "taken.kifu").string() + "」を保存できません: フォルダです");
    EXPECT_EQ(bytes_of(dir_ / "taken.kifu" / "inside"), "kept");
    EXPECT_EQ(write_file_atomically(dir_ / "", "x").japanese,
              "「" + (dir_ / "").string() + "」を保存できません: フォルダです");
    put(dir_ / "plain", "a file");
    EXPECT_EQ(write_file_atomically(dir_ / "plain" / "game.kifu", "x").japanese,
              "「" + (dir_ / "plain" / "game.kifu").string() +
                  "」を保存できません: 途中にフォルダでないものがあります");
    EXPECT_EQ(names(), (std::vector<std::string>{"plain", "taken.kifu"}));
    EXPECT_EQ(reason_of(EIO).japanese, "エラー（Input/output error）");
}

// A name that would garble or reorder the message is escaped there; Japanese stays readable.
TEST_F(AtomicFile, AFailureShowsControlBidiAndMalformedBytesOfTheNameEscaped) {
    const fs::path missing = dir_ / "無い\x1b[2J" /
                             ("対局\u202E"
                              "\xff"
                              ".kifu");
    EXPECT_EQ(write_file_atomically(missing, "x").japanese,
              "「" + dir_.string() + "/無い\\x1b[2J/対局\\u202e\\xff.kifu」を保存できません: " +
                  "ファイルかフォルダがありません");
}

TEST_F(AtomicFile, AReplacedFileKeepsItsPermissionsAndANewOneFollowsTheUmask) {
    const auto path = dir_ / "game.kifu";
    put(path, "old");
    ::chmod(path.c_str(), 0640);
    {
        Umask mask(077);
        ASSERT_EQ(write_file_atomically(path, "new").japanese, "");
    }
    EXPECT_EQ(bytes_of(path), "new");
    EXPECT_EQ(mode_of(path), 0640u) << "whatever the umask";
    ::chmod(path.c_str(), 04755);
    ASSERT_EQ(write_file_atomically(path, "newer").japanese, "");
    EXPECT_EQ(mode_of(path), 0755u) << "set-id bits are not carried over";

    const std::pair<mode_t, unsigned> masks[] = {{022, 0644}, {077, 0600}, {002, 0664}};
    for (const auto& [mask, expected] : masks) {
        const auto fresh = dir_ / ("fresh-" + std::to_string(mask));
        Umask set(mask);
        ASSERT_EQ(write_file_atomically(fresh, "").japanese, "");
        EXPECT_EQ(mode_of(fresh), expected) << "umask " << mask;
    }
}

// Refused by the file's own mode bits, so this holds for root as well.
TEST_F(AtomicFile, AFileThatMayNotBeWrittenIsNeverReplaced) {
    for (const mode_t mode : {0444, 0470, 0400}) {
        const auto path = dir_ / "pinned.ini";
        put(path, "mine\r\n");
        ::chmod(path.c_str(), mode);
        EXPECT_EQ(write_file_atomically(path, "theirs").japanese,
                  "「" + path.string() + "」を保存できません: 書き込む権限がありません");
        EXPECT_EQ(bytes_of(path), "mine\r\n");
        EXPECT_EQ(mode_of(path), mode);
        EXPECT_EQ(names(), std::vector<std::string>{"pinned.ini"});
        ::chmod(path.c_str(), 0600);
        fs::remove(path);
    }
}

TEST_F(AtomicFile, AReadOnlyFolderFailsTheWriteForAnyoneButRoot) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    put(dir_ / "game.kifu", "old");
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(
        write_file_atomically(dir_ / "game.kifu", "new").japanese,
        "「" + (dir_ / "game.kifu").string() + "」を保存できません: 書き込む権限がありません");
    fs::permissions(dir_, fs::perms::owner_all);
    EXPECT_EQ(bytes_of(dir_ / "game.kifu"), "old");
}

void touch(const fs::path& path, std::chrono::seconds age) {
    std::ofstream(path) << "half";
    fs::last_write_time(path, fs::file_time_type::clock::now() - age);
}

TEST_F(AtomicFile, OnlyStaleTemporaryFilesOfThatFileAreRemoved) {
    const auto old = std::chrono::hours(1);
    for (const char* stale : {".Banzuri.ini.AbC123", ".Banzuri.ini.zzzzzz", ".Banzuri.ini.000000"})
        touch(dir_ / stale, old);
    // Similar names, a folder, a link, a young file and a file in a subfolder stay.
    const char* kept[] = {".Banzuri.ini.AbC12",  ".Banzuri.ini.AbC1234", "Banzuri.ini.AbC123",
                          ".Banzuri.ini.AbC-23", ".banzuri.ini.AbC123",  ".Banzuri.ini.AbC123~",
                          ".Banzuri.txt.AbC123", ".Banzuri.ini.Young1",  "AbC123",
                          "Banzuri.ini"};
    for (const char* name : kept)
        touch(dir_ / name, old);
    touch(dir_ / ".Banzuri.ini.Young1", std::chrono::seconds(0));
    touch(dir_ / ".Banzuri.ini.Edge12", STALE_TEMPORARY_AGE + std::chrono::seconds(5));
    fs::create_directory(dir_ / ".Banzuri.ini.Dir123");
    fs::create_symlink(dir_ / "AbC123", dir_ / ".Banzuri.ini.Link12");
    fs::create_directory(dir_ / "sub");
    touch(dir_ / "sub" / ".Banzuri.ini.Sub123", old);

    remove_stale_temporary_files(dir_ / "Banzuri.ini");

    std::vector<std::string> expected(std::begin(kept), std::end(kept));
    expected.insert(expected.end(), {".Banzuri.ini.Dir123", ".Banzuri.ini.Link12", "sub"});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names(), expected);
    EXPECT_TRUE(fs::exists(dir_ / "sub" / ".Banzuri.ini.Sub123"));
    remove_stale_temporary_files(dir_ / "missing-folder" / "Banzuri.ini");  // nothing to do
}

}  // namespace
}  // namespace banzuri::files

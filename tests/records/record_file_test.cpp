// Record files: bounded reading, encodings, and writes that never leave a half-written file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "records/random_records.h"
#include "records/record_file.h"

namespace banzuri::records {
namespace {

class RecordFile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("banzuri-record-file-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    void put(const std::filesystem::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::size_t files_in_folder() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir_),
                                                      std::filesystem::directory_iterator()));
    }
    std::filesystem::path dir_;
};

TEST_F(RecordFile, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    const auto path = dir_ / "game.kifu";
    const GameRecord first = testing::random_record(1, 0, 10);
    ASSERT_EQ(save_record(first, path).japanese, "");
    const std::string before = testing::slurp_file(path);
    std::filesystem::create_directories(dir_ / "taken.kifu");
    const std::string error =
        save_record(testing::random_record(2, 0, 10), dir_ / "taken.kifu").japanese;
    EXPECT_EQ(error, "「" + (dir_ / "taken.kifu").string() + "」を保存できません: フォルダです");
    EXPECT_EQ(testing::slurp_file(path), before);
    EXPECT_EQ(files_in_folder(), 2u) << "the temporary file is removed";
}

TEST_F(RecordFile, SavingKeepsThePermissionsOfTheOldFileAndNeverReplacesAReadOnlyOne) {
    const auto path = dir_ / "game.kifu";
    put(path, "old");
    std::filesystem::permissions(path, std::filesystem::perms(0640));
    ASSERT_EQ(save_record(testing::random_record(4, 0, 6), path).japanese, "");
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
    const std::string saved = testing::slurp_file(path);
    std::filesystem::permissions(path, std::filesystem::perms(0444));
    EXPECT_EQ(save_record(testing::random_record(5, 0, 6), path).japanese,
              "「" + path.string() + "」を保存できません: 書き込む権限がありません");
    EXPECT_EQ(testing::slurp_file(path), saved);
    EXPECT_EQ(files_in_folder(), 1u);
}

TEST_F(RecordFile, UnreadableFilesAreNamedWithTheReason) {
    const auto missing = dir_ / "missing.kifu";
    EXPECT_EQ(load_record(missing).error.japanese,
              "「" + missing.string() + "」を開けません: ファイルかフォルダがありません");
    EXPECT_EQ(load_record(dir_).error.japanese,
              "「" + dir_.string() + "」を開けません: 普通のファイルではありません");
    const auto huge = dir_ / "huge.kifu";
    put(huge, std::string(kMaxRecordFileBytes + 1, '#'));
    EXPECT_EQ(load_record(huge).error.japanese,
              "「" + huge.string() + "」を開けません: 大きすぎます（棋譜ファイルは4MiBまでです）");
    const auto broken = dir_ / "broken.kifu";
    put(broken, "先手：あなた\n後手：\xff\xfe\n");
    EXPECT_EQ(load_record(broken).error.japanese,
              "「" + broken.string() +
                  "」は棋譜として読めません: 2行目: UTF-8として読めない文字があります");
    const auto wrong = dir_ / "wrong.kif";
    put(wrong, "\x81\n\x81\x39\n");
    EXPECT_EQ(load_record(wrong).error.japanese,
              "「" + wrong.string() +
                  "」は棋譜として読めません: 1行目: "
                  "Shift-JISとしてもUTF-8としても読めない文字があります");
    EXPECT_FALSE(load_record(wrong).record);
}

TEST_F(RecordFile, SavingRefusesARecordThatDoesNotReplay) {
    GameRecord r = testing::random_record(3, 0, 10);
    r.moves[4].move.to = {1, 1};
    const auto path = dir_ / "game.kifu";
    EXPECT_EQ(save_record(r, path).japanese.find(
                  "「" + path.string() + "」を保存できません: 棋譜が正しくありません（5手目"),
              0u);
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace banzuri::records

namespace banzuri::records {
namespace {

TEST_F(RecordFile, KifIsShiftJisWithCrLfAndKifuIsUtf8WithLf) {
    const GameRecord r = testing::random_record(11, 1, 30);
    ASSERT_EQ(save_record(r, dir_ / "a.kif").japanese, "");
    ASSERT_EQ(save_record(r, dir_ / "a.kifu").japanese, "");
    const std::string kif = testing::slurp_file(dir_ / "a.kif");
    const std::string kifu = testing::slurp_file(dir_ / "a.kifu");
    EXPECT_EQ(std::count(kif.begin(), kif.end(), '\n'), std::count(kifu.begin(), kifu.end(), '\n'));
    EXPECT_EQ(std::count(kif.begin(), kif.end(), '\r'), std::count(kif.begin(), kif.end(), '\n'));
    EXPECT_EQ(kifu.find('\r'), std::string::npos);
    EXPECT_EQ(load_record(dir_ / "a.kif").record, r);
}

TEST_F(RecordFile, FilesWithNoRecordAreRefusedInOneLine) {
    for (const std::string bytes :
         {"", "\xEF\xBB\xBF", "\xEF\xBB\xBF\r\n", "先手：山田\n後手：佐藤\n"}) {
        put(dir_ / "empty.kifu", bytes);
        const LoadResult loaded = load_record(dir_ / "empty.kifu");
        ASSERT_FALSE(loaded.record) << bytes;
        EXPECT_EQ(loaded.error.japanese, "「" + (dir_ / "empty.kifu").string() +
                                             "」は棋譜として読めません: "
                                             "棋譜がありません（指し手も盤面図もありません）");
    }
}

TEST(ShownText, OnlyControlsBidiControlsAndBrokenBytesAreEscaped) {
    EXPECT_EQ(shown("棋譜/対局.kif"), "棋譜/対局.kif");
    EXPECT_EQ(shown("a\x1b[2Jb\x7f"), "a\\x1b[2Jb\\x7f");
    EXPECT_EQ(shown("evil\u202Efik.kifu"), "evil\\u202efik.kifu");
    EXPECT_EQ(shown("\u2066x\u2069\u202A"), "\\u2066x\\u2069\\u202a");
    EXPECT_EQ(shown("\xff\xe3\x81"), "\\xff\\xe3\\x81");
    EXPECT_EQ(shown("c1\xc2\x85"), "c1\\xc2\\x85");
    EXPECT_EQ(shown("ああああ", 6), "ああ…");
}

}  // namespace
}  // namespace banzuri::records

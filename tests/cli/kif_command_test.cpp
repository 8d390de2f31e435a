// banzuri-cli kif and --kif DIR: the records the command line writes read back to the same
// final position, in the encoding their names ask for; refusals are one line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "cli/commands.h"
#include "cli/run_cli.h"
#include "records/record_file.h"
#include "records/text_encoding.h"

namespace banzuri::cli {
namespace {

const std::string kStart = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

std::string first_line(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

std::size_t count_of(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

// Game n's line of match's output, without its newline.
std::string lines_of_match(const std::string& out, int n) {
    const std::string head = "game " + std::to_string(n) + ": ";
    const std::size_t at = out.find(head);
    return out.substr(at, out.find('\n', at) - at);
}

class KifCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("banzuri-kif-cli-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    std::filesystem::path dir_;
};

TEST_F(KifCommand, StandardOutputIsUtf8Kif) {
    const Output r = run({"kif", kStart, "7g7f", "3c3d", "8h7g"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("手合割：平手\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("   1 ７六歩(77)    ( 0:00/00:00:00)\n"
                         "   2 ３四歩(33)    ( 0:00/00:00:00)\n"
                         "   3 ７七角(88)    ( 0:00/00:00:00)\n"
                         "   4 中断          ( 0:00/00:00:00)\n"
                         "まで3手で中断\n"),
              std::string::npos)
        << r.out;
}

TEST_F(KifCommand, FilesReadBackToThePositionPlayReaches) {
    const std::vector<Args> games = {
        {kStart, "7g7f", "3c3d", "2g2f"},
        {"3Gk4/5S3/9/9/9/9/9/9/4K4 b - 1", "4b4a"},  // an enclosure takes the king
        {"lnsgkgsn1/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", "5a4b", "7g7f"},
    };
    int n = 0;
    for (const Args& game : games) {
        Args play = {"play"};
        play.insert(play.end(), game.begin(), game.end());
        const Output expected = run(play);
        ASSERT_EQ(expected.status, 0) << expected.err;
        for (const std::string ext : {".kif", ".kifu"}) {
            const std::string file = path("game-" + std::to_string(++n) + ext);
            Args kif = {"kif", "-o", file};
            kif.insert(kif.end(), game.begin(), game.end());
            const testing::CliRun written = testing::run_cli(kif);
            ASSERT_EQ(written.status, 0) << written.err;
            EXPECT_EQ(written.out, "");
            const testing::CliRun read = testing::run_cli({"record", file});
            ASSERT_EQ(read.status, 0) << read.err;
            EXPECT_EQ(read.out, expected.out) << file;
            const std::string bytes = testing::slurp(file);
            std::size_t bad = 0;
            EXPECT_EQ(records::is_utf8(bytes, bad), ext == ".kifu") << file;
            EXPECT_EQ(bytes.find("\r\n") != std::string::npos, ext == ".kif") << file;
        }
    }
    EXPECT_NE(testing::slurp(path("game-6.kifu")).find("手合割：香落ち\n"), std::string::npos);
}

TEST_F(KifCommand, RefusalsAreOneLineAndWriteNothing) {
    const std::string file = path("x.kifu");
    const std::vector<std::pair<Args, std::string>> cases = {
        {{"kif"}, "banzuri-cli: kif: expected [-o FILE] SFEN [MOVE...]\n"},
        {{"kif", "-o"}, "banzuri-cli: kif: -o: expected a file name\n"},
        {{"kif", "-o", file}, "banzuri-cli: kif: expected [-o FILE] SFEN [MOVE...]\n"},
        {{"kif", "-o", "対局.txt", kStart},
         "banzuri-cli: kif: -o 「対局.txt」: expected a name ending in .kif or .kifu\n"},
        {{"kif", "-o", file, kStart, "7g7f", "7c7d", "7f7e", "7d7e"},
         "banzuri-cli: kif: move 4 \"7d7e\": not a legal move for the upper side\n"},
        {{"kif", "-o", file, kStart, "7g7"}, ""},
        {{"kif", "-o", file, "4k4/9/9/9/9/9/9/9/9 b - 1"}, ""},
        {{"kif", "-o", file, "3Gk4/5S3/9/9/9/9/9/9/4K4 b - 1", "4b4a", "5i5h"},
         "banzuri-cli: kif: move 2 \"5i5h\": the game is already decided\n"},
    };
    for (const auto& [args, err] : cases) {
        const Output r = run(args);
        EXPECT_EQ(r.status, EXIT_BAD_INPUT) << args.size();
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(count_of(r.err, "\n"), 1u) << r.err;
        if (!err.empty()) {
            EXPECT_EQ(r.err, err);
        }
        EXPECT_FALSE(std::filesystem::exists(file)) << r.err;
    }
}

TEST_F(KifCommand, AFileThatCannotBeWrittenIsStatusThreeAndNamedOnce) {
    const std::string file = path("no-folder/棋譜.kifu");
    const testing::CliRun r = testing::run_cli({"kif", "-o", file, kStart, "7g7f"});
    EXPECT_EQ(r.status, EXIT_OUTPUT_FAILED);
    EXPECT_EQ(r.err, "banzuri-cli: kif: 「" + file +
                         "」を保存できません: ファイルかフォルダがありません\n");
    EXPECT_EQ(count_of(r.err, file), 1u);
}

TEST_F(KifCommand, MatchAndSelfplayKeepEveryGameWithPlayersAndResult) {
    const std::string games = path("match");
    const testing::CliRun match = testing::run_cli(
        {"match", "--levels", "2", "1", "--games", "2", "--seed", "5", "--kif", games});
    ASSERT_EQ(match.status, 0) << match.err;
    for (int n = 1; n <= 2; ++n) {
        const std::string file = games + "/game-000" + std::to_string(n) + ".kifu";
        const std::string text = testing::slurp(file);
        const std::string line = lines_of_match(match.out, n);
        EXPECT_NE(text.find(n == 1 ? "先手：LEVEL2 (A)\n後手：LEVEL1 (B)\n"
                                   : "先手：LEVEL1 (B)\n後手：LEVEL2 (A)\n"),
                  std::string::npos)
            << text;
        EXPECT_NE(text.find("備考：match seed 5, " + line + "\n"), std::string::npos) << text;
        const testing::CliRun read = testing::run_cli({"record", file});
        ASSERT_EQ(read.status, 0) << read.err;
        const testing::CliRun usi = testing::run_cli({"record", "--usi", file});
        Args play = {"play"};
        for (std::size_t a = 0, b; (b = usi.out.find('\n', a)) != std::string::npos; a = b + 1)
            play.push_back(usi.out.substr(a, b - a));
        EXPECT_EQ(first_line(run(play).out), first_line(read.out));
        const bool a_first = n == 1;
        const std::string winner = read.out.substr(read.out.find("winner: "));
        const std::string lower_won = a_first ? "A wins" : "B wins";
        if (line.ends_with("wins")) {
            EXPECT_EQ(winner, line.ends_with(lower_won) ? "winner: lower\n" : "winner: upper\n");
        }
    }
    EXPECT_FALSE(std::filesystem::exists(games + "/game-0003.kifu"));

    const std::string kept = path("selfplay");
    const testing::CliRun selfplay = testing::run_cli(
        {"selfplay", "--games", "2", "--seed", "7", "--level", "1", "--kif", kept});
    ASSERT_EQ(selfplay.status, 0) << selfplay.err;
    const std::string text = testing::slurp(kept + "/game-0002.kifu");
    EXPECT_NE(text.find("先手：ランダム\n後手：コンピュータ LEVEL1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("備考：selfplay seed 7, game 2: "), std::string::npos) << text;
    EXPECT_EQ(testing::run_cli({"record", kept + "/game-0001.kifu"}).status, 0);
}

TEST_F(KifCommand, KifFolderRefusals) {
    const Output missing =
        run({"match", "--levels", "2", "1", "--games", "1", "--seed", "1", "--kif"});
    EXPECT_EQ(missing.status, EXIT_BAD_INPUT);
    EXPECT_EQ(missing.err, "banzuri-cli: match: --kif: expected a folder\n");
    const std::string file = path("plain");
    std::ofstream(file) << "x";
    const Output not_folder =
        run({"selfplay", "--games", "1", "--seed", "1", "--level", "1", "--kif", file});
    EXPECT_EQ(not_folder.status, EXIT_OUTPUT_FAILED);
    EXPECT_EQ(not_folder.out, "");
    EXPECT_EQ(count_of(not_folder.err, file), 1u) << not_folder.err;
    EXPECT_EQ(testing::slurp(file), "x");
}

TEST(ErrorLines, BidirectionalControlsAreEscapedAndJapaneseKept) {
    EXPECT_EQ(fail("record", "「棋譜\u202Efik.kifu」\u2066").err,
              "banzuri-cli: record: 「棋譜\\xe2\\x80\\xaefik.kifu」\\xe2\\x81\\xa6\n");
    const Output r = run({"record", "棋譜\u202E.kifu"});
    EXPECT_EQ(r.status, EXIT_BAD_INPUT);
    EXPECT_EQ(r.err.find("\u202E"), std::string::npos) << r.err;
    EXPECT_EQ(count_of(r.err, "棋譜\\u202e.kifu"), 1u) << r.err;
}

}  // namespace
}  // namespace banzuri::cli

// How games end in KIF: every usual closing line and result line is read into who won, and
// every ending is written back with its time and read again alike.
#include <gtest/gtest.h>

#include "records/kif_format.h"
#include "records/kif_reader.h"
#include "records/replay.h"

namespace banzuri::records {
namespace {

const std::string kHead = "先手：山田\n後手：佐藤\n1 ７六歩(77) ( 0:01/00:00:01)\n";

struct Case {
    std::string text;
    Ending ending;
    Side winner;
};

// After one move the upper side (後手) is to move.
TEST(KifEndings, ClosingLinesOfTheSideToMoveGiveTheResult) {
    const std::vector<Case> cases = {
        {"2 投了 ( 0:03/00:00:03)", Ending::resignation, Side::lower},
        {"2 詰み", Ending::mate, Side::lower},
        {"2 詰", Ending::mate, Side::lower},
        {"2 切れ負け ( 0:03/00:00:03)", Ending::loss_on_time, Side::lower},
        {"2 時間切れ", Ending::loss_on_time, Side::lower},
        {"2 反則負け", Ending::foul_loss, Side::lower},
        {"2 反則勝ち", Ending::foul_win, Side::upper},
        {"2 入玉勝ち", Ending::entering_king, Side::upper},
        {"2 千日手", Ending::repetition, Side::none},
        {"2 持将棋", Ending::impasse, Side::none},
        {"2 中断 ( 0:03/00:00:03)", Ending::none, Side::none},
    };
    for (const Case& c : cases) {
        const KifResult read = read_kif(kHead + c.text + "\n");
        ASSERT_TRUE(read.record) << c.text << ": " << read.problem.text().japanese;
        EXPECT_EQ(read.record->ending, c.ending) << c.text;
        EXPECT_EQ(read.record->winner, c.winner) << c.text;
        EXPECT_EQ(read.record->moves.size(), 1u);
    }
}

TEST(KifEndings, ResultLinesAloneGiveTheResult) {
    const std::vector<Case> cases = {
        {"まで1手で先手の勝ち", Ending::resignation, Side::lower},
        {"まで1手で時間切れにより先手の勝ち", Ending::loss_on_time, Side::lower},
        {"まで1手で後手の反則勝ち", Ending::foul_win, Side::upper},
        {"まで1手で先手の反則勝ち", Ending::foul_loss, Side::lower},
        {"まで1手で後手の反則負け", Ending::foul_loss, Side::lower},
        {"まで1手で後手の入玉勝ち", Ending::entering_king, Side::upper},
        {"まで1手で詰み", Ending::mate, Side::lower},
        {"まで1手で千日手", Ending::repetition, Side::none},
        {"まで1手で持将棋", Ending::impasse, Side::none},
        {"まで1手で中断", Ending::none, Side::none},
    };
    for (const Case& c : cases) {
        const KifResult read = read_kif(kHead + c.text + "\n");
        ASSERT_TRUE(read.record) << c.text << ": " << read.problem.text().japanese;
        EXPECT_EQ(read.record->ending, c.ending) << c.text;
        EXPECT_EQ(read.record->winner, c.winner) << c.text;
    }
    // The closing line and the result line together, as other programs write them.
    const KifResult both = read_kif(kHead + "2 切れ負け\nまで1手で時間切れにより先手の勝ち\n");
    ASSERT_TRUE(both.record) << both.problem.text().japanese;
    EXPECT_EQ(both.record->ending, Ending::loss_on_time);
}

GameRecord two_moves(Ending ending) {
    GameRecord r;
    r.start = standard_start();
    r.moves = {{Move::board(3, 7, 3, 6), LOWER_HU, false, 5, 5},
               {Move::board(7, 3, 7, 4), UPPER_HU, false, 7, 7}};
    r.ending = ending;
    r.winner = ending_winner(ending, true);
    return r;
}

TEST(KifEndings, EveryEndingIsWrittenWithItsTimeAndReadBack) {
    const std::vector<std::pair<Ending, std::string>> cases = {
        {Ending::none, "   3 中断          ( 0:00/00:00:05)\nまで2手で中断\n"},
        {Ending::resignation, "   3 投了          ( 0:00/00:00:05)\nまで2手で後手の勝ち\n"},
        {Ending::mate, "   3 詰み          ( 0:00/00:00:05)\nまで2手で詰み\n"},
        {Ending::loss_on_time,
         "   3 切れ負け      ( 0:00/00:00:05)\nまで2手で時間切れにより後手の勝ち\n"},
        {Ending::foul_win, "   3 反則勝ち      ( 0:00/00:00:05)\nまで2手で先手の反則勝ち\n"},
        {Ending::foul_loss, "   3 反則負け      ( 0:00/00:00:05)\nまで2手で先手の反則負け\n"},
        {Ending::entering_king, "   3 入玉勝ち      ( 0:00/00:00:05)\nまで2手で先手の入玉勝ち\n"},
        {Ending::repetition, "   3 千日手        ( 0:00/00:00:05)\nまで2手で千日手\n"},
        {Ending::impasse, "   3 持将棋        ( 0:00/00:00:05)\nまで2手で持将棋\n"},
    };
    for (const auto& [ending, tail] : cases) {
        const GameRecord r = two_moves(ending);
        const std::string text = write_kif(r);
        EXPECT_TRUE(text.ends_with("   2 ３四歩(33)    ( 0:07/00:00:07)\n" + tail)) << text;
        const KifResult read = read_kif(text);
        ASSERT_TRUE(read.record) << read.problem.text().japanese;
        EXPECT_EQ(*read.record, r) << text;
    }
}

TEST(KifEndings, EndingsThatDoNotFitTheMovesAreRefused) {
    GameRecord r = two_moves(Ending::foul_win);
    r.winner = Side::upper;
    EXPECT_EQ(check_record(r)->why.japanese, "終局の行と勝敗が合いません");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"2 千日手\nまで1手で先手の勝ち\n", "勝敗が指し手と合いません"},
        {"2 投了\nまで1手で後手の勝ち\n", "勝敗が指し手と合いません"},
        {"まで1手で先手の入玉勝ち\n", "この終局には対応していません"},
        {"2 投了 ( 0:03)\n", "消費時間が読めません"},
    };
    for (const auto& [tail, why] : cases) {
        const KifResult read = read_kif(kHead + tail);
        ASSERT_FALSE(read.record) << tail;
        EXPECT_EQ(read.problem.why.japanese, why) << tail;
    }
}

}  // namespace
}  // namespace banzuri::records

// The handicap ladder "△" / "▽" on the starting position.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "fakes/recording_platform.h"
#include "render/labels.h"

namespace banzuri {
namespace {

using testing::FakeWindow;

constexpr const char* kMidGame =
    "message [ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定] 対局途中ではできません\n\n局面→最初にして下さい";
constexpr const char* kFlipped =
    "message [ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定] 反転後ではできません\n\n局面→最初にして下さい";

// The front layer of the handicap label (cell (11, 1), offset 120, 160 twips).
std::string label_line(int level) {
    return "text \"" + label_text(level) + "\" 8185 950 c15 s10 bold";
}

struct Ladder : ::testing::Test {
    Ladder() { w.start_up(); }
    const GameState& g() const { return w.form.state(); }
    // A move between people, (fx, fy) to (tx, ty).
    void move(int fx, int fy, int tx, int ty) {
        for (const auto& [cx, cy] : {std::pair{fx, fy}, std::pair{tx, ty}})
            w.form.Form_MouseDown(MOUSE_LEFT, 0, board_left + (cx + 0.5) * cell_width,
                                  board_top + (cy + 0.5) * cell_height);
    }

    // Pieces of one side on the board, by code.
    std::map<int, int> pieces(bool upper) const {
        std::map<int, int> found;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const int code = w.form.state().at(x, y);
                if (code != EMPTY && (code > 0) == upper) ++found[code];
            }
        return found;
    }

    FakeWindow w;
};

TEST_F(Ladder, OneStepUpTakesTheUpperBishop) {
    w.form.LBEL_UP_Click();
    EXPECT_EQ(g().handicap_level, 1);
    EXPECT_EQ(g().at(8, 2), EMPTY);
    EXPECT_TRUE(w.form.view().handicap_shown);
    // Square (8, 2): the empty-square picture, its outline, then the sound.
    const auto n = w.log.size();
    ASSERT_GE(n, 3u);
    EXPECT_EQ(w.log[n - 3], "picture 0 6220 1480");
    EXPECT_EQ(w.log[n - 2], "box 2 6220 1480 6835 2170");
    EXPECT_EQ(w.log[n - 1], "dsPlay 3");
    EXPECT_NE(std::find(w.log.begin(), w.log.end(), label_line(1)), w.log.end());
    EXPECT_EQ(label_text(1), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級");
}

TEST_F(Ladder, OneStepDownTakesTheLowerBishop) {
    w.form.LEBEL_DOWN_Click();
    EXPECT_EQ(g().handicap_level, -1);
    EXPECT_EQ(g().at(2, 8), EMPTY);
    EXPECT_EQ(w.log.back(), "dsPlay 3");
    EXPECT_NE(std::find(w.log.begin(), w.log.end(), label_line(-1)), w.log.end());
    EXPECT_EQ(label_text(-1), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級");
}

TEST_F(Ladder, TenStepsUpLeaveTheUpperKingAndNinePawns) {
    const auto lower = pieces(false);
    for (int i = 0; i < 10; ++i)
        w.form.LBEL_UP_Click();
    EXPECT_EQ(g().handicap_level, 10);
    EXPECT_EQ(pieces(true), (std::map<int, int>{{UPPER_HU, 9}, {UPPER_OU, 1}}));
    EXPECT_EQ(pieces(false), lower);
    EXPECT_EQ(w.lines("dsPlay"), std::vector<std::string>(10, "dsPlay 3"));

    const Board board = g().board;
    w.log.clear();
    w.form.LBEL_UP_Click();
    EXPECT_TRUE(w.log.empty()) << "the eleventh step draws and plays nothing";
    EXPECT_EQ(g().board, board);
    EXPECT_EQ(g().handicap_level, 10);
    EXPECT_TRUE(w.form.view().handicap_shown);
}

TEST_F(Ladder, TenStepsDownLeaveTheLowerKingAndNinePawns) {
    const auto upper = pieces(true);
    for (int i = 0; i < 10; ++i)
        w.form.LEBEL_DOWN_Click();
    EXPECT_EQ(g().handicap_level, -10);
    EXPECT_EQ(pieces(false), (std::map<int, int>{{LOWER_HU, 9}, {LOWER_OU, 1}}));
    EXPECT_EQ(pieces(true), upper);
    w.log.clear();
    w.form.LEBEL_DOWN_Click();
    EXPECT_TRUE(w.log.empty());
    EXPECT_EQ(g().handicap_level, -10);
}

TEST_F(Ladder, EveryStepBackRestoresTheStart) {
    const Board start = g().board;
    w.form.LBEL_UP_Click();
    w.form.LEBEL_DOWN_Click();
    EXPECT_EQ(g().board, start);
    EXPECT_EQ(g().handicap_level, 0);
    EXPECT_EQ(w.lines("text").back(), "text \"ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級\" 8185 950 c15 s10 bold");

    for (int i = 0; i < 10; ++i)
        w.form.LEBEL_DOWN_Click();
    for (int i = 0; i < 20; ++i)
        w.form.LBEL_UP_Click();
    for (int i = 0; i < 10; ++i)
        w.form.LEBEL_DOWN_Click();
    EXPECT_EQ(g().board, start) << "all the way down, up and back to the even game";
}

TEST_F(Ladder, TheOrderIsBishopRookLancesKnightsSilversGolds) {
    const std::vector<std::pair<int, int>> squares = {{8, 2}, {2, 2}, {9, 1}, {1, 1}, {8, 1},
                                                      {2, 1}, {7, 1}, {3, 1}, {6, 1}, {4, 1}};
    for (const auto& [x, y] : squares) {
        ASSERT_NE(g().at(x, y), EMPTY);
        w.form.LBEL_UP_Click();
        EXPECT_EQ(g().at(x, y), EMPTY) << x << "," << y;
    }
}

TEST_F(Ladder, RefusedOnceAMoveIsRecorded) {
    w.form.START_Click();
    move(7, 7, 7, 6);
    ASSERT_EQ(g().rec_index, 1);
    w.log.clear();
    const Board board = g().board;
    w.form.LBEL_UP_Click();
    w.form.LEBEL_DOWN_Click();
    EXPECT_EQ(w.log, (testing::Log{"dsPlay 2", kMidGame, "dsPlay 2", kMidGame}));
    EXPECT_EQ(g().board, board);
    EXPECT_EQ(g().handicap_level, 0);
    EXPECT_FALSE(w.form.view().handicap_shown);
}

TEST_F(Ladder, RefusedAfterAFlip) {
    w.form.REVERSE_Click();
    w.log.clear();
    w.form.LBEL_UP_Click();
    EXPECT_EQ(w.log, (testing::Log{"dsPlay 2", kFlipped}));
    EXPECT_EQ(g().handicap_level, 0);
}

// A new game forgets the flip and the label: its redraw shows no label, and the ladder works.
TEST_F(Ladder, ANewGameForgetsTheFlipAndTheLabel) {
    w.form.LBEL_UP_Click();
    w.form.REVERSE_Click();
    ASSERT_TRUE(w.form.view().board_reversed);
    w.log.clear();
    w.form.CANCEL_Click();
    EXPECT_FALSE(w.form.view().board_reversed);
    EXPECT_FALSE(w.form.view().handicap_shown);
    for (const std::string& line : w.lines("text"))
        EXPECT_EQ(line.find("ﾊﾝﾃﾞｨｷｬｯﾌﾟ"), std::string::npos) << line;
    w.log.clear();
    w.form.LBEL_UP_Click();
    EXPECT_EQ(g().handicap_level, 1);
    EXPECT_TRUE(w.lines("message").empty());
    EXPECT_NE(std::find(w.log.begin(), w.log.end(), label_line(1)), w.log.end());
}

TEST_F(Ladder, SteppedBackToTheStartTheLadderWorksAndDropsTheRecordAhead) {
    w.form.START_Click();
    move(7, 7, 7, 6);
    move(3, 3, 3, 4);
    w.form.REPLAY_Click();
    w.form.REPLAY_Click();  // stepped back to the starting position of the game
    ASSERT_EQ(g().rec_index, 0);
    ASSERT_GT(g().rec_last, 0);
    w.form.LBEL_UP_Click();
    EXPECT_EQ(g().rec_last, 0);
    EXPECT_EQ(g().handicap_level, 1);
    w.log.clear();
    w.form.AFTER_Click();
    EXPECT_EQ(w.lines("message"), (testing::Log{"message [進む] できません"}))
        << "the moves ahead are gone";
}

}  // namespace
}  // namespace banzuri

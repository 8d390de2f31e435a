// 待った and showing any position of the line: what is taken back, the clocks and the record
// that follow, the computer that waits, and the refusals.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "computer/look_ahead.h"
#include "play/play_fixture.h"
#include "records/record_file.h"

namespace banzuri {
namespace {

using testing::kForbidden;
using testing::num;
using testing::PlayWindow;
using testing::Position;

const std::string kTitle = "message [待った] ";

struct TakeBack : ::testing::Test, PlayWindow {
    std::vector<std::string> messages() const { return lines("message"); }
    std::string forbidden() const { return "dsPlay " + num(kForbidden); }
    void move(int fx, int fy, int tx, int ty, double seconds) {
        clock.now += seconds;
        click(fx, fy);
        click(tx, ty);
    }
};

TEST_F(TakeBack, AgainstTheComputerItIsThePlayersTurnBeforeTheirMoveAndTheComputerWaits) {
    form.LEVEL1_Click();
    form.SENTE_Click();
    const GameState start = g();
    move(7, 7, 7, 6, 4);
    move(2, 7, 2, 6, 3);
    ASSERT_EQ(g().rec_index, 4) << "the computer replied twice";
    const double upper_after_first_reply = g().record[1].time_upper_after;
    log.clear();

    form.MATTA_Click();
    EXPECT_EQ(g().rec_index, 2);
    EXPECT_EQ(g().turn, g().lower_order);
    EXPECT_EQ(g().at(2, 7), LOWER_HU);
    EXPECT_EQ(g().at(7, 6), LOWER_HU);
    EXPECT_DOUBLE_EQ(g().time_lower, 4);
    EXPECT_DOUBLE_EQ(g().time_upper, upper_after_first_reply);
    EXPECT_EQ(form.game().moves().size(), 2u);
    EXPECT_FALSE(form.thinking());
    EXPECT_TRUE(messages().empty());

    form.MATTA_Click();
    EXPECT_EQ(g().board, start.board);
    EXPECT_EQ(g().turn, g().lower_order) << "the computer does not move by itself";
    EXPECT_EQ(g().rec_index, 0);
    EXPECT_DOUBLE_EQ(g().time_lower, 0);
    EXPECT_DOUBLE_EQ(g().time_upper, 0);
    log.clear();
    form.MATTA_Click();
    EXPECT_EQ(messages(), std::vector<std::string>{kTitle + "待ったできる手がありません"});
    EXPECT_TRUE(has(forbidden()));
    form.AFTER_Click();
    EXPECT_EQ(g().rec_index, 0) << "what was taken back is gone for good";
}

TEST_F(TakeBack, BetweenPeopleOneMoveFromTheLatestPositionEvenWhenSteppedBack) {
    start_people_game();
    move(7, 7, 7, 6, 5);
    move(3, 3, 3, 4, 7);
    move(2, 7, 2, 6, 1);
    form.REPLAY_Click();
    form.REPLAY_Click();
    form.MATTA_Click();
    EXPECT_EQ(g().rec_index, 2);
    EXPECT_EQ(g().at(2, 7), LOWER_HU);
    EXPECT_EQ(g().at(3, 4), UPPER_HU);
    EXPECT_EQ(g().turn, g().lower_order);
    EXPECT_DOUBLE_EQ(g().time_upper, 7);
    EXPECT_EQ(form.game().line_end(), 2);
    move(2, 7, 2, 6, 2);
    EXPECT_EQ(g().rec_index, 3) << "the game goes on";
}

TEST_F(TakeBack, RefusedOnceTheGameIsDecidedOrBeforeAGame) {
    form.MATTA_Click();
    EXPECT_EQ(messages(), std::vector<std::string>{kTitle + "待ったできる手がありません"});
    lay_out(Position::king_taken());
    ASSERT_NE(g().winner, TURN_NONE);
    const int at = g().rec_index;
    form.MATTA_Click();
    EXPECT_EQ(messages(), std::vector<std::string>{
                              kTitle + "対局は終わっています。\n戻・進で棋譜を見ることができます"});
    EXPECT_TRUE(has(forbidden()));
    EXPECT_EQ(g().rec_index, at);
}

TEST_F(TakeBack, RefusedWhileTheComputerThinks) {
    set_think_limits([](int level) {
        LookLimits limits = level_limits(level);
        limits.nodes = 20000;
        return limits;
    });
    lay_out(Position::standard().then(7, 7, 7, 6).against_computer(4));
    form.Form_MouseDown(MOUSE_LEFT, 0, -1e6, -1e6);  // "OKですか？": the computer thinks
    ASSERT_TRUE(form.thinking());
    log.clear();
    form.command(&MainForm::MATTA_Click);
    EXPECT_EQ(messages(),
              std::vector<std::string>{kTitle + "コンピュータが考えている間は待ったできません"});
    wait_for_computer();
    EXPECT_EQ(g().rec_index, 2);
}

TEST_F(TakeBack, HomeAndEndShowTheFirstAndLatestPositionsAndTheGameGoesOn) {
    start_people_game();
    move(7, 7, 7, 6, 5);
    move(3, 3, 3, 4, 7);
    const Board latest = g().board;
    log.clear();
    form.FIRST_POSITION_Click();
    EXPECT_EQ(g().rec_index, 0);
    EXPECT_EQ(g().at(7, 7), LOWER_HU);
    EXPECT_DOUBLE_EQ(g().time_upper, 0);
    form.FIRST_POSITION_Click();
    EXPECT_TRUE(has(forbidden())) << "already there";
    EXPECT_TRUE(messages().empty());
    form.show_position(1);
    EXPECT_EQ(g().at(7, 6), LOWER_HU);
    EXPECT_EQ(g().at(3, 4), EMPTY);
    form.LATEST_POSITION_Click();
    EXPECT_EQ(g().board, latest);
    EXPECT_EQ(g().turn, g().lower_order);
    EXPECT_DOUBLE_EQ(g().time_upper, 7);
    move(2, 7, 2, 6, 1);
    EXPECT_EQ(g().rec_index, 3);
    EXPECT_TRUE(messages().empty()) << "no question: the latest position goes on";
}

TEST(TakeBackAutosave, TheKeptGameFollowsTheTakeBack) {
    const auto dir = testing::FakeWindow::make_temp_dir();
    testing::FakeWindow w(dir, {}, dir / "state");
    w.start_up();
    w.form.START_Click();
    for (auto [fx, fy, tx, ty] : {std::array{7, 7, 7, 6}, std::array{3, 3, 3, 4}}) {
        w.form.Form_MouseDown(MOUSE_LEFT, 0, board_left + (fx + 0.5) * cell_width,
                              board_top + (fy + 0.5) * cell_height);
        w.form.Form_MouseDown(MOUSE_LEFT, 0, board_left + (tx + 0.5) * cell_width,
                              board_top + (ty + 0.5) * cell_height);
    }
    ASSERT_EQ(w.g().rec_index, 2);
    w.form.MATTA_Click();
    const records::LoadResult kept = records::load_record(dir / "state" / AUTOSAVE_FILE_NAME);
    ASSERT_TRUE(kept.record) << kept.error.japanese;
    EXPECT_EQ(kept.record->moves.size(), 1u);
}

}  // namespace
}  // namespace banzuri

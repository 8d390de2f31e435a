// A move's animation runs on the window's event loop: it pauses for the frame timer, the window
// stays free meanwhile but refuses what would change the game, and the frames that follow show
// exactly what an animation run straight through shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/recording_platform.h"

namespace banzuri {
namespace {

using testing::FakeWindow;
using testing::Log;
using testing::Position;

// A game between two people in which the lower gold's step to (5, 5) sandwiches the upper
// dragon horse on (5, 4) against the lower pawn on (5, 3).
struct Window : FakeWindow {
    Window() {
        start_up();
        lay_out(Position::empty()
                    .put(1, 9, LOWER_OU)
                    .put(9, 1, UPPER_OU)
                    .put(5, 6, LOWER_KIN)
                    .put(5, 4, UPPER_KAKU_NARI)
                    .put(5, 3, LOWER_HU));
    }
    void click(int cx, int cy) {
        form.Form_MouseDown(MOUSE_LEFT, 0, board_left + (cx + 0.5) * cell_width,
                            board_top + (cy + 0.5) * cell_height);
    }
    void sandwich() {
        click(5, 6);
        click(5, 5);
    }
    // Lets every pending pause pass, frame by frame, as the window's timer does.
    int run_frames() {
        int frames_run = 0;
        while (form.animating() && frames_run < 1000) {
            clock.now += frames.pending;
            form.Frame_Timer();
            ++frames_run;
        }
        return frames_run;
    }
};

Log without_sleeps(Log log) {
    std::erase_if(log, [](const std::string& line) { return line.rfind("sleep ", 0) == 0; });
    return log;
}

TEST(Animation, FramesOnTheEventLoopShowWhatAStraightRunShows) {
    Window straight;
    straight.sandwich();
    ASSERT_FALSE(straight.form.animating());

    Window held;
    held.frames.hold = true;
    held.sandwich();
    EXPECT_TRUE(held.form.animating());
    EXPECT_DOUBLE_EQ(held.frames.pending, 0.15);
    EXPECT_EQ(held.g().at(5, 4), UPPER_KAKU_NARI) << "the piece vanishes frame by frame";
    EXPECT_EQ(held.run_frames(), 5);  // two frames of the piece, three of the puff
    EXPECT_FALSE(held.form.animating());
    EXPECT_EQ(held.log, without_sleeps(straight.log));
    EXPECT_EQ(held.g().at(5, 4), EMPTY);
    EXPECT_EQ(held.g().turn, straight.g().turn);
    EXPECT_EQ(held.g().hand_own, straight.g().hand_own);
}

TEST(Animation, TheWindowRefusesWhatWouldChangeTheGameMeanwhile) {
    Window w;
    w.frames.hold = true;
    w.timer.set_enabled(true);
    w.sandwich();
    ASSERT_TRUE(w.form.animating());
    const Log before = w.log;
    const GameState position = w.g();

    w.click(1, 9);          // a press is dropped
    w.clock.now += 5;       // (no second of the clock is drawn meanwhile)
    w.form.Timer1_Timer();  // the clock waits for the animation
    w.form.Poll_Timer();
    EXPECT_EQ(w.log, before);
    w.form.command(&MainForm::REPLAY_Click);  // 戻 would change the game: refused
    w.form.command(&MainForm::START_Click);
    EXPECT_EQ(w.log.size(), before.size() + 2);
    EXPECT_EQ(w.log.back(), "dsPlay 2");
    EXPECT_EQ(w.g().board, position.board);
    EXPECT_EQ(w.g().rec_index, position.rec_index);

    w.form.command(&MainForm::TATAMI_Click);  // a background may change: it is drawn at once
    EXPECT_TRUE(w.form.checked(MenuItem::TATAMI));
    EXPECT_TRUE(w.form.animating());
    w.run_frames();
    EXPECT_EQ(w.g().at(5, 4), EMPTY);
}

TEST(Animation, AnEarlyFrameWaitsForTheRestOfThePause) {
    Window w;
    w.frames.hold = true;
    w.sandwich();
    w.clock.now += 0.05;
    w.form.Frame_Timer();
    EXPECT_TRUE(w.form.animating());
    EXPECT_NEAR(w.frames.pending, 0.10, 1e-9);
    EXPECT_EQ(w.g().at(5, 4), UPPER_KAKU_NARI);
}

TEST(Animation, APauseCountsAcrossMidnight) {
    Window w;
    w.clock.now = 86399.95;
    w.sandwich();
    const auto sleeps = std::count_if(w.log.begin(), w.log.end(), [](const std::string& line) {
        return line.rfind("sleep ", 0) == 0;
    });
    EXPECT_EQ(sleeps, 5);
    EXPECT_EQ(std::count(w.log.begin(), w.log.end(), "sleep 0.15"), 5);
    EXPECT_NEAR(w.clock.now, 0.70, 1e-9);
}

TEST(Animation, EndingTheProgramStopsAnAnimationWhereItIs) {
    Window w;
    w.frames.hold = true;
    w.sandwich();
    ASSERT_TRUE(w.form.animating());
    w.form.command(&MainForm::OWARI_Click);
    EXPECT_TRUE(w.form.quitting());
    EXPECT_FALSE(w.form.animating());
    EXPECT_DOUBLE_EQ(w.frames.pending, -1);
    const Log after = w.log;
    w.form.Frame_Timer();  // a frame already on its way draws nothing
    EXPECT_EQ(w.log, after);
}

}  // namespace
}  // namespace banzuri

// Each clock tick tells the window how long the shown second lasts, so the window need not
// wake again before the clock changes.
#include <gtest/gtest.h>

#include "play_fixture.h"

namespace banzuri {
namespace {

using testing::PlayWindow;

TEST(ClockTick, TellsHowLongTheShownSecondLasts) {
    PlayWindow w;
    if (!w.form.checked(MenuItem::KEIKA)) w.form.KEIKA_Click();
    w.start_people_game();
    w.clock.now += 0.3;
    w.form.Timer1_Timer();
    EXPECT_NEAR(w.timer.quiet, 0.7, 1e-9) << "the first second lasts until 1.0";
    w.clock.now += 0.7;
    w.log.clear();
    w.form.Timer1_Timer();
    EXPECT_EQ(w.lines("text \"00:00:01\"").size(), 1u) << "the new second is drawn at once";
    EXPECT_NEAR(w.timer.quiet, 1.0, 1e-9);
    w.clock.now += 1.25;
    w.form.Timer1_Timer();
    EXPECT_NEAR(w.timer.quiet, 0.75, 1e-9);

    // A new turn's first second is shown at once, whenever the last tick said to wake.
    w.click(7, 7);
    w.click(7, 6);
    EXPECT_EQ(w.timer.quiet, 0);

    // A stray tick of a stopped timer says nothing.
    w.timer.set_enabled(false);
    w.timer.quiet = -1;
    w.clock.now += 0.5;
    w.form.Timer1_Timer();
    EXPECT_EQ(w.timer.quiet, -1);
}

}  // namespace
}  // namespace banzuri

// The window's clock timer: it starts at the usual 50 ms and lets the next tick come as late as
// the game says nothing changes, so an idle window with a running clock wakes once a second.
#include <QtTest>

#include "app/qt_platform.h"

using banzuri::app::QtTimerControl;

class ClockTimerTest : public QObject {
    Q_OBJECT

  private slots:
    void aQuietTimeSetsTheNextTickJustAfterIt() {
        QtTimerControl timer([] {});
        timer.set_enabled(true);
        QCOMPARE(timer.interval_ms(), 50);
        timer.quiet_for(0.7);
        QCOMPARE(timer.interval_ms(), 701);
        timer.quiet_for(0.0004);
        QCOMPARE(timer.interval_ms(), 2);
        timer.quiet_for(0);
        QCOMPARE(timer.interval_ms(), 1);
        timer.quiet_for(-3);  // a clock gone backwards: tick again at once
        QCOMPARE(timer.interval_ms(), 1);
        timer.quiet_for(4.5);  // never more than a second between ticks
        QCOMPARE(timer.interval_ms(), 1000);
        QVERIFY(timer.enabled());
    }

    // Stopping and starting again begins with the usual interval; a stopped timer stays
    // stopped whatever it is told.
    void aNewRunTicksAtTheUsualInterval() {
        QtTimerControl timer([] {});
        timer.set_enabled(true);
        timer.quiet_for(0.9);
        timer.set_enabled(false);
        timer.quiet_for(0.3);
        QVERIFY(!timer.enabled());
        timer.set_enabled(true);
        QCOMPARE(timer.interval_ms(), 50);
    }

    // The tick that says how long it stays quiet is the one the timer calls.
    void theTickItselfMayMoveTheNextTick() {
        int ticks = 0;
        QtTimerControl* self = nullptr;
        QtTimerControl timer([&] {
            ++ticks;
            self->quiet_for(0.25);
        });
        self = &timer;
        timer.set_enabled(true);
        QTRY_VERIFY_WITH_TIMEOUT(ticks >= 1, 5000);
        QCOMPARE(timer.interval_ms(), 251);
        QVERIFY(timer.enabled());
    }
};

QTEST_MAIN(ClockTimerTest)
#include "clock_timer_test.moc"

// The window's time of day: taken from the system clock once, then carried on by a steady clock.
#include <QtTest>

#include "app/qt_platform.h"

using banzuri::app::QtClock;

class SteadyClockTest : public QObject {
    Q_OBJECT

  private slots:
    // Setting the system clock back an hour, or a daylight-saving change, costs a turn
    // nothing; the steps of the steady clock alone count, and midnight still wraps.
    void turnsDoNotJumpWhenTheSystemClockIsSet() {
        double wall = 86400 - 10;  // ten seconds before midnight
        double steady = 5000;
        QtClock clock([&] { return wall; }, [&] { return steady; });
        QCOMPARE(clock.time_of_day(), 86390.0);
        wall -= 3600;
        steady += 4;
        QCOMPARE(clock.time_of_day(), 86394.0);
        wall += 7200;
        steady += 8.5;
        QCOMPARE(clock.time_of_day(), 2.5);
    }

    void theSystemClockGivesTheStart() {
        QtClock clock;
        const double now = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
        QVERIFY(std::fabs(clock.time_of_day() - now) < 2 ||
                std::fabs(clock.time_of_day() - now) > 86398);
    }
};

QTEST_MAIN(SteadyClockTest)
#include "steady_clock_test.moc"

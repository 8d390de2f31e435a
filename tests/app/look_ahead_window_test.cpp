// LEVEL4, LEVEL5 and the hint in the real window on the offscreen platform: the window stays
// free while the worker thinks, and Esc or closing the window end the program at once.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <atomic>

#include "app/game_window.h"
#include "window_driver.h"
using banzuri::app::GameWindow;
using banzuri::testing::cell_pixel;

namespace {

struct Session {
    std::atomic<bool> released{false};  // the search ends once this is set; outlives the window
    QTemporaryDir dir;
    banzuri::testing::DialogAnswerer boxes;
    GameWindow window{std::filesystem::path(dir.path().toStdString()), dir.filePath("window.conf")};
    bool quit_requested = false;

    Session() {
        window.set_application_quit([this] { quit_requested = true; });
        window.load();
        window.show();
        // The computer thinks until the test releases it.
        window.form().set_think_limits([this](int level) {
            banzuri::LookLimits limits = banzuri::level_limits(level);
            limits.nodes = 0;
            limits.should_stop = [this] { return released.load(); };
            return limits;
        });
        boxes.seen.clear();
    }
    const banzuri::GameState& g() { return window.form().state(); }
    void trigger(const char* name) {
        QAction* action = window.action(name);
        QVERIFY2(action != nullptr, name);
        action->trigger();
        QVERIFY(banzuri::testing::let_animation_finish(window));
    }
    void click(int cx, int cy) {
        QTest::mouseClick(&window.board(), Qt::LeftButton, {}, cell_pixel(cx, cy), 5000);
        QVERIFY(banzuri::testing::let_animation_finish(window));
    }
};

}  // namespace

class LookAheadWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void levelsFourAndFiveCarryCheckMarks() {
        Session s;
        s.trigger("LEVEL4");
        QVERIFY(s.window.action("LEVEL4")->isChecked());
        QVERIFY(!s.window.action("LEVEL3")->isChecked());
        s.trigger("LEVEL5");
        QVERIFY(s.window.action("LEVEL5")->isChecked());
        QVERIFY(!s.window.action("LEVEL4")->isChecked());
        s.trigger("LEVEL5");
        QVERIFY(s.window.action("LEVEL5")->isChecked());
        QCOMPARE(s.g().level, 5);
    }

    void theWindowStaysFreeWhileTheComputerThinks() {
        Session s;
        auto& f = s.window.form();
        s.trigger("LEVEL4");
        s.trigger("GOTE");
        QVERIFY(f.thinking());
        s.click(7, 7);  // dropped while the computer thinks
        QCOMPARE(f.selection().selection_state, 0);
        QTest::qWait(1100);  // events go on: the clock ticks and the window repaints
        QVERIFY(f.thinking());
        QVERIFY(f.turn_clock().move_seconds >= 1.0);
        QVERIFY(!s.window.board().grab().isNull());
        s.trigger("CANCEL");  // refused: the game being thought about stays
        QCOMPARE(s.g().turn, s.g().upper_order);
        s.released = true;
        QTRY_VERIFY(!f.thinking());
        QVERIFY(f.animating());  // the move blinks and lands on the event loop
        QVERIFY(banzuri::testing::let_animation_finish(s.window));
        QCOMPARE(s.g().move_count, 1);
        QCOMPARE(s.g().turn, s.g().lower_order);
        s.click(7, 7);  // the player's turn again: the pawn is picked up
        QCOMPARE(f.selection().selection_state, 1);
    }

    void escapeEndsTheProgramWithoutWaitingForTheSearch() {
        Session s;
        s.trigger("LEVEL5");
        s.trigger("GOTE");
        QVERIFY(s.window.form().thinking());
        QTest::keyClick(&s.window, Qt::Key_Escape);
        QVERIFY(s.quit_requested);
        QVERIFY(!s.window.form().thinking());
        QVERIFY(!s.window.isVisible());
    }

    void closingTheWindowEndsTheProgramWithoutWaiting() {
        Session s;
        s.trigger("LEVEL4");
        s.trigger("GOTE");
        QVERIFY(s.window.form().thinking());
        QVERIFY(s.window.close());
        QVERIFY(s.quit_requested);
        QVERIFY(!s.window.form().thinking());
    }

    void hintNamesAMoveInABoxAndChangesNothing() {
        Session s;
        s.trigger("HINT");
        QCOMPARE(s.boxes.seen, QStringList({"開始|「対局」で始めて下さい|0"}));
        s.trigger("START");
        s.boxes.seen.clear();
        s.released = true;
        s.trigger("HINT");
        QTRY_COMPARE(s.boxes.seen.size(), 1);
        QVERIFY(s.boxes.seen[0].startsWith("ヒント|"));
        QVERIFY(s.boxes.seen[0].size() > QString("ヒント|").size());
        QVERIFY(!s.window.form().thinking());
        QCOMPARE(s.g().move_count, 0);
        QCOMPARE(s.g().turn, s.g().lower_order);
    }
};

QTEST_MAIN(LookAheadWindowTest)
#include "look_ahead_window_test.moc"

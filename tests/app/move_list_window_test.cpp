// The move list beside the board in the real window: it follows the game, its rows show
// positions, it can be hidden and the choice is remembered; 待った and Home/End by their keys.
#include <QLabel>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "app/game_window.h"
#include "window_driver.h"

using banzuri::app::GameWindow;
using banzuri::testing::cell_pixel;

namespace {

struct Session {
    QTemporaryDir dir;
    banzuri::testing::DialogAnswerer boxes;
    GameWindow window{std::filesystem::path(dir.path().toStdString()),
                      conf(),
                      {},
                      std::filesystem::path(dir.filePath("state").toStdString())};

    QString conf() const { return dir.filePath("window.conf"); }
    Session() {
        window.set_application_quit([] {});
        window.load();
        window.show();
    }
    const banzuri::GameState& g() { return window.form().state(); }
    void click(int cx, int cy) {
        QTest::mouseClick(&window.board(), Qt::LeftButton, {}, cell_pixel(cx, cy), 5000);
        QVERIFY(banzuri::testing::let_animation_finish(window));
    }
    void key(QKeySequence sequence) {
        window.activateWindow();  // back from a message box
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keySequence(&window, sequence);
        QVERIFY(banzuri::testing::let_animation_finish(window));
    }
    QListWidget& rows() { return window.move_list().rows(); }
    QString turn() { return window.move_list().turn_label().text(); }
    void click_row(int row) {
        QListWidget& list = rows();
        const QRect at = list.visualItemRect(list.item(row));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at.center());
        QVERIFY(banzuri::testing::let_animation_finish(window));
    }
};

}  // namespace

class MoveListWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void theBoardKeepsItsSizeAndTheListStandsBesideIt() {
        Session s;
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        QCOMPARE(s.window.board().size(), QSize(765, 546));
        QVERIFY(s.window.moves_shown());
        QCOMPARE(s.window.move_list().geometry().left(), s.window.board().geometry().right() + 1);
        QCOMPARE(s.turn(), QStringLiteral("対局前"));
    }

    void theListFollowsTheMovesAndItsRowsShowPositions() {
        Session s;
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        s.key(QKeySequence(Qt::Key_F2));
        s.click(7, 7);
        s.click(7, 6);
        s.click(3, 3);
        s.click(3, 4);
        QCOMPARE(s.rows().count(), 3);
        QCOMPARE(s.rows().item(1)->text(), QStringLiteral("   1 ▲３六歩(37)"));
        QCOMPARE(s.rows().item(2)->text(), QStringLiteral("   2 △７四歩(73)"));
        QCOMPARE(s.rows().currentRow(), 2);
        QCOMPARE(s.turn(), QStringLiteral("▲先手の番"));
        QCOMPARE(s.window.move_list().players_label().text(),
                 QStringLiteral("▲先手：人間　△後手：人間"));

        s.click_row(1);
        QCOMPARE(s.g().rec_index, 1);
        QCOMPARE(s.g().at(3, 4), banzuri::EMPTY);
        QCOMPARE(s.rows().count(), 3);  // the moves ahead stay listed
        QCOMPARE(s.rows().currentRow(), 1);
        QCOMPARE(s.turn(), QStringLiteral("△後手の番"));

        s.key(QKeySequence(Qt::Key_Home));
        QCOMPARE(s.g().rec_index, 0);
        QCOMPARE(s.rows().currentRow(), 0);
        s.key(QKeySequence(Qt::Key_End));
        QCOMPARE(s.g().rec_index, 2);
        QCOMPARE(s.g().at(3, 4), banzuri::UPPER_HU);
        s.click(2, 7);
        s.click(2, 6);
        QCOMPARE(s.g().rec_index, 3);       // the game went on from the latest position
        QVERIFY(s.boxes.seen.size() == 1);  // only "先手の番です" at the start
    }

    void ctrlZAgainstTheComputerGivesBackTheTurnBeforeYourMove() {
        Session s;
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        s.window.action("LEVEL1")->trigger();
        s.window.action("SENTE")->trigger();
        QVERIFY(banzuri::testing::let_animation_finish(s.window));
        const banzuri::Board start = s.g().board;
        s.click(7, 7);
        s.click(7, 6);
        QCOMPARE(s.g().rec_index, 2);
        s.key(QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(s.g().rec_index, 0);
        QVERIFY(s.g().board == start);
        QCOMPARE(s.g().turn, s.g().lower_order);
        QCOMPARE(s.rows().count(), 1);
        QTest::qWait(50);
        QCOMPARE(s.g().rec_index, 0);  // the computer waits for your move
    }

    void hidingTheListIsRememberedInTheWindowSettings() {
        QTemporaryDir dir;
        const std::filesystem::path folder(dir.path().toStdString());
        const QString conf = dir.filePath("window.conf");
        {
            GameWindow window(folder, conf);
            window.set_application_quit([] {});
            const int wide = window.width();
            QAction* item = window.action("VIEW_MOVES");
            QVERIFY(item->isChecked());
            item->trigger();
            QVERIFY(!window.moves_shown());
            QVERIFY(!item->isChecked());
            QCOMPARE(window.width(), wide - banzuri::app::MoveListPanel::WIDTH);
            QCOMPARE(QSettings(conf, QSettings::IniFormat).value("view/moves").toBool(), false);
        }
        GameWindow again(folder, conf);
        again.set_application_quit([] {});
        QVERIFY(!again.moves_shown());
        QVERIFY(!again.action("VIEW_MOVES")->isChecked());
        QVERIFY(!QFile(dir.filePath("Banzuri.ini")).exists());  // never the game's settings
    }
};

QTEST_MAIN(MoveListWindowTest)
#include "move_list_window_test.moc"

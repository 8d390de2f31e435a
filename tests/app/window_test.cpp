// The main window on the offscreen platform: menus, real mouse and key events, the message
// boxes answered through the real dialogs, and the input gate.
#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <deque>

#include "app/game_window.h"
#include "app/input_gate.h"
#include "app/shortcuts.h"
#include "fakes/main_form_peer.h"

using banzuri::app::GameWindow;
using banzuri::app::InputGate;

namespace {

// Answers every message box that opens: the expected ones in order with the given button,
// anything else (a sound warning at start-up, say) with its escape or first button.
class BoxAnswerer {
  public:
    BoxAnswerer() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start();
    }
    void expect(QMessageBox::StandardButton button) { buttons_.push_back(button); }
    // "title|text|icon" of every box answered, in order.
    QStringList seen;
    std::function<void()> while_open;  // runs once while the next box is open

  private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        seen << box->windowTitle() + "|" + box->text() + "|" + QString::number(box->icon());
        if (while_open) {
            auto once = std::move(while_open);
            while_open = nullptr;
            once();
        }
        QAbstractButton* button = nullptr;
        if (!buttons_.empty()) {
            button = box->button(buttons_.front());
            buttons_.pop_front();
        }
        if (button == nullptr) button = box->button(QMessageBox::Ok);
        if (button == nullptr) button = box->button(QMessageBox::No);
        if (button != nullptr) button->click();
    }
    QTimer timer_;
    std::deque<QMessageBox::StandardButton> buttons_;
};

QString box_line(const char* title, const char* text, QMessageBox::Icon icon) {
    return QString::fromUtf8(title) + "|" + QString::fromUtf8(text) + "|" + QString::number(icon);
}

// Pixel position of the middle of grid cell (cx, cy) in the client area.
QPoint cell_pixel(int cx, int cy) {
    const double x = banzuri::board_left + (cx + 0.5) * banzuri::cell_width;
    const double y = banzuri::board_top + (cy + 0.5) * banzuri::cell_height;
    return {static_cast<int>(x / banzuri::TWIPS_PER_PIXEL),
            static_cast<int>(y / banzuri::TWIPS_PER_PIXEL)};
}

struct Session {
    QTemporaryDir dir;
    BoxAnswerer boxes;
    GameWindow window{std::filesystem::path(dir.path().toStdString()), dir.filePath("window.conf")};
    bool quit_requested = false;

    Session() {
        window.set_application_quit([this] { quit_requested = true; });
        window.load();
        window.show();
        boxes.seen.clear();
    }
    // A click on a cell; the delay only moves the synthetic event clock past earlier handlers.
    void click(int cx, int cy, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(&window.board(), button, {}, cell_pixel(cx, cy), 5000);
    }
    // A click on a cell at the window's present size: the cell's middle in the scaled view.
    void click_scaled(int cx, int cy, Qt::MouseButton button = Qt::LeftButton) {
        auto& canvas = window.canvas();
        const double x = (banzuri::board_left + (cx + 0.5) * banzuri::cell_width) / 15.0;
        const double y = (banzuri::board_top + (cy + 0.5) * banzuri::cell_height) / 15.0;
        const QPointF device =
            QPointF(canvas.client_rect().topLeft()) + QPointF(x, y) * canvas.scale();
        QTest::mouseClick(&window.board(), button, {}, (device / canvas.ratio()).toPoint(), 5000);
    }
    void trigger(const char* name) {
        QAction* action = window.action(name);
        QVERIFY2(action != nullptr, name);
        action->trigger();
    }
};

QStringList captions(const QList<QAction*>& actions) {
    QStringList out;
    for (QAction* a : actions)
        if (!a->isSeparator()) out << a->text();
    return out;
}

QMenu* submenu(QWidget* parent, const char* name) {
    return parent->findChild<QMenu*>(QString::fromUtf8(name));
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

  private slots:
    void windowHasItsCaptionAndClientArea() {
        Session s;
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        QCOMPARE(s.window.windowTitle(), QStringLiteral("Banzuri"));
        QCOMPARE(s.window.board().size(), QSize(765, 546));
        QVERIFY(s.window.menuBar()->geometry().bottom() < s.window.board().geometry().top());
        QCOMPARE(s.window.board().grab().size(), QSize(765, 546));
    }

    void menuBarHasEveryItemInPlace() {
        Session s;
        QMenuBar* bar = s.window.menuBar();
        QCOMPARE(captions(bar->actions()),
                 QStringList({"対局", "局面", "戻", "進", "△", "▽", "ｵﾌﾟｼｮﾝ", "その他"}));
        QCOMPARE(captions(submenu(bar, "TAIKYOKU")->actions()),
                 QStringList({"対局(人間)", "対局(COM)", "COM対局ﾚﾍﾞﾙ", "終わり"}));
        QCOMPARE(captions(submenu(bar, "MATCH_MAN")->actions()), QStringList({"スタート"}));
        QCOMPARE(captions(submenu(bar, "START2")->actions()), QStringList({"先手", "後手"}));
        QCOMPARE(captions(submenu(bar, "LEVEL")->actions()),
                 QStringList({"LEVEL1", "LEVEL2", "LEVEL3", "LEVEL4", "LEVEL5"}));
        QCOMPARE(captions(submenu(bar, "STOP")->actions()),
                 QStringList({"最初", "反転", "ヒント"}));
        QCOMPARE(captions(submenu(bar, "OPTION")->actions()),
                 QStringList({"背景画", "移動指導", "経過時間", "BGM"}));
        QCOMPARE(captions(submenu(bar, "HAIKEI_GA")->actions()),
                 QStringList({"緑", "畳", "竹", "宇宙", "煉瓦"}));
        QCOMPARE(captions(submenu(bar, "SONOTA")->actions()),
                 QStringList({"解説", "バージョン情報"}));
        for (QAction* a : s.window.findChildren<QAction*>())
            QVERIFY(a->isEnabled());
        for (const char* name : {"LEVEL1", "LEVEL2", "LEVEL3", "LEVEL4", "LEVEL5", "MIDORI",
                                 "TATAMI", "TAKE", "UCHU", "RENGA", "SIDOU", "KEIKA", "BGM"})
            QVERIFY2(s.window.action(name)->isCheckable(), name);
        QVERIFY(!s.window.action("START")->isCheckable());
    }

    void levelCheckMarksFollowTheGame() {
        Session s;
        QVERIFY(s.window.action("LEVEL3")->isChecked());
        s.trigger("LEVEL3");  // already checked: stays checked
        QVERIFY(s.window.action("LEVEL3")->isChecked());
        s.trigger("LEVEL1");
        QVERIFY(s.window.action("LEVEL1")->isChecked());
        QVERIFY(!s.window.action("LEVEL3")->isChecked());
        QCOMPARE(banzuri::MainFormTestPeer::g(s.window.form()).level, 1);
        s.trigger("LEVEL1");
        QVERIFY(s.window.action("LEVEL1")->isChecked());
    }

    void optionCheckMarksAndTheClockTimerFollowTheGame() {
        Session s;
        auto& f = s.window.form();
        QAction* keika = s.window.action("KEIKA");
        QCOMPARE(keika->isChecked(), f.checked(banzuri::MenuItem::KEIKA));
        banzuri::MainFormTestPeer::options(f).set_elapsed(true);
        s.trigger("START");
        QVERIFY(banzuri::MainFormTestPeer::platform(f).timer.enabled());
        s.trigger("KEIKA");  // display off: the clock timer stops
        QVERIFY(!keika->isChecked());
        QVERIFY(!f.checked(banzuri::MenuItem::KEIKA));
        QVERIFY(!banzuri::MainFormTestPeer::platform(f).timer.enabled());
        s.trigger("KEIKA");
        QVERIFY(keika->isChecked());
        QVERIFY(banzuri::MainFormTestPeer::platform(f).timer.enabled());
        banzuri::MainFormTestPeer::clock(f).turn_start_time =
            banzuri::MainFormTestPeer::platform(f).clock.time_of_day() - 2.5;
        QTRY_VERIFY_WITH_TIMEOUT(banzuri::MainFormTestPeer::clock(f).shown_second >= 2,
                                 2000);  // ticks reach the game
    }

    void whatAHandlerDrawsReachesTheScreenWithoutARefresh() {
        Session s;
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        QCoreApplication::processEvents();
        const int painted = s.window.board().paint_count();
        s.trigger("TATAMI");  // redraws the whole window and never calls for a refresh
        QTRY_VERIFY(s.window.board().paint_count() > painted);
        const QImage shown = s.window.board().grab().toImage();
        QCOMPARE(shown.pixelColor(2, 2), s.window.canvas().image().pixelColor(2, 2));
    }

    void clickBeforeAGameAsksToStartOne() {
        Session s;
        s.click(7, 7);
        QCOMPARE(s.boxes.seen,
                 QStringList({box_line("開始", "「対局」で始めて下さい", QMessageBox::NoIcon)}));
    }

    void twoPeoplePickAndMoveWithTheMouse() {
        Session s;
        s.trigger("START");
        QCOMPARE(s.boxes.seen, QStringList({box_line(" ", "先手の番です", QMessageBox::NoIcon)}));
        auto& f = s.window.form();
        QCOMPARE(banzuri::MainFormTestPeer::g(f).turn, banzuri::FIRST_PLAYER);

        s.click(7, 7);
        QCOMPARE(f.selection().selection_state, 1);
        QCOMPARE(f.selection().sel_from_x, 7);
        QCOMPARE(f.selection().sel_from_y, 7);
        s.click(7, 6);
        QCOMPARE(banzuri::MainFormTestPeer::g(f).move_count, 1);
        QCOMPARE(banzuri::MainFormTestPeer::g(f).turn, banzuri::SECOND_PLAYER);
        QCOMPARE(f.selection().selection_state, 0);

        s.click(3, 3, Qt::RightButton);  // the upper side picks with the right button
        QCOMPARE(f.selection().selection_state, 1);
        s.click(3, 4, Qt::MiddleButton);  // ignored
        QCOMPARE(banzuri::MainFormTestPeer::g(f).move_count, 1);
        s.click(3, 4, Qt::RightButton);
        QCOMPARE(banzuri::MainFormTestPeer::g(f).move_count, 2);
        QCOMPARE(banzuri::MainFormTestPeer::g(f).turn, banzuri::FIRST_PLAYER);
    }

    void pressesDuringAHandlerAreDropped() {
        Session s;
        // While the refusal of a click is shown, the player clicks the board again: that
        // press waits in the queue with a time inside the handler and must not count.
        s.boxes.while_open = [&s] {
            auto* press = new QMouseEvent(QEvent::MouseButtonPress, QPointF(cell_pixel(7, 7)),
                                          s.window.board().mapToGlobal(QPointF(cell_pixel(7, 7))),
                                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            press->setTimestamp(static_cast<quint64>(QTest::lastMouseTimestamp));
            QCoreApplication::postEvent(&s.window.board(), press);
        };
        s.click(7, 7);
        QTest::qWait(50);
        const QString refusal = box_line("開始", "「対局」で始めて下さい", QMessageBox::NoIcon);
        QCOMPARE(s.boxes.seen, QStringList({refusal}));
        s.click(7, 7);
        QCOMPARE(s.boxes.seen, QStringList({refusal, refusal}));  // a fresh click counts
    }

    void gameEndAsksThroughTheRealDialogs() {
        Session s;
        auto& f = s.window.form();
        banzuri::MainFormTestPeer::g(f).set(
            5, 1, banzuri::EMPTY);  // the upper king is gone: the next lower move decides
        s.trigger("START");
        s.boxes.seen.clear();
        s.boxes.expect(QMessageBox::Ok);
        s.boxes.expect(QMessageBox::Yes);
        s.click(7, 7);
        s.click(7, 6);
        QCOMPARE(s.boxes.seen,
                 QStringList({box_line("終了", "先手の勝ちです", QMessageBox::NoIcon),
                              box_line("再ゲーム", "続けますか？", QMessageBox::NoIcon)}));
        QVERIFY(!s.quit_requested);
        QCOMPARE(banzuri::MainFormTestPeer::g(f).turn, banzuri::TURN_NONE);
        QCOMPARE(banzuri::MainFormTestPeer::g(f).at(5, 1), banzuri::UPPER_OU);
        QVERIFY(s.window.isVisible());
    }

    void sandwichTakesThePieceAndThenTheKing() {
        Session s;
        auto& f = s.window.form();
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                banzuri::MainFormTestPeer::g(f).set(x, y, banzuri::EMPTY);
        banzuri::MainFormTestPeer::g(f).set(5, 9, banzuri::LOWER_OU);
        banzuri::MainFormTestPeer::g(f).set(5, 5, banzuri::UPPER_OU);
        banzuri::MainFormTestPeer::g(f).set(3, 5, banzuri::UPPER_HU);
        banzuri::MainFormTestPeer::g(f).set(4, 5, banzuri::LOWER_KIN);
        banzuri::MainFormTestPeer::g(f).set(2, 6, banzuri::LOWER_GIN);
        banzuri::MainFormTestPeer::g(f).set(6, 6, banzuri::LOWER_GIN);
        banzuri::MainFormTestPeer::g(f).set(9, 3, banzuri::UPPER_HU);
        s.trigger("START");
        s.boxes.seen.clear();

        s.click(2, 6);  // the silver closes a pawn between itself and the gold
        s.click(2, 5);
        QCOMPARE(banzuri::MainFormTestPeer::g(f).at(3, 5), banzuri::EMPTY);
        QCOMPARE(banzuri::MainFormTestPeer::g(f).hand_own[banzuri::KIND_HU], 1);
        s.click(9, 3);
        s.click(9, 4);
        QCOMPARE(banzuri::MainFormTestPeer::g(f).turn, banzuri::FIRST_PLAYER);

        s.boxes.expect(QMessageBox::Ok);
        s.boxes.expect(QMessageBox::Yes);
        s.click(6, 6);  // the other silver closes the king against the gold
        s.click(6, 5);
        QCOMPARE(s.boxes.seen,
                 QStringList({box_line("終了", "先手の勝ちです", QMessageBox::NoIcon),
                              box_line("再ゲーム", "続けますか？", QMessageBox::NoIcon)}));
        QCOMPARE(banzuri::MainFormTestPeer::g(f).turn, banzuri::TURN_NONE);
        QCOMPARE(banzuri::MainFormTestPeer::g(f).winner, banzuri::TURN_NONE);
        s.click(7, 7);  // back at the start: a click asks for a game
        QCOMPARE(s.boxes.seen.last(),
                 box_line("開始", "「対局」で始めて下さい", QMessageBox::NoIcon));
    }

    void againstTheComputerEitherSideFirst() {
        Session s;
        auto& f = s.window.form();
        s.trigger("GOTE");  // the computer moves at once
        QVERIFY(s.boxes.seen.isEmpty());
        QCOMPARE(banzuri::MainFormTestPeer::g(f).upper_order, banzuri::FIRST_PLAYER);
        QCOMPARE(banzuri::MainFormTestPeer::g(f).move_count, 1);
        QCOMPARE(banzuri::MainFormTestPeer::g(f).turn, banzuri::MainFormTestPeer::g(f).lower_order);

        s.click(7, 7);
        s.click(7, 6);  // the player's move, then the computer's reply
        QCOMPARE(banzuri::MainFormTestPeer::g(f).move_count, 3);
        QCOMPARE(banzuri::MainFormTestPeer::g(f).turn, banzuri::MainFormTestPeer::g(f).lower_order);
        QCOMPARE(banzuri::MainFormTestPeer::g(f).at(7, 6), banzuri::LOWER_HU);
    }

    void afterSteppingBackTheNextClickLetsTheComputerMove() {
        Session s;
        auto& f = s.window.form();
        s.trigger("SENTE");
        QCOMPARE(s.boxes.seen, QStringList({box_line(" ", "MANの番です", QMessageBox::NoIcon)}));
        s.click(7, 7);
        s.click(7, 6);
        QCOMPARE(banzuri::MainFormTestPeer::g(f).move_count, 2);
        s.trigger("REPLAY");  // takes the computer's move back: the computer is to move
        QCOMPARE(banzuri::MainFormTestPeer::g(f).turn, banzuri::MainFormTestPeer::g(f).upper_order);
        s.boxes.seen.clear();
        s.click(3, 7);  // asks, lets the computer move, then picks the pawn
        QCOMPARE(s.boxes.seen,
                 QStringList({box_line("再開(COM)", "OKですか？", QMessageBox::NoIcon)}));
        QCOMPARE(banzuri::MainFormTestPeer::g(f).move_count, 2);
        QCOMPARE(banzuri::MainFormTestPeer::g(f).turn, banzuri::MainFormTestPeer::g(f).lower_order);
        QCOMPARE(f.selection().selection_state, 1);
        QCOMPARE(f.selection().sel_from_x, 3);
    }

    void answeringNoEndsTheProgram() {
        Session s;
        banzuri::MainFormTestPeer::g(s.window.form()).set(5, 1, banzuri::EMPTY);
        s.trigger("START");
        s.boxes.expect(QMessageBox::Ok);
        s.boxes.expect(QMessageBox::No);
        s.click(7, 7);
        s.click(7, 6);
        QVERIFY(s.quit_requested);
        QVERIFY(!s.window.isVisible());
    }

    void escapeClosesTheWindow() {
        Session s;
        s.trigger("START");
        QTest::keyClick(&s.window, Qt::Key_A);
        QVERIFY(!s.quit_requested);
        QTest::keyClick(&s.window, Qt::Key_Escape);
        QVERIFY(s.quit_requested);
        QVERIFY(!s.window.isVisible());
        QVERIFY(s.window.form().quitting());
    }

    void closingTheWindowEndsTheProgram() {
        Session s;
        QVERIFY(s.window.close());
        QVERIFY(s.quit_requested);
        QVERIFY(s.window.form().quitting());
    }

    void quitMenuItemEndsTheProgram() {
        Session s;
        s.trigger("OWARI");
        QVERIFY(s.quit_requested);
        QVERIFY(!s.window.isVisible());
    }

    void clicksAtAnyWindowSizeFindTheSameCells() {
        Session s;
        auto& f = s.window.form();
        banzuri::MainFormTestPeer::g(f).hand_own[banzuri::KIND_HU] = 1;
        s.trigger("START");
        banzuri::MainFormTestPeer::g(f).hand_own[banzuri::KIND_KIN] = 1;
        const auto resize = [&s](QSize size) {
            s.window.resize(size + QSize(0, s.window.menuBar()->height()));
            QTRY_COMPARE(s.window.board().size(), size);
        };
        resize(QSize(1530, 1092));
        s.click_scaled(7, 7);
        QCOMPARE(f.selection().selection_state, 1);
        QCOMPARE(f.selection().sel_from_x, 7);
        QCOMPARE(f.selection().sel_from_y, 7);
        s.click_scaled(7, 6);
        QCOMPARE(banzuri::MainFormTestPeer::g(f).at(7, 6), banzuri::LOWER_HU);
        resize(QSize(1300, 700));  // wider than the picture: margins left and right
        s.click_scaled(3, 3, Qt::RightButton);
        s.click_scaled(3, 4, Qt::RightButton);
        QCOMPARE(banzuri::MainFormTestPeer::g(f).at(3, 4), banzuri::UPPER_HU);
        resize(QSize(900, 1000));  // taller: margins above and below
        s.click_scaled(11, 7);     // the gold in hand
        QCOMPARE(f.selection().selection_state, 1);
        QCOMPARE(f.selection().sel_from_x, 11);
        s.click_scaled(5, 5);
        QCOMPARE(banzuri::MainFormTestPeer::g(f).at(5, 5), banzuri::LOWER_KIN);
        QCOMPARE(banzuri::MainFormTestPeer::g(f).move_count, 3);
    }

    void fullScreenWithF11AndBack() {
        Session s;
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        QTest::keyClick(&s.window, Qt::Key_F11);
        QTRY_VERIFY(s.window.isFullScreen());
        QTest::keyClick(&s.window, Qt::Key_F11);
        QTRY_VERIFY(!s.window.isFullScreen());
        QVERIFY(!s.quit_requested);
    }

    void theWindowSizeAndFullScreenAreRemembered() {
        QTemporaryDir dir;
        const QString memory = dir.filePath("window.conf");
        {
            GameWindow window(std::filesystem::path(dir.path().toStdString()), memory);
            window.set_application_quit([] {});
            window.load();
            window.show();
            window.resize(1000, 760);
            QTRY_COMPARE(window.size(), QSize(1000, 760));
            window.action("OWARI")->trigger();
        }
        {
            GameWindow window(std::filesystem::path(dir.path().toStdString()), memory);
            window.set_application_quit([] {});
            QCOMPARE(window.size(), QSize(1000, 760));
            window.load();
            window.show_as_remembered();
            QVERIFY(!window.isFullScreen());
            window.toggle_full_screen();
            QTRY_VERIFY(window.isFullScreen());
            window.action("OWARI")->trigger();
        }
        GameWindow window(std::filesystem::path(dir.path().toStdString()), memory);
        window.set_application_quit([] {});
        QCOMPARE(window.size(), QSize(1000, 760));  // the size before full screen
        window.load();
        window.show_as_remembered();
        QTRY_VERIFY(window.isFullScreen());
        window.action("OWARI")->trigger();
    }

    void everyShortcutRunsItsCommand() {
        Session s;
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        const QList<std::pair<const char*, QKeySequence>> keys = {
            {"REPLAY", QKeySequence(Qt::Key_Left)}, {"AFTER", QKeySequence(Qt::Key_Right)},
            {"CANCEL", QKeySequence(Qt::Key_Home)}, {"REVERSE", QKeySequence("Ctrl+R")},
            {"KAISETU", QKeySequence(Qt::Key_F1)},  {"START", QKeySequence(Qt::Key_F2)}};
        for (const auto& [name, key] : keys) {
            QAction* action = s.window.action(name);
            QCOMPARE(action->shortcut(), key);
            // Counted only: the commands themselves are tried through their menu items.
            QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
            QSignalSpy spy(action, &QAction::triggered);
            QTest::keySequence(&s.window, key);
            QVERIFY2(spy.count() == 1, name);
        }
        // The game-record commands will take these; nothing else does now.
        for (QAction* a : s.window.findChildren<QAction*>())
            for (const QKeySequence& kept : banzuri::app::record_command_keys())
                QVERIFY(a->shortcut() != kept);
    }

    void shortcutsReachTheGame() {
        Session s;
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        auto& f = s.window.form();
        QTest::keyClick(&s.window, Qt::Key_F2);
        QCOMPARE(s.boxes.seen, QStringList({box_line(" ", "先手の番です", QMessageBox::NoIcon)}));
        QCOMPARE(banzuri::MainFormTestPeer::g(f).turn, banzuri::FIRST_PLAYER);
        s.click(7, 7);
        s.click(7, 6);
        QCOMPARE(banzuri::MainFormTestPeer::g(f).move_count, 1);
        s.window.activateWindow();  // back from the message box
        QVERIFY(QTest::qWaitForWindowActive(&s.window));
        QTest::keyClick(&s.window, Qt::Key_Left);
        QCOMPARE(banzuri::MainFormTestPeer::g(f).at(7, 7), banzuri::LOWER_HU);
        QTest::keyClick(&s.window, Qt::Key_Right);
        QCOMPARE(banzuri::MainFormTestPeer::g(f).at(7, 6), banzuri::LOWER_HU);
        QTest::keyClick(&s.window, Qt::Key_Escape);  // Esc still ends the program
        QVERIFY(s.quit_requested);
    }

    void warningsCarryTheWarningIcon() {
        BoxAnswerer boxes;
        banzuri::app::QtDialogs dialogs(nullptr);
        dialogs.warning("Direct Soundインターフェースが作成できません。", "Banzuri.dll");
        QCOMPARE(boxes.seen, QStringList({box_line("Banzuri.dll",
                                                   "Direct Soundインターフェースが作成できません。",
                                                   QMessageBox::Warning)}));
    }

    void gateDropsPressesMadeWhileBusy() {
        InputGate gate;
        QVERIFY(gate.accepts_press(10));  // nothing ran yet
        gate.saw_input(1000);
        QVERIFY(gate.begin());
        QVERIFY(!gate.begin());  // no handler inside another
        QVERIFY(gate.busy());
        QVERIFY(!gate.accepts_press(1500));
        gate.end(2000);  // ran until event time 3000
        QVERIFY(!gate.accepts_press(1200));
        QVERIFY(!gate.accepts_press(3000));
        QVERIFY(gate.accepts_press(3001));
        QVERIFY(gate.accepts_press(0));    // unknown time
        QVERIFY(gate.accepts_press(500));  // an event clock that restarted
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"

// The main window on the offscreen platform: menus, real mouse and key events, the message
// boxes answered through the real dialogs, and the input gate.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <random>

#include "app/game_window.h"
#include "app/input_gate.h"
#include "app/shortcuts.h"
#include "fakes/position.h"
#include "play/record_keeping.h"
#include "records/record_file.h"
#include "window_driver.h"

using banzuri::app::GameWindow;
using banzuri::app::InputGate;
using banzuri::testing::box_line;
using banzuri::testing::cell_pixel;

namespace {

// The usual start, but the upper king stands on (7, 5) and a lower gold on (7, 4): the lower
// pawn's step (7, 7) to (7, 6) sandwiches the king.
banzuri::testing::Position king_in_reach() {
    return banzuri::testing::Position::standard()
        .put(5, 1, banzuri::EMPTY)
        .put(7, 5, banzuri::UPPER_OU)
        .put(6, 9, banzuri::EMPTY)
        .put(7, 4, banzuri::LOWER_KIN);
}

struct Session {
    QTemporaryDir dir;
    banzuri::testing::DialogAnswerer boxes;
    GameWindow window{std::filesystem::path(dir.path().toStdString()),
                      dir.filePath("window.conf"),
                      {},
                      state_dir()};
    bool quit_requested = false;

    std::filesystem::path state_dir() const {
        return std::filesystem::path(dir.filePath("state").toStdString());
    }
    const banzuri::GameState& g() { return window.form().state(); }
    // Opens `position` as the game in progress ("前回の対局を再開").
    void resume(const banzuri::testing::Position& position) {
        std::filesystem::create_directories(state_dir());
        const std::string error = banzuri::records::save_record(
                                      position.record(), state_dir() / banzuri::AUTOSAVE_FILE_NAME)
                                      .japanese;
        QVERIFY2(error.empty(), error.c_str());
        trigger("SAIKAI");
        QCOMPARE(window.form().state().turn, banzuri::FIRST_PLAYER);
        boxes.seen.clear();
    }

    Session() {
        window.set_application_quit([this] { quit_requested = true; });
        window.load();
        window.show();
        boxes.seen.clear();
    }
    // A click on a cell; the delay only moves the synthetic event clock past earlier handlers.
    void click(int cx, int cy, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(&window.board(), button, {}, cell_pixel(cx, cy), 5000);
        QVERIFY(banzuri::testing::let_animation_finish(window));
    }
    // A click on a cell at the window's present size: the cell's middle in the scaled view.
    void click_scaled(int cx, int cy, Qt::MouseButton button = Qt::LeftButton) {
        auto& canvas = window.canvas();
        const double x = (banzuri::board_left + (cx + 0.5) * banzuri::cell_width) / 15.0;
        const double y = (banzuri::board_top + (cy + 0.5) * banzuri::cell_height) / 15.0;
        const QPointF device =
            QPointF(canvas.client_rect().topLeft()) + QPointF(x, y) * canvas.scale();
        QTest::mouseClick(&window.board(), button, {}, (device / canvas.ratio()).toPoint(), 5000);
        QVERIFY(banzuri::testing::let_animation_finish(window));
    }
    void trigger(const char* name) {
        QAction* action = window.action(name);
        QVERIFY2(action != nullptr, name);
        action->trigger();
        QVERIFY(banzuri::testing::let_animation_finish(window));
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
        QVERIFY(s.window.menuBar()->geometry().bottom() <
                s.window.board().mapTo(&s.window, QPoint(0, 0)).y());
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
                 QStringList({"最初", "反転", "ヒント", "待った", "開始局面を表示",
                              "最新の局面を表示", "対局を検討", "棋譜を開く…", "棋譜を保存…",
                              "局面をコピー", "前回の対局を再開"}));
        QCOMPARE(captions(submenu(bar, "OPTION")->actions()),
                 QStringList({"背景画", "移動指導", "経過時間", "BGM", "最終手を強調", "駒の絵"}));
        QCOMPARE(captions(submenu(bar, "PIECES")->actions()), QStringList({"漢字", "国際"}));
        QCOMPARE(captions(submenu(bar, "HAIKEI_GA")->actions()),
                 QStringList({"緑", "畳", "竹", "宇宙", "煉瓦"}));
        QCOMPARE(captions(submenu(bar, "SONOTA")->actions()),
                 QStringList({"棋譜", "解説", "バージョン情報", "言語 (Language)"}));
        QCOMPARE(captions(submenu(bar, "LANGUAGE")->actions()), QStringList({"日本語", "English"}));
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
        QCOMPARE(s.g().level, 1);
        s.trigger("LEVEL1");
        QVERIFY(s.window.action("LEVEL1")->isChecked());
    }

    void optionCheckMarksAndTheClockTimerFollowTheGame() {
        Session s;
        auto& f = s.window.form();
        QAction* keika = s.window.action("KEIKA");
        QCOMPARE(keika->isChecked(), f.checked(banzuri::MenuItem::KEIKA));
        QVERIFY(keika->isChecked());  // the default
        s.trigger("START");
        QVERIFY(f.clock_running());
        s.trigger("KEIKA");  // display off: the clock timer stops
        QVERIFY(!keika->isChecked());
        QVERIFY(!f.checked(banzuri::MenuItem::KEIKA));
        QVERIFY(!f.clock_running());
        s.trigger("KEIKA");
        QVERIFY(keika->isChecked());
        QVERIFY(f.clock_running());
        QTRY_VERIFY_WITH_TIMEOUT(f.turn_clock().shown_second >= 1,
                                 3000);  // ticks reach the game
    }

    // The clock draws once a second; the ticks between put nothing on the screen.
    void ticksThatDrawNothingPaintNothing() {
        Session s;
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        auto& f = s.window.form();
        QVERIFY(f.checked(banzuri::MenuItem::KEIKA));  // the default
        s.trigger("START");
        QTRY_COMPARE_WITH_TIMEOUT(f.turn_clock().shown_second, 0, 500);  // second 0 drawn
        QCoreApplication::processEvents();
        const int painted = s.window.board().paint_count();
        QTest::qWait(400);  // about eight ticks within second 0
        QVERIFY(f.clock_running());
        QCOMPARE(s.window.board().paint_count(), painted);
    }

    // A box in the middle of a handler shows over what the handler has drawn so far.
    void whatAHandlerDrewBeforeABoxIsOnTheScreenBehindIt() {
        Session s;
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        auto& f = s.window.form();
        s.trigger("KEIKA");  // display off: no ticks to paint meanwhile
        QVERIFY(!f.checked(banzuri::MenuItem::KEIKA));
        bool handed_to_screen = false;
        s.boxes.while_open = [&] { handed_to_screen = s.window.canvas().take_drawn().isEmpty(); };
        s.trigger("START");  // draws, then "先手の番です"
        QVERIFY(!f.clock_running());
        QVERIFY(handed_to_screen);
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
        QCOMPARE(s.g().turn, banzuri::FIRST_PLAYER);

        s.click(7, 7);
        QCOMPARE(f.selection().selection_state, 1);
        QCOMPARE(f.selection().sel_from_x, 7);
        QCOMPARE(f.selection().sel_from_y, 7);
        s.click(7, 6);
        QCOMPARE(s.g().move_count, 1);
        QCOMPARE(s.g().turn, banzuri::SECOND_PLAYER);
        QCOMPARE(f.selection().selection_state, 0);

        s.click(3, 3, Qt::RightButton);  // the upper side picks with the right button
        QCOMPARE(f.selection().selection_state, 1);
        s.click(3, 4, Qt::MiddleButton);  // ignored
        QCOMPARE(s.g().move_count, 1);
        s.click(3, 4, Qt::RightButton);
        QCOMPARE(s.g().move_count, 2);
        QCOMPARE(s.g().turn, banzuri::FIRST_PLAYER);
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
        s.resume(king_in_reach());  // the next lower move decides
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
        QCOMPARE(s.g().turn, banzuri::TURN_NONE);
        QCOMPARE(s.g().at(5, 1), banzuri::UPPER_OU);
        QVERIFY(s.window.isVisible());
    }

    void sandwichTakesThePieceAndThenTheKing() {
        Session s;
        s.resume(banzuri::testing::Position::empty()
                     .put(5, 9, banzuri::LOWER_OU)
                     .put(5, 5, banzuri::UPPER_OU)
                     .put(3, 5, banzuri::UPPER_HU)
                     .put(4, 5, banzuri::LOWER_KIN)
                     .put(2, 6, banzuri::LOWER_GIN)
                     .put(6, 6, banzuri::LOWER_GIN)
                     .put(9, 3, banzuri::UPPER_HU));
        s.trigger("START");
        s.boxes.seen.clear();

        s.click(2, 6);  // the silver closes a pawn between itself and the gold
        s.click(2, 5);
        QCOMPARE(s.g().at(3, 5), banzuri::EMPTY);
        QCOMPARE(s.g().hand_own[banzuri::KIND_HU], 1);
        s.click(9, 3);
        s.click(9, 4);
        QCOMPARE(s.g().turn, banzuri::FIRST_PLAYER);

        s.boxes.expect(QMessageBox::Ok);
        s.boxes.expect(QMessageBox::Yes);
        s.click(6, 6);  // the other silver closes the king against the gold
        s.click(6, 5);
        QCOMPARE(s.boxes.seen,
                 QStringList({box_line("終了", "先手の勝ちです", QMessageBox::NoIcon),
                              box_line("再ゲーム", "続けますか？", QMessageBox::NoIcon)}));
        QCOMPARE(s.g().turn, banzuri::TURN_NONE);
        QCOMPARE(s.g().winner, banzuri::TURN_NONE);
        s.click(7, 7);  // back at the start: a click asks for a game
        QCOMPARE(s.boxes.seen.last(),
                 box_line("開始", "「対局」で始めて下さい", QMessageBox::NoIcon));
    }

    void againstTheComputerEitherSideFirst() {
        Session s;
        s.trigger("GOTE");  // the computer moves at once
        QVERIFY(s.boxes.seen.isEmpty());
        QCOMPARE(s.g().upper_order, banzuri::FIRST_PLAYER);
        QCOMPARE(s.g().move_count, 1);
        QCOMPARE(s.g().turn, s.g().lower_order);

        s.click(7, 7);
        s.click(7, 6);  // the player's move, then the computer's reply
        QCOMPARE(s.g().move_count, 3);
        QCOMPARE(s.g().turn, s.g().lower_order);
        QCOMPARE(s.g().at(7, 6), banzuri::LOWER_HU);
    }

    void afterSteppingBackTheNextClickLetsTheComputerMove() {
        Session s;
        auto& f = s.window.form();
        s.trigger("SENTE");
        QCOMPARE(s.boxes.seen, QStringList({box_line(" ", "MANの番です", QMessageBox::NoIcon)}));
        s.click(7, 7);
        s.click(7, 6);
        QCOMPARE(s.g().move_count, 2);
        s.trigger("REPLAY");  // takes the computer's move back: the computer is to move
        QCOMPARE(s.g().turn, s.g().upper_order);
        s.boxes.seen.clear();
        s.click(3, 7);  // asks, lets the computer move, then picks the pawn
        QCOMPARE(s.boxes.seen,
                 QStringList({box_line("再開(COM)", "OKですか？", QMessageBox::NoIcon)}));
        QCOMPARE(s.g().move_count, 2);
        QCOMPARE(s.g().turn, s.g().lower_order);
        QCOMPARE(f.selection().selection_state, 1);
        QCOMPARE(f.selection().sel_from_x, 3);
    }

    void answeringNoEndsTheProgram() {
        Session s;
        s.resume(king_in_reach());
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
        // A pawn and a gold in the lower hand, taken from the upper side.
        s.resume(banzuri::testing::Position::standard()
                     .put(1, 3, banzuri::EMPTY)
                     .put(6, 1, banzuri::EMPTY)
                     .lower_hand(banzuri::KIND_HU, 1)
                     .lower_hand(banzuri::KIND_KIN, 1));
        s.trigger("START");
        const auto resize = [&s](QSize size) {
            s.window.resize(s.window.size_for_board(size));
            QTRY_COMPARE(s.window.board().size(), size);
        };
        resize(QSize(1530, 1092));
        s.click_scaled(7, 7);
        QCOMPARE(f.selection().selection_state, 1);
        QCOMPARE(f.selection().sel_from_x, 7);
        QCOMPARE(f.selection().sel_from_y, 7);
        s.click_scaled(7, 6);
        QCOMPARE(s.g().at(7, 6), banzuri::LOWER_HU);
        resize(QSize(1300, 700));  // wider than the picture: margins left and right
        s.click_scaled(3, 3, Qt::RightButton);
        s.click_scaled(3, 4, Qt::RightButton);
        QCOMPARE(s.g().at(3, 4), banzuri::UPPER_HU);
        resize(QSize(900, 1000));  // taller: margins above and below
        s.click_scaled(11, 7);     // the gold in hand
        QCOMPARE(f.selection().selection_state, 1);
        QCOMPARE(f.selection().sel_from_x, 11);
        s.click_scaled(5, 5);
        QCOMPARE(s.g().at(5, 5), banzuri::LOWER_KIN);
        QCOMPARE(s.g().move_count, 3);
    }

    // A long game with every mark the board draws keeps the display list about as long as what
    // is visible: nothing drawn over stays behind.
    void theDisplayListStaysBoundedOverALongGame() {
        Session s;
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        s.trigger("SIDOU");  // guidance outlines and the capture preview too
        s.trigger("START");
        std::mt19937 random(7);
        std::size_t most = 0;
        for (int ply = 0; ply < 80 && !s.window.form().game().decided(); ++ply) {
            std::vector<banzuri::Move> moves;
            for (const banzuri::Move& m : s.window.form().game().legal_moves())
                if (!m.is_drop() && !m.promote) moves.push_back(m);
            if (moves.empty()) break;
            const banzuri::Move m = moves[random() % moves.size()];
            s.click(m.from.x, m.from.y);
            QTest::mouseMove(&s.window.board(), cell_pixel(m.to.x, m.to.y));
            s.click(m.to.x, m.to.y);
            most = std::max(most, s.window.canvas().recorded());
        }
        QVERIFY2(most < 1000, qPrintable(QString::number(most)));
    }

    // A window made full screen in one step is drawn exactly as soon as the events are
    // handled, without the wait that lets a dragged edge come to rest.
    void aSingleResizeIsDrawnExactlyAtOnce() {
        Session s;
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        auto& board = s.window.board();
        auto& canvas = s.window.canvas();
        QTest::qWait(150);  // at rest
        const QSize size = board.size() + QSize(200, 100);
        s.window.resize(s.window.size_for_board(size));
        QTRY_COMPARE(board.size(), size);
        QElapsedTimer handled;
        handled.start();
        while (handled.elapsed() < 5)
            QCoreApplication::processEvents();
        QVERIFY(!canvas.view_pending());
        QCOMPARE(canvas.image().size(), size * board.devicePixelRatioF());
    }

    // Dragging an edge: meanwhile the last picture is shown stretched, a press finds its cell
    // at the new size, and once the size is still the picture is drawn exactly at it.
    void aBurstOfResizesEndsInTheExactPictureAndPressesFindTheirCells() {
        Session s;
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        auto& f = s.window.form();
        auto& board = s.window.board();
        auto& canvas = s.window.canvas();
        s.trigger("START");
        const auto burst = [&](QSize last) {
            for (int step = 4; step >= 0; --step) {
                const QSize size = last - QSize(30 * step, 20 * step);
                s.window.resize(s.window.size_for_board(size));
                QTRY_COMPARE(board.size(), size);
                board.repaint();
            }
        };
        board.set_settle_delay(60000);  // the burst never ends by itself
        burst(QSize(1200, 800));
        QVERIFY(canvas.view_pending());
        QVERIFY(canvas.image().size() != board.size());
        const qreal ratio = board.devicePixelRatioF();
        banzuri::app::QtCanvas fitted;
        fitted.set_view(board.size(), ratio);
        const double x = (banzuri::board_left + 7.5 * banzuri::cell_width) / 15.0;
        const double y = (banzuri::board_top + 7.5 * banzuri::cell_height) / 15.0;
        const QPointF device =
            QPointF(fitted.client_rect().topLeft()) + QPointF(x, y) * fitted.scale();
        QTest::mouseClick(&board, Qt::LeftButton, {}, (device / ratio).toPoint(), 5000);
        QVERIFY(!canvas.view_pending());
        QCOMPARE(f.selection().selection_state, 1);
        QCOMPARE(f.selection().sel_from_x, 7);
        QCOMPARE(f.selection().sel_from_y, 7);

        board.set_settle_delay(100);
        burst(QSize(1000, 900));
        QTRY_VERIFY(!canvas.view_pending());
        QImage shown = board.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage exact = canvas.image().copy();
        canvas.set_view(QSize(10, 10), ratio);  // a fresh render at the final size to compare
        canvas.set_view(board.size(), ratio);
        QImage fresh = canvas.image().copy();
        for (QImage* image : {&shown, &exact, &fresh})
            image->setDevicePixelRatio(1);
        QCOMPARE(exact, fresh);
        QCOMPARE(shown, fresh);
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
            {"REPLAY", QKeySequence(Qt::Key_Left)},
            {"AFTER", QKeySequence(Qt::Key_Right)},
            {"FIRST_POSITION", QKeySequence(Qt::Key_Home)},
            {"LATEST_POSITION", QKeySequence(Qt::Key_End)},
            {"MATTA", QKeySequence("Ctrl+Z")},
            {"REVERSE", QKeySequence("Ctrl+R")},
            {"KAISETU", QKeySequence(Qt::Key_F1)},
            {"START", QKeySequence(Qt::Key_F2)},
            {"KIFU_HIRAKU", QKeySequence("Ctrl+O")},
            {"KIFU_HOZON", QKeySequence("Ctrl+S")}};
        for (const auto& [name, key] : keys) {
            QAction* action = s.window.action(name);
            QCOMPARE(action->shortcut(), key);
            // Counted only: the commands themselves are tried through their menu items.
            QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
            QSignalSpy spy(action, &QAction::triggered);
            QTest::keySequence(&s.window, key);
            QVERIFY2(spy.count() == 1, name);
        }
        // The game-record commands have these; nothing else does.
        for (QAction* a : s.window.findChildren<QAction*>())
            for (const QKeySequence& kept : banzuri::app::record_command_keys())
                if (a->shortcut() == kept)
                    QVERIFY(a->objectName() == "KIFU_HIRAKU" || a->objectName() == "KIFU_HOZON");
    }

    void shortcutsReachTheGame() {
        Session s;
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        QTest::keyClick(&s.window, Qt::Key_F2);
        QCOMPARE(s.boxes.seen, QStringList({box_line(" ", "先手の番です", QMessageBox::NoIcon)}));
        QCOMPARE(s.g().turn, banzuri::FIRST_PLAYER);
        s.click(7, 7);
        s.click(7, 6);
        QCOMPARE(s.g().move_count, 1);
        s.window.activateWindow();  // back from the message box
        QVERIFY(QTest::qWaitForWindowActive(&s.window));
        QTest::keyClick(&s.window, Qt::Key_Left);
        QCOMPARE(s.g().at(7, 7), banzuri::LOWER_HU);
        QTest::keyClick(&s.window, Qt::Key_Right);
        QCOMPARE(s.g().at(7, 6), banzuri::LOWER_HU);
        QTest::keyClick(&s.window, Qt::Key_Escape);  // Esc still ends the program
        QVERIFY(s.quit_requested);
    }

    void warningsCarryTheWarningIcon() {
        banzuri::testing::DialogAnswerer boxes;
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

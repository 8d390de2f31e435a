// The game-record commands on the real window: Qt's file dialogs in Japanese, the folder kept
// for the session, the question before a file is replaced, and the clipboard.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <filesystem>

#include "app/game_window.h"
#include "window_driver.h"

using banzuri::app::GameWindow;
using banzuri::testing::cell_pixel;

namespace {

struct Session {
    explicit Session(const QTemporaryDir& dir)
        : window(std::filesystem::path(dir.path().toStdString()), dir.filePath("window.conf"), {},
                 std::filesystem::path(dir.filePath("state").toStdString())) {
        window.set_application_quit([] {});
        window.load();
        window.show();
        answers.seen.clear();
    }
    void click(int cx, int cy) {
        QTest::mouseClick(&window.board(), Qt::LeftButton, {}, cell_pixel(cx, cy), 5000);
        QVERIFY(banzuri::testing::let_animation_finish(window));
    }
    const banzuri::GameState& g() { return window.form().state(); }
    banzuri::testing::DialogAnswerer answers{{QMessageBox::Yes, QMessageBox::Ok}};
    GameWindow window;
};

}  // namespace

class RecordDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void saveOpenAndCopyThroughTheMenus() {
        QTemporaryDir dir;
        QTemporaryDir other;
        const QString game = dir.filePath("game.kifu");
        {
            Session s(dir);
            QVERIFY(QTest::qWaitForWindowExposed(&s.window));
            s.window.action("START")->trigger();
            s.click(7, 7);
            s.click(7, 6);
            s.click(3, 3);
            s.click(3, 4);
            QCOMPARE(s.g().move_count, 2);
            s.answers.seen.clear();
            s.answers.files.push_back(game);
            s.window.action("KIFU_HOZON")->trigger();
            QVERIFY(QFileInfo::exists(game));
            QCOMPARE(s.answers.seen.size(), 1);
            QVERIFY(
                s.answers.seen[0].startsWith("棋譜を保存|保存|" + QDir::homePath() + "|banzuri-"));
            QVERIFY(s.answers.seen[0].endsWith(".kifu"));
            // The second time the dialog starts in the folder used, and asks before replacing.
            s.answers.seen.clear();
            s.answers.files.push_back(game);
            s.window.action("KIFU_HOZON")->trigger();
            QCOMPARE(s.answers.seen,
                     QStringList({"棋譜を保存|保存|" + dir.path() + "|" +
                                      s.answers.seen.value(0).section('|', 3),
                                  "棋譜を保存|「game.kifu」はもうあります。置き換えますか？|0"}));
            s.window.action("KYOKUMEN_COPY")->trigger();
            QCOMPARE(
                QApplication::clipboard()->text(),
                QString("lnsgkgsnl/1r5b1/pp1pppppp/2p6/9/6P2/PPPPPP1PP/1B5R1/LNSGKGSNL b - 3"));
        }
        Session fresh(other);
        QVERIFY(QTest::qWaitForWindowExposed(&fresh.window));
        fresh.answers.files.push_back(game);
        fresh.window.action("KIFU_HIRAKU")->trigger();
        QCOMPARE(fresh.answers.seen.size(), 1);
        QVERIFY(fresh.answers.seen[0].startsWith("棋譜を開く|開く|"));
        QCOMPARE(fresh.g().move_count, 2);
        QCOMPARE(fresh.g().at(3, 4), banzuri::UPPER_HU);
        fresh.window.action("REPLAY")->trigger();
        QCOMPARE(fresh.g().at(3, 4), banzuri::EMPTY);
    }
};

QTEST_MAIN(RecordDialogsTest)
#include "record_dialogs_test.moc"

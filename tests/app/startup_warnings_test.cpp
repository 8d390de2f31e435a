// Warnings raised while the game starts: every one is shown over the window once the window is
// on the screen, in order, once each.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <fstream>

#include "app/game_window.h"

using banzuri::app::GameWindow;

namespace {

// Closes every message box that opens with OK, noting "title|text" of each and whether the
// window it belongs to was on the screen by then.
class BoxCloser {
  public:
    BoxCloser() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { close_open_box(); });
        timer_.start();
    }
    QStringList seen;
    bool all_over_a_shown_window = true;

  private:
    void close_open_box() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        seen << box->windowTitle() + "|" + box->text();
        const QWidget* owner = box->parentWidget();
        if (owner == nullptr || !owner->isVisible()) all_over_a_shown_window = false;
        box->button(QMessageBox::Ok)->click();
    }
    QTimer timer_;
};

void write_file(const QString& path, const std::string& bytes) {
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

// Starts the game in `dir` as the program does and collects the boxes it shows.
QStringList boxes_of_a_start(const QTemporaryDir& dir, bool& over_the_window) {
    BoxCloser boxes;
    GameWindow window(std::filesystem::path(dir.path().toStdString()));
    window.set_application_quit([] {});
    window.load();
    if (!boxes.seen.isEmpty()) return boxes.seen;  // shown before the window: a fault
    window.show();
    QTest::qWait(300);
    over_the_window = boxes.all_over_a_shown_window;
    return boxes.seen;
}

}  // namespace

class StartupWarningsTest : public QObject {
    Q_OBJECT

  private slots:
    void threeDamagedSoundsGiveThreeBoxesInOrder() {
        QTemporaryDir dir;
        write_file(dir.filePath("禁止.wav"), "not a sound");
        write_file(dir.filePath("終局.wav"), "RIFF");
        write_file(dir.filePath("BGM.wav"), std::string(100, '\0'));
        bool over_the_window = false;
        const QStringList seen = boxes_of_a_start(dir, over_the_window);
        QCOMPARE(seen.size(), 3);
        QVERIFY(over_the_window);
        for (const QString& line : seen)
            QVERIFY(line.startsWith("Banzuri.dll|"));
    }

    void noSoundSystemAndAFolderForTheSettingsGiveBothWarnings() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("Banzuri.ini"));
        qputenv("SDL_AUDIODRIVER", "no-such-driver");
        bool over_the_window = false;
        const QStringList seen = boxes_of_a_start(dir, over_the_window);
        qputenv("SDL_AUDIODRIVER", "dummy");
        QCOMPARE(seen, QStringList({"Banzuri.dll|Direct Soundインターフェースが作成できません。",
                                    "Banzuri.ini|設定ファイル「Banzuri.ini」に書き込めません。\n"
                                    "変更した設定は、このゲームを終えるまで有効です。"}));
        QVERIFY(over_the_window);
    }

    void warningsAfterStartUpShowAtOnce() {
        QTemporaryDir dir;
        BoxCloser boxes;
        GameWindow window(std::filesystem::path(dir.path().toStdString()));
        window.load();
        window.show();
        QTest::qWait(50);
        QVERIFY(QDir(dir.path()).remove("Banzuri.ini"));
        QVERIFY(QDir(dir.path()).mkdir("Banzuri.ini"));
        window.form().BGM_Click();  // the write fails: its warning is shown during the click
        QCOMPARE(boxes.seen.size(), 1);
    }
};

QTEST_MAIN(StartupWarningsTest)
#include "startup_warnings_test.moc"

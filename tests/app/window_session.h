// A whole game window on a settings folder of its own and a window.conf the test names, as the
// option tests drive it: shown, its dialogs answered, the board clicked cell by cell.
#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <utility>

#include "app/game_window.h"
#include "app/translation.h"
#include "window_driver.h"

namespace banzuri::testing {

// The bytes of a file; none when it cannot be read.
inline QByteArray file_bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct WindowSession {
    explicit WindowSession(QString conf_file) : conf(std::move(conf_file)) {
        window.set_application_quit([] {});
        window.load();
        window.show();
    }
    // The language is the application's: the next test starts in Japanese again.
    ~WindowSession() { app::use_language(Language::JAPANESE); }
    QTemporaryDir dir;
    QString conf;
    DialogAnswerer boxes;
    app::GameWindow window{std::filesystem::path(dir.path().toStdString()), conf, {}, {}};

    void click(int cx, int cy) {
        QTest::mouseClick(&window.board(), Qt::LeftButton, {}, cell_pixel(cx, cy), 5000);
        QVERIFY(let_animation_finish(window));
    }
};

}  // namespace banzuri::testing

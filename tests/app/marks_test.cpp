// Marks on squares as the window shows them: three pixels wide at the natural size and wider
// in step with the view, dark enough against the wood on every background, gone without a
// trace; the last-move option in the window's settings; a piece dragged with the real mouse.
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <filesystem>

#include "app/game_window.h"
#include "app/qt_canvas.h"
#include "app/start_picture.h"
#include "contrast.h"
#include "render/board_painter.h"
#include "settings/backgrounds.h"
#include "settings/options.h"
#include "window_driver.h"

using banzuri::app::QtCanvas;

namespace {

struct QuietDialogs : banzuri::Dialogs {
    void message(const std::string&, const std::string&) override {}
    bool ask_yes_no(const std::string&, const std::string&, banzuri::Answer) override {
        return false;
    }
    void warning(const std::string&, const std::string&) override {}
    std::optional<std::size_t> choose(const std::string&, const std::string&,
                                      const std::vector<std::string>&) override {
        return std::nullopt;
    }
};
struct NoMenu : banzuri::MenuView {
    void show_checked(banzuri::MenuItem, bool) override {}
};

using banzuri::testing::contrast;
using banzuri::testing::luminance;

// The start window on one background, drawn by a painter that can then mark its squares.
struct Board {
    QuietDialogs dialogs;
    NoMenu menu;
    banzuri::GameState g;
    banzuri::ViewState view;
    banzuri::Options options{menu, dialogs, std::filesystem::temp_directory_path()};
    QtCanvas canvas;
    banzuri::BoardPainter painter{canvas, g, view, options};

    Board(int background, QSize size) {
        banzuri::初期設定(g);
        options.set_background(background);
        canvas.set_view(size, 1);
        painter.画面_再描画();
    }
    // Device pixel of a point of the client area given in twips.
    QPoint device(double x, double y) {
        const QRect client = canvas.client_rect();
        const auto at = [&](double twips) {
            return static_cast<int>(
                std::lround(banzuri::app::twips_to_pixel(twips) * canvas.scale()));
        };
        return {client.left() + at(x), client.top() + at(y)};
    }
    // How many pixels of `colour` run inwards from the left edge of cell (gx, gy), halfway down.
    int width_of_mark(int gx, int gy, QColor colour) {
        QPoint p = device(banzuri::grid_x(gx), banzuri::grid_y(gy + 0.5));
        int run = 0;
        while (canvas.image().pixelColor(p) == colour) {
            ++run;
            p.rx() += 1;
        }
        return run;
    }
    // Mean luminance of the wood inside cell (gx, gy), clear of any mark.
    double wood(int gx, int gy) {
        const QPoint a = device(banzuri::grid_x(gx + 0.25), banzuri::grid_y(gy + 0.15));
        const QPoint b = device(banzuri::grid_x(gx + 0.75), banzuri::grid_y(gy + 0.3));
        double sum = 0;
        int n = 0;
        for (int y = a.y(); y <= b.y(); ++y)
            for (int x = a.x(); x <= b.x(); ++x, ++n)
                sum += luminance(canvas.image().pixelColor(x, y));
        return sum / n;
    }
};

const int kMarks[] = {banzuri::COLOUR_MARK_PICKED, banzuri::COLOUR_MARK_GUIDANCE,
                      banzuri::COLOUR_MARK_LAST_MOVE, banzuri::COLOUR_MARK_CAPTURE};
const int kBackgrounds[] = {banzuri::BG_MIDORI, banzuri::BG_TATAMI, banzuri::BG_TAKE,
                            banzuri::BG_UCHU, banzuri::BG_RENGA};

}  // namespace

class MarksTest : public QObject {
    Q_OBJECT

  private slots:
    void marksAreWideAndDarkAgainstTheWoodOnEveryBackground() {
        for (const int background : kBackgrounds)
            for (const int scale : {1, 2}) {
                Board b(background, QSize(765, 546) * scale);
                const QImage before = b.canvas.image().copy();
                for (const int mark : kMarks) {
                    const QColor ink = banzuri::app::palette_colour(mark);
                    const QString where = QString("background %1, scale %2, ink %3")
                                              .arg(background)
                                              .arg(scale)
                                              .arg(mark);
                    for (const auto& [gx, gy] : {std::pair{5, 5}, std::pair{7, 7}}) {
                        b.painter.描画_桝輪郭(mark, gx, gy);
                        QVERIFY2(b.width_of_mark(gx, gy, ink) >= 3 * scale,
                                 qPrintable(where + " width " +
                                            QString::number(b.width_of_mark(gx, gy, ink))));
                        const double c = contrast(luminance(ink), b.wood(5, 5));
                        QVERIFY2(c >= 3, qPrintable(where + ": " + QString::number(c)));
                        b.painter.描画_桝輪郭(b.painter.grid_colour(), gx, gy);
                    }
                    QVERIFY2(b.canvas.image() == before, qPrintable(where + ": not restored"));
                }
                // The grid outline stays one scaled pixel wide.
                QCOMPARE(b.width_of_mark(5, 5, banzuri::app::palette_colour(2)), scale);
            }
    }

    // The last move's squares are washed in its colour, the wood still showing through; marked
    // again they do not darken, and turned off they are exactly as before.
    void theLastMoveWashesItsSquaresOnceAndLeavesNoTrace() {
        for (const int background : kBackgrounds) {
            Board b(background, QSize(765, 546));
            const QImage before = b.canvas.image().copy();
            const QPoint middle = b.device(banzuri::grid_x(5.5), banzuri::grid_y(5.5));
            b.view.last_move = banzuri::Move::board(5, 6, 5, 5);
            b.painter.描画_最終手();
            const QImage washed = b.canvas.image().copy();
            const QColor wood = before.pixelColor(middle);
            const QColor tinted = washed.pixelColor(middle);
            const QColor ink = banzuri::app::palette_colour(banzuri::COLOUR_MARK_LAST_MOVE);
            const auto toward_ink = [&](int from, int to, int target) {
                return std::abs(target - to) < std::abs(target - from);
            };
            QVERIFY(toward_ink(wood.red(), tinted.red(), ink.red()) ||
                    toward_ink(wood.green(), tinted.green(), ink.green()));
            QVERIFY(b.width_of_mark(5, 5, ink) >= 3);
            b.painter.描画_最終手();
            QVERIFY(b.canvas.image() == washed);
            b.view.last_move_highlight = false;
            b.painter.描画_最終手();
            QVERIFY(b.canvas.image() == before);
        }
    }

    void theLastMoveOptionIsRememberedInTheWindowSettings() {
        QTemporaryDir dir;
        const QString conf = dir.filePath("window.conf");
        {
            banzuri::app::GameWindow window(dir.path().toStdString(), conf);
            window.load();
            QAction* option = window.action("LAST_MOVE");
            QVERIFY(option != nullptr);
            QVERIFY(option->isChecked());
            QVERIFY(window.form().last_move_highlight());
            option->trigger();
            QVERIFY(!window.form().last_move_highlight());
        }
        QCOMPARE(QSettings(conf, QSettings::IniFormat).value("view/lastMove").toBool(), false);
        QFile ini(dir.filePath("Banzuri.ini"));  // the game's own settings file keeps out of it
        if (ini.open(QIODevice::ReadOnly)) QVERIFY(!ini.readAll().contains("lastMove"));
        banzuri::app::GameWindow again(dir.path().toStdString(), conf);
        again.load();
        QVERIFY(!again.action("LAST_MOVE")->isChecked());
        QVERIFY(!again.form().last_move_highlight());
    }

    void aPieceDraggedWithTheMouseMoves() {
        QTemporaryDir dir;
        banzuri::testing::DialogAnswerer boxes;
        banzuri::app::GameWindow window(dir.path().toStdString(), dir.filePath("window.conf"));
        window.set_application_quit([] {});
        window.load();
        window.show();
        window.action("START")->trigger();
        QVERIFY(banzuri::testing::let_animation_finish(window));
        auto& board = window.board();
        const QPoint from = banzuri::testing::cell_pixel(7, 7);
        const QPoint to = banzuri::testing::cell_pixel(7, 6);
        QTest::mousePress(&board, Qt::LeftButton, {}, from, 5000);
        QCOMPARE(window.form().selection().selection_state, 1);
        QTest::mouseMove(&board, to);
        QCOMPARE(window.form().dragged_piece(), banzuri::LOWER_HU);
        // The piece is drawn under the pointer, over the picture of the board.
        const QImage shown = board.grab().toImage();
        QVERIFY(shown.pixelColor(to) != window.canvas().image().pixelColor(to));
        QTest::mouseRelease(&board, Qt::LeftButton, {}, to);
        QVERIFY(banzuri::testing::let_animation_finish(window));
        QCOMPARE(window.form().state().at(7, 6), banzuri::LOWER_HU);
        QCOMPARE(window.form().state().move_count, 1);
        QCOMPARE(window.form().dragged_piece(), banzuri::EMPTY);
    }
};

QTEST_MAIN(MarksTest)
#include "marks_test.moc"

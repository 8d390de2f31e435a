// The labels beside the board as the player sees them, pixel by pixel: a new level replaces the
// old one, the handicap label leaves the banner whole, shadows stay one or two pixels off at
// any size, and the move number never runs into its "手目".
#include <QtTest>
#include <algorithm>
#include <filesystem>
#include <functional>

#include "app/qt_canvas.h"
#include "app/start_picture.h"
#include "fakes/recording_fakes.h"
#include "render/board_painter.h"
#include "rules/game_state.h"
#include "settings/options.h"

using banzuri::app::QtCanvas;

namespace {

// A canvas that draws only the texts (and shadows) `keep` lets through.
class TextFilterCanvas : public QtCanvas {
  public:
    explicit TextFilterCanvas(std::function<bool(const std::string&)> keep)
        : keep_(std::move(keep)) {}
    void draw_text(const std::string& text, double x, double y, int colour, double size,
                   bool bold) override {
        if (keep_(text)) QtCanvas::draw_text(text, x, y, colour, size, bold);
    }
    void draw_shadow(const std::string& text, double x, double y, double size, bool bold) override {
        if (keep_(text)) QtCanvas::draw_shadow(text, x, y, size, bold);
    }

  private:
    std::function<bool(const std::string&)> keep_;
};

// The window's painter over a canvas, with a background of its own.
struct Screen {
    explicit Screen(QtCanvas& c, int background) : canvas(c) {
        options.set_background(background);
        painter.reset_colours();
    }
    QtCanvas& canvas;
    banzuri::testing::Log log;
    banzuri::testing::FakeDialogs dialogs{log};
    banzuri::testing::FakeMenu menu;
    banzuri::GameState g;
    banzuri::ViewState view;
    banzuri::Options options{menu, dialogs, std::filesystem::temp_directory_path()};
    banzuri::BoardPainter painter{canvas, g, view, options};
};

// Device pixels of the grid cells (gx1, gy1) to (gx2, gy2), inclusive, in the view.
QRect cells(QtCanvas& canvas, double gx1, double gy1, double gx2, double gy2) {
    const double s = canvas.scale();
    const QPoint origin = canvas.client_rect().topLeft();
    const auto px = [&](double gx) { return origin.x() + qRound((1300 + gx * 615) / 15.0 * s); };
    const auto py = [&](double gy) { return origin.y() + qRound((100 + gy * 690) / 15.0 * s); };
    return QRect(QPoint(px(gx1), py(gy1)), QPoint(px(gx2 + 1) - 1, py(gy2 + 1) - 1));
}

bool whitish(QRgb p) {
    return std::min({qRed(p), qGreen(p), qBlue(p)}) > 128;
}

bool darkish(QRgb p) {
    return std::max({qRed(p), qGreen(p), qBlue(p)}) < 64;
}

QRect box_of(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& is) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (is(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
    return box;
}

// Columns of `area` where two images differ: the first and the last, or (-1, -1).
std::pair<int, int> differing_columns(const QImage& a, const QImage& b, const QRect& area) {
    int first = -1, last = -1;
    for (int x = area.left(); x <= area.right(); ++x)
        for (int y = area.top(); y <= area.bottom(); ++y)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

}  // namespace

class ScreenLabelsTest : public QObject {
    Q_OBJECT

  private slots:
    void aNewLevelReplacesTheOldOne() {
        QtCanvas changed, direct;
        for (QtCanvas* canvas : {&changed, &direct})
            banzuri::app::draw_start_window(*canvas, banzuri::BG_TATAMI);
        Screen a(changed, banzuri::BG_TATAMI), b(direct, banzuri::BG_TATAMI);
        a.painter.描画_レベル(1);
        a.painter.描画_レベル(5);
        b.painter.描画_レベル(5);
        const QRect place = cells(changed, -2, 0, -1, 0);
        QCOMPARE(changed.image().copy(place), direct.image().copy(place));
    }

    void theHandicapLabelLeavesTheBannerWhole() {
        QtCanvas labelled, plain;
        for (QtCanvas* canvas : {&labelled, &plain})
            banzuri::app::draw_start_window(*canvas, banzuri::BG_RENGA);
        Screen a(labelled, banzuri::BG_RENGA);
        a.painter.描画_ハンデレベル(-10);
        a.painter.描画_ハンデレベル(0);
        // The banner is 188 x 48 pixels from the corner of cell (11, 0).
        const QRect banner(qRound(8065 / 15.0), qRound(100 / 15.0), 188, 48);
        QCOMPARE(labelled.image().copy(banner), plain.image().copy(banner));
    }

    // The shadow is the text's own shape, one pixel off at the natural size, two at full
    // screen and never more.
    void shadowsStayOneOrTwoPixelsOffAtAnySize() {
        const struct {
            QSize view;
            int offset;
        } sizes[] = {{QSize(765, 546), 1}, {QSize(1920, 1030), 2}, {QSize(3060, 2184), 2}};
        for (const auto& size : sizes) {
            QtCanvas canvas;
            canvas.set_view(size.view, 1);
            Screen screen(canvas, banzuri::BG_MIDORI);
            screen.painter.描画_ハンデレベル(-10);
            // The label's row below the banner's edge, which reaches into it.
            QRect place = cells(canvas, 11, 1, 15, 1);
            place.setTop(place.top() + qRound(8 * canvas.scale()));
            const QRect front = box_of(canvas.image(), place, whitish);
            const QRect shadow = box_of(canvas.image(), place, darkish);
            QVERIFY(!front.isEmpty() && !shadow.isEmpty());
            const QString at = QString::number(size.view.width());
            QVERIFY2(shadow.right() - front.right() == size.offset, qPrintable(at));
            QVERIFY2(shadow.bottom() - front.bottom() == size.offset, qPrintable(at));
            QVERIFY2(shadow.width() <= front.width() + size.offset, qPrintable(at));
        }
    }

    void theMoveNumberEndsBeforeItsSuffixAndStaysInTheWindow() {
        for (const int number : {9, 999, 1000, 9999, 10000, 99999, 1000000}) {
            const auto is_suffix = [](const std::string& text) { return text == "手目"; };
            TextFilterCanvas none([](const std::string&) { return false; });
            TextFilterCanvas digits([&](const std::string& t) { return !is_suffix(t); });
            TextFilterCanvas suffix(is_suffix);
            for (QtCanvas* canvas : std::initializer_list<QtCanvas*>{&none, &digits, &suffix})
                Screen(*canvas, banzuri::BG_MIDORI).painter.描画_手数(number, 15);
            const QRect row = cells(none, 12, 3, 16, 3) & none.client_rect();
            const auto [digits_from, digits_to] =
                differing_columns(digits.image(), none.image(), row);
            const auto [suffix_from, suffix_to] =
                differing_columns(suffix.image(), none.image(), row);
            const QString n = QString::number(number);
            QVERIFY2(digits_from >= cells(none, 13, 3, 13, 3).left(), qPrintable(n));
            QVERIFY2(digits_to < suffix_from, qPrintable(n));
            QVERIFY2(suffix_to < none.client_rect().right(), qPrintable(n));
        }
    }
};

QTEST_MAIN(ScreenLabelsTest)
#include "screen_labels_test.moc"

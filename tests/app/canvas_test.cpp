#include <QFontInfo>
#include <QtTest>

#include "app/pictures.h"
#include "app/qt_canvas.h"
#include "app/start_picture.h"
#include "fakes/recording_fakes.h"
#include "render/board_painter.h"
#include "render/labels.h"
#include "render/pictures.h"
#include "rules/game_state.h"
#include "rules/pieces.h"
#include "settings/backgrounds.h"
#include "settings/options.h"

using banzuri::app::QtCanvas;

namespace {

// Cell (1, 1) of the board in twips and in pixels (rounded to the nearest pixel).
constexpr double kLeft = 1915;
constexpr double kTop = 790;
constexpr double kRight = 2530;
constexpr double kBottom = 1480;
constexpr int kLeftPx = 128;
constexpr int kTopPx = 53;
constexpr int kRightPx = 169;
constexpr int kBottomPx = 99;

QRgb at(const QImage& image, int x, int y, int ratio = 1) {
    return image.pixel(x * ratio, y * ratio) & 0xffffff;
}

QRgb rgb(int r, int g, int b) {
    return qRgb(r, g, b) & 0xffffff;
}

// Bounding box, in device pixels, of the pixels that differ from `background`.
QRect changed_area(const QImage& image, QRgb background) {
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xffffff) != background) area |= QRect(x, y, 1, 1);
    return area;
}

}  // namespace

class CanvasTest : public QObject {
    Q_OBJECT

  private slots:
    void paletteHasTheSixteenStandardColours() {
        const QList<QRgb> expected = {
            rgb(0, 0, 0),       rgb(0, 0, 128),   rgb(0, 128, 0),   rgb(0, 128, 128),
            rgb(128, 0, 0),     rgb(128, 0, 128), rgb(128, 128, 0), rgb(192, 192, 192),
            rgb(128, 128, 128), rgb(0, 0, 255),   rgb(0, 255, 0),   rgb(0, 255, 255),
            rgb(255, 0, 0),     rgb(255, 0, 255), rgb(255, 255, 0), rgb(255, 255, 255)};
        for (int i = 0; i < 16; ++i)
            QCOMPARE(banzuri::app::palette_colour(i).rgb() & 0xffffff, expected[i]);
    }

    void startsAsTheClientAreaInTheBoardColour() {
        QtCanvas canvas;
        QCOMPARE(canvas.image().size(), QSize(765, 546));
        QCOMPARE(at(canvas.image(), 0, 0), rgb(0, 128, 0));
        QCOMPARE(at(canvas.image(), 764, 545), rgb(0, 128, 0));
    }

    void outlineIsOnePixelWideAndLeavesTheInsideAlone() {
        QtCanvas canvas;
        canvas.fill_box(14, 0, 0, 11475, 8190);
        canvas.draw_box(12, kLeft, kTop, kRight, kBottom);
        const QImage& image = canvas.image();
        const QRgb red = rgb(255, 0, 0);
        const QRgb yellow = rgb(255, 255, 0);
        for (int x = kLeftPx; x <= kRightPx; ++x) {
            QCOMPARE(at(image, x, kTopPx), red);
            QCOMPARE(at(image, x, kBottomPx), red);
            QCOMPARE(at(image, x, kTopPx - 1), yellow);
            QCOMPARE(at(image, x, kBottomPx + 1), yellow);
        }
        for (int y = kTopPx; y <= kBottomPx; ++y) {
            QCOMPARE(at(image, kLeftPx, y), red);
            QCOMPARE(at(image, kRightPx, y), red);
            QCOMPARE(at(image, kLeftPx - 1, y), yellow);
            QCOMPARE(at(image, kRightPx + 1, y), yellow);
        }
        QCOMPARE(changed_area(image, yellow),
                 QRect(QPoint(kLeftPx, kTopPx), QPoint(kRightPx, kBottomPx)));
        for (int y = kTopPx + 1; y < kBottomPx; ++y)
            for (int x = kLeftPx + 1; x < kRightPx; ++x)
                QCOMPARE(at(image, x, y), yellow);
    }

    void filledRectangleIncludesItsEdgesWhicheverCornerComesFirst() {
        QtCanvas canvas;
        canvas.fill_box(13, kRight, kBottom, kLeft, kTop);
        QCOMPARE(changed_area(canvas.image(), rgb(0, 128, 0)),
                 QRect(QPoint(kLeftPx, kTopPx), QPoint(kRightPx, kBottomPx)));
        QCOMPARE(at(canvas.image(), kRightPx, kBottomPx), rgb(255, 0, 255));
    }

    void everyDrawnCodeHasAPictureOfItsNaturalSize() {
        for (int code = -1000; code <= 1000; ++code) {
            const QString name = banzuri::app::picture_name(code);
            QCOMPARE(!name.isEmpty(), banzuri::has_picture(code));
            if (name.isEmpty()) continue;
            QSize natural(42, 47);
            if (code == banzuri::PIC_TITLE) natural = QSize(188, 48);
            for (int background : {banzuri::BG_MIDORI, banzuri::BG_TATAMI, banzuri::BG_TAKE,
                                   banzuri::BG_UCHU, banzuri::BG_RENGA})
                if (code == background) natural = QSize(41, 46);
            const QImage normal = banzuri::app::load_picture(name, 1);
            const QImage sharp = banzuri::app::load_picture(name, 2);
            QVERIFY2(!normal.isNull(), qPrintable(name));
            QCOMPARE(normal.size(), natural);
            QCOMPARE(sharp.size(), natural * 2);
            QCOMPARE(sharp.deviceIndependentSize().toSize(), natural);
        }
        QCOMPARE(banzuri::app::picture_names().size(), 41);
    }

    void pictureCoversItsNaturalSizeFromTheCorner() {
        QtCanvas canvas;
        canvas.fill_box(13, 0, 0, 11475, 8190);
        canvas.draw_picture(banzuri::LOWER_HU, kLeft, kTop);
        QCOMPARE(changed_area(canvas.image(), rgb(255, 0, 255)), QRect(kLeftPx, kTopPx, 42, 47));
        canvas.draw_picture(banzuri::BG_TATAMI, 0, 0);
        QCOMPARE(changed_area(canvas.image(), rgb(255, 0, 255)).topLeft(), QPoint(0, 0));
        QCOMPARE(at(canvas.image(), 41, 20), rgb(255, 0, 255));
        QVERIFY(at(canvas.image(), 40, 45) != rgb(255, 0, 255));
    }

    void codesWithoutAPictureAndFarCornersDrawNothingAndDoNotFail() {
        QtCanvas canvas;
        const QImage before = canvas.image().copy();
        for (int code : {111, -111, 13, 10000})
            canvas.draw_picture(code, kLeft, kTop);
        canvas.draw_picture(banzuri::BG_UCHU, 20000, 20000);
        canvas.draw_text("", kLeft, kTop, 15, 12, false);
        QCOMPARE(canvas.image(), before);
        canvas.draw_picture(banzuri::BG_UCHU, -545, -1280);  // wholly outside the window
        QCOMPARE(canvas.image(), before);
        canvas.draw_picture(banzuri::BG_UCHU, -300, -300);  // partly outside
        QCOMPARE(changed_area(canvas.image(), rgb(0, 128, 0)), QRect(0, 0, 21, 26));
    }

    void textUsesTheMinchoFaceAtNinetySixDotsPerInch() {
        const QFont font = QtCanvas::text_font(12, true);
        QCOMPARE(QFontInfo(font).family(), QString("IPAPMincho"));
        QVERIFY(font.bold());
        QCOMPARE(font.pointSizeF(), 12.0);
    }

    void textIsDrawnBelowAndRightOfItsPositionGlyphsOnly() {
        QtCanvas canvas;
        canvas.fill_box(0, 0, 0, 11475, 8190);
        canvas.draw_text("田", kLeft, kTop, 15, 12, false);
        const QRect area = changed_area(canvas.image(), rgb(0, 0, 0));
        QVERIFY(!area.isEmpty());
        QVERIFY2(area.left() >= kLeftPx && area.top() >= kTopPx,
                 qPrintable(QString("%1,%2").arg(area.left()).arg(area.top())));
        // A 12 point character is 16 pixels: its glyph lies inside that cell.
        QVERIFY(area.right() < kLeftPx + 17);
        QVERIFY(area.bottom() < kTopPx + 19);
        QVERIFY(area.height() >= 10);
        // Only the strokes are painted: the middle of the upper left box of the character
        // keeps the black background.
        int untouched = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (at(canvas.image(), x, y) == rgb(0, 0, 0)) ++untouched;
        QVERIFY(untouched > area.width() * area.height() / 3);
        // The strokes are drawn in the text colour, smoothed at their edges: grey here.
        int brightest = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb c = at(canvas.image(), x, y);
                QCOMPARE(qRed(c), qBlue(c));
                brightest = std::max(brightest, qRed(c));
            }
        QVERIFY(brightest >= 200);
    }

    void sharpCanvasDoublesEveryPixel() {
        QtCanvas canvas(2.0);
        QCOMPARE(canvas.image().size(), QSize(1530, 1092));
        QCOMPARE(canvas.image().devicePixelRatio(), 2.0);
        canvas.fill_box(14, 0, 0, 11475, 8190);
        canvas.draw_box(12, kLeft, kTop, kRight, kBottom);
        const QImage& image = canvas.image();
        QCOMPARE(
            changed_area(image, rgb(255, 255, 0)),
            QRect(QPoint(2 * kLeftPx, 2 * kTopPx), QPoint(2 * kRightPx + 1, 2 * kBottomPx + 1)));
        QCOMPARE(image.pixel(2 * kLeftPx + 1, 2 * kTopPx + 5) & 0xffffff, rgb(255, 0, 0));
        QCOMPARE(image.pixel(2 * kLeftPx + 2, 2 * kTopPx + 5) & 0xffffff, rgb(255, 255, 0));

        canvas.fill_box(14, 0, 0, 11475, 8190);
        canvas.draw_picture(banzuri::UPPER_OU, kLeft, kTop);
        QCOMPARE(changed_area(canvas.image(), rgb(255, 255, 0)),
                 QRect(2 * kLeftPx, 2 * kTopPx, 84, 94));

        canvas.fill_box(0, 0, 0, 11475, 8190);
        canvas.draw_text("田", kLeft, kTop, 15, 12, false);
        const QRect text = changed_area(canvas.image(), rgb(0, 0, 0));
        QVERIFY(text.left() >= 2 * kLeftPx && text.top() >= 2 * kTopPx);
        QVERIFY(text.height() >= 20 && text.bottom() < 2 * (kTopPx + 19));
    }

    void fullRedrawCoversTheWholeWindowAndKeepsTheGridOnTheWood() {
        using namespace banzuri;
        QtCanvas canvas;
        app::draw_start_window(canvas, BG_UCHU, false);
        const QImage& image = canvas.image();
        const QRgb green = rgb(0, 128, 0);
        // Starfield tiles reach every corner of the window.
        for (const QPoint corner : {QPoint(0, 0), QPoint(764, 0), QPoint(0, 545), QPoint(764, 545)})
            QVERIFY(qRed(at(image, corner.x(), corner.y())) < 100 &&
                    qGreen(at(image, corner.x(), corner.y())) < 100);
        // Square (5, 5): green outline, empty wood inside.
        const int left = banzuri::app::twips_to_pixel(1300 + 5 * 615);
        const int top = banzuri::app::twips_to_pixel(100 + 5 * 690);
        QCOMPARE(at(image, left, top + 20), green);
        QCOMPARE(at(image, left + 41, top + 20), green);
        QCOMPARE(at(image, left + 20, top + 46), green);
        QVERIFY(qRed(at(image, left + 20, top + 20)) > 150);
    }

    void drawingStaysUntilOverdrawnAndRefreshCallsTheWindow() {
        QtCanvas canvas;
        int refreshes = 0;
        canvas.set_refresh_handler([&] { ++refreshes; });
        canvas.fill_box(12, 0, 0, 150, 150);
        canvas.fill_box(9, 300, 300, 450, 450);
        QCOMPARE(at(canvas.image(), 5, 5), rgb(255, 0, 0));
        QCOMPARE(at(canvas.image(), 25, 25), rgb(0, 0, 255));
        canvas.refresh();
        canvas.refresh();
        QCOMPARE(refreshes, 2);
        QtCanvas silent;
        silent.refresh();  // no window yet: nothing happens
    }

    // The window puts on the screen only what was drawn since it last looked: a clock's text
    // is a small patch, and a look with nothing drawn meanwhile finds nothing.
    void drawnAreaIsOnlyWhatWasDrawnSinceTheLastLook() {
        for (qreal ratio : {1.0, 2.0}) {
            QtCanvas canvas(ratio);
            QVERIFY(canvas.take_drawn().contains(QRect(QPoint(0, 0), canvas.view_size())));
            QVERIFY(canvas.take_drawn().isEmpty());
            const double x = 1300 + 13 * 615.0, y = 100 + 9.2 * 690;  // the lower side's clock
            canvas.draw_text("00:01:05", x, y, 15, 12, true);
            const QRect drawn = canvas.take_drawn().boundingRect();
            QVERIFY(drawn.contains(
                QPoint(banzuri::app::twips_to_pixel(x) + 2, banzuri::app::twips_to_pixel(y) + 8)));
            QVERIFY2(drawn.width() < 90 && drawn.height() < 30, qPrintable(QString::number(ratio)));
            QVERIFY(canvas.take_drawn().isEmpty());
        }
    }

    // A view made anew is drawn when first looked at, its pictures painted side by side; it
    // must match, pixel for pixel, the same window drawn one operation and one picture at a
    // time onto a view already shown, whatever the order the painters finished in.
    void aViewDrawnWhenLookedAtMatchesOneDrawnStepByStep() {
        for (const QSize size : {QSize(1531, 1093), QSize(900, 700)}) {
            QtCanvas at_once;
            banzuri::app::draw_start_window(at_once, banzuri::BG_TAKE);
            at_once.set_view(size, 1.0);
            banzuri::app::draw_start_window(at_once,
                                            banzuri::BG_TAKE);  // drawn again before a look
            QtCanvas step_by_step;
            step_by_step.set_view(size, 1.0);
            QVERIFY(!step_by_step.image().isNull());  // shown before anything is drawn
            banzuri::app::draw_start_window(step_by_step, banzuri::BG_TAKE);
            QCOMPARE(at_once.image().size(), step_by_step.image().size());
            QVERIFY(at_once.image() == step_by_step.image());
        }
    }

    // After a resize to another scale only the pictures of the new scale stay.
    void onlyThePicturesOfThePresentScaleAreKept() {
        QtCanvas resized;
        banzuri::app::draw_start_window(resized, banzuri::BG_TATAMI);
        resized.image();
        const std::size_t at_one = resized.pictures_kept();
        QVERIFY(at_one > 10);
        resized.set_view(QSize(1600, 1100), 1.0);
        resized.image();
        QtCanvas fresh;
        fresh.set_view(QSize(1600, 1100), 1.0);
        banzuri::app::draw_start_window(fresh, banzuri::BG_TATAMI);
        fresh.image();
        QCOMPARE(resized.pictures_kept(), fresh.pictures_kept());
    }
};

QTEST_MAIN(CanvasTest)
#include "canvas_test.moc"

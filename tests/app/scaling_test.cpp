// The client area at any size: the display list drawn again at other sizes and pixel ratios
// shows the same picture, stays short, and the background tiles keep the labels readable;
// pictures painted again at one size come out alike whatever text was drawn meanwhile.
#include <QPainter>
#include <QtTest>
#include <cmath>
#include <filesystem>

#include "app/qt_canvas.h"
#include "app/start_picture.h"
#include "contrast.h"
#include "fakes/recording_fakes.h"
#include "picture_art.h"
#include "render/board_painter.h"
#include "rules/game_state.h"
#include "settings/backgrounds.h"
#include "settings/options.h"

using banzuri::app::QtCanvas;

namespace {

// The window after start-up with one background, drawn through the game's full redraw.
void draw_start(QtCanvas& canvas, int background) {
    banzuri::app::draw_start_window(canvas, background);
}

// Mean difference per channel (0..255) of two images of one size.
double mean_difference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

// The client area of a view scaled down to 765 x 546.
QImage client_at_scale_one(const QtCanvas& canvas) {
    QImage client = canvas.image().copy(canvas.drawn_client_rect());
    client.setDevicePixelRatio(1);
    return client.scaled(765, 546, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

using banzuri::testing::contrast;
using banzuri::testing::luminance;

// Mean relative luminance of a picture.
double mean_luminance(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += luminance(image.pixelColor(x, y));
    return sum / (image.width() * image.height());
}

}  // namespace

class ScalingTest : public QObject {
    Q_OBJECT

  private slots:
    void largerViewsShowTheSamePicture() {
        for (int background : {banzuri::BG_TATAMI, banzuri::BG_UCHU}) {
            QtCanvas normal;
            draw_start(normal, background);
            QtCanvas doubled;
            draw_start(doubled, background);
            doubled.set_view(QSize(1530, 1092), 1);
            QCOMPARE(doubled.client_rect(), QRect(0, 0, 1530, 1092));
            QtCanvas full_screen;
            draw_start(full_screen, background);
            full_screen.set_view(QSize(1920, 1080), 1);
            // Uniform scale: the height fills the screen, margins left and right.
            QCOMPARE(full_screen.client_rect().height(), 1080);
            QVERIFY(std::abs(full_screen.client_rect().left() - (1920 - 1513) / 2) <= 1);
            const QImage expected = normal.image().convertToFormat(QImage::Format_RGB32);
            QVERIFY2(mean_difference(client_at_scale_one(doubled), expected) < 6,
                     qPrintable(
                         QString::number(mean_difference(client_at_scale_one(doubled), expected))));
            QVERIFY2(mean_difference(client_at_scale_one(full_screen), expected) < 7,
                     qPrintable(QString::number(
                         mean_difference(client_at_scale_one(full_screen), expected))));
        }
    }

    void marginsShowTheCurrentBackground() {
        QtCanvas canvas;
        draw_start(canvas, banzuri::BG_RENGA);
        canvas.set_view(QSize(1920, 1080), 1);
        const QColor margin = canvas.image().pixelColor(30, 500);
        QVERIFY(margin != banzuri::app::palette_colour(2));
        QVERIFY(margin.red() > margin.green() + 40);         // brick or mortar, not the board green
        canvas.draw_picture(banzuri::BG_UCHU, -545, -1280);  // another background drawn
        QVERIFY(luminance(canvas.image().pixelColor(30, 500)) < 0.1);
    }

    void drawingAgainAtTheSameSizeGivesTheSameImage() {
        QtCanvas canvas;
        draw_start(canvas, banzuri::BG_TAKE);
        canvas.draw_box(12, 1915, 790, 2530, 1480);
        canvas.draw_text("思考中", 800, 5900, 14, 12, true);
        const QImage first = canvas.image().copy();
        canvas.set_view(QSize(1000, 700), 1.5);
        canvas.set_view(QSize(765, 546), 1);
        QCOMPARE(canvas.image(), first);
    }

    void theListKeepsOnlyWhatIsVisible() {
        QtCanvas canvas;
        draw_start(canvas, banzuri::BG_MIDORI);
        const std::size_t after_one = canvas.recorded();
        for (int i = 0; i < 5; ++i)
            draw_start(canvas, banzuri::BG_MIDORI);
        QCOMPARE(canvas.recorded(), after_one);
        canvas.fill_box(0, 0, 0, 11475, 8190);
        QCOMPARE(canvas.recorded(), std::size_t(1));
        canvas.draw_picture(banzuri::BG_UCHU, 20000, 20000);  // outside: not kept
        QCOMPARE(canvas.recorded(), std::size_t(1));
    }

    void pressesMapBackToTwipsAtEveryScale() {
        QtCanvas canvas;
        canvas.set_view(QSize(1920, 1080), 1.5);
        const QRect client = canvas.client_rect();
        // The middle of board square (5, 5) in device pixels, back in logical pixels.
        const double px = (1300 + 5.5 * 615) / 15.0, py = (100 + 5.5 * 690) / 15.0;
        const QPointF logical =
            (QPointF(client.topLeft()) + QPointF(px, py) * canvas.scale()) / 1.5;
        const QPointF twips = canvas.to_twips(logical);
        QVERIFY(std::abs(twips.x() - (1300 + 5.5 * 615)) < 1);
        QVERIFY(std::abs(twips.y() - (100 + 5.5 * 690)) < 1);
    }

    void labelsAreReadableOnEveryBackground() {
        const double yellow = luminance(banzuri::app::palette_colour(14));
        const double white = luminance(banzuri::app::palette_colour(15));
        const double red = luminance(banzuri::app::palette_colour(12));
        const double black = luminance(banzuri::app::palette_colour(0));
        // Light red hand counts are read against their black shadow.
        QVERIFY(contrast(red, black) >= 4.5);
        for (const QString name :
             {"HAIKEI_MIDORI", "HAIKEI_TATAMI", "HAIKEI_TAKE", "HAIKEI_UCHU", "HAIKEI_RENGA"})
            for (int scale : {1, 2}) {
                const double tile = mean_luminance(banzuri::pictures::paint_picture(name, scale));
                QVERIFY2(contrast(yellow, tile) >= 4.5,
                         qPrintable(name + ": " + QString::number(contrast(yellow, tile))));
                QVERIFY2(contrast(white, tile) >= 4.5, qPrintable(name));
            }
    }

    void picturesArePaintedAtTheExactSizeAsked() {
        for (const auto& spec : banzuri::pictures::picture_specs())
            for (const QSize size :
                 {QSize(spec.width, spec.height), QSize(62, 71), QSize(166, 186)}) {
                const QImage image = banzuri::pictures::paint_picture(spec.name, size);
                QCOMPARE(image.size(), size);
            }
        QVERIFY(banzuri::pictures::paint_picture("NONE", QSize(10, 10)).isNull());
        QVERIFY(banzuri::pictures::paint_picture("KANBAN", QSize(0, 10)).isNull());
    }

    // The signboard's letters and the pieces' characters come from fonts the window also
    // draws text in, at sizes and sub-pixel positions of its own: whatever was drawn before, a
    // picture painted again at one size is the same, so the view drawn again matches the view
    // drawn bit by bit.
    void picturesPaintAlikeWhateverTextWasDrawnBefore() {
        const QStringList names = {"KANBAN", "SITA_OU", "UE_KAKU_1", "SITA_HU_0"};
        const QSize sizes[] = {QSize(246, 63), QSize(62, 71)};
        QList<QImage> first;
        for (const QString& name : names)
            for (const QSize size : sizes)
                first << banzuri::pictures::paint_picture(name, size);
        QFont brush;
        brush.setFamilies({"IPAMincho", "IPA明朝", "IPAPMincho", "Noto Serif CJK JP", "serif"});
        QImage scratch(600, 120, QImage::Format_RGB32);
        for (int step = 0; step < 12; ++step) {
            {
                QPainter painter(&scratch);
                painter.setRenderHint(QPainter::TextAntialiasing);
                painter.setFont(QtCanvas::text_font(9 + step * 0.7, step % 2 == 1));
                painter.drawText(QPointF(3 + step * 0.37, 40), "BANZURI 先手 後手 123 持ち時間");
                brush.setPixelSize(11 + step);
                painter.setFont(brush);
                painter.drawText(QPointF(5 + step * 0.29, 90), "王 角 馬 歩 と 玉 飛 龍");
            }
            int i = 0;
            for (const QString& name : names)
                for (const QSize size : sizes)
                    QVERIFY2(
                        banzuri::pictures::paint_picture(name, size) == first[i++],
                        qPrintable(name + " after text drawn in step " + QString::number(step)));
        }
    }
};

QTEST_MAIN(ScalingTest)
#include "scaling_test.moc"

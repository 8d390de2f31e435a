// Drawing the window at 4K: a full repaint from the display list with the picture cache warm,
// the first repaint at a new size (pictures painted afresh), and one game redraw; then dragging
// a window edge: the time of each resize of the board widget, shown on the screen, in a burst.
//   bench_render [repeats]
#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/board_widget.h"
#include "app/qt_canvas.h"
#include "app/start_picture.h"
#include "settings/backgrounds.h"

namespace {

using namespace banzuri;

double milliseconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    app::QtCanvas canvas;
    app::draw_start_window(canvas, BG_TATAMI);

    QElapsedTimer t;
    t.start();
    canvas.set_view(QSize(3840, 2160), 1);
    canvas.image();  // the view is drawn when first looked at
    std::printf("first repaint at 3840x2160 (pictures painted): %.1f ms\n", milliseconds(t));
    std::printf("operations kept: %zu\n", canvas.recorded());

    // The same size again, cache warm: draw the list on a fresh view of that size.
    double total = 0;
    for (int i = 0; i < repeats; ++i) {
        canvas.set_view(QSize(3841, 2160), 1);  // same scale: cache stays warm
        canvas.image();
        t.restart();
        canvas.set_view(QSize(3840, 2160), 1);
        canvas.image();
        total += milliseconds(t);
    }
    std::printf("full repaint at 3840x2160, cache warm: %.2f ms\n", total / repeats);

    QImage screen(3840, 2160, QImage::Format_RGB32);
    t.restart();
    for (int i = 0; i < repeats; ++i) {
        QPainter painter(&screen);
        painter.drawImage(0, 0, canvas.image());
    }
    std::printf("putting the view on the screen at 3840x2160: %.2f ms\n",
                milliseconds(t) / repeats);

    t.restart();
    for (int i = 0; i < repeats; ++i)
        app::draw_start_window(canvas, BG_TATAMI);
    std::printf("game's full redraw at 3840x2160, cache warm: %.2f ms\n",
                milliseconds(t) / repeats);

    // Dragging a window edge: every step a new size and scale.
    total = 0;
    for (int i = 0; i < repeats; ++i) {
        t.restart();
        canvas.set_view(QSize(1600 + 7 * i, 1000 + 5 * i), 1);
        canvas.image();
        total += milliseconds(t);
    }
    std::printf("resize step near 1600x1000 (new scale): %.1f ms\n", total / repeats);
    std::printf("pictures kept: %zu\n", canvas.pictures_kept());

    // A burst of resizes as dragging gives them: each step resized and painted at once.
    app::BoardWidget widget(canvas, [](int, double, double, std::uint64_t) {});
    widget.resize(1600, 1000);
    widget.show();
    while (widget.paint_count() == 0)  // on the screen before the drag starts
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    total = 0;
    for (int i = 0; i < repeats; ++i) {
        t.restart();
        widget.resize(1600 + 7 * i, 1000 + 5 * i);
        widget.repaint();
        total += milliseconds(t);
    }
    std::printf("drag step near 1600x1000 (resize and paint): %.1f ms\n", total / repeats);
    t.restart();
    while (t.elapsed() < 300)  // the drag stops: the exact picture follows
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    std::printf("exact at the final size: %s\n",
                canvas.image().size() == widget.size() * widget.devicePixelRatioF() ? "yes" : "no");

    // A window made full screen: from the resize to the exact picture on the screen, the
    // pictures painted afresh at the new scale (the median of several). A single resize is
    // drawn exactly at once; a burst of them waits for the size to be still.
    for (const QSize full : {QSize(1920, 1080), QSize(3840, 2160)}) {
        std::vector<double> times;
        for (int i = 0; i < std::max(3, repeats / 4); ++i) {
            widget.resize(1000 + 10 * i, 600);
            widget.repaint();
            t.restart();
            while (t.elapsed() < 300)  // a window at rest, then made full screen in one step
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            t.restart();
            widget.resize(full - QSize(0, i));
            while (canvas.view_pending() || canvas.drawn_client_rect() != canvas.client_rect())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            widget.repaint();
            times.push_back(milliseconds(t));
        }
        std::sort(times.begin(), times.end());
        std::printf("resize to %dx%d, exact picture shown: %.1f ms (median of %zu)\n", full.width(),
                    full.height(), times[times.size() / 2], times.size());
    }
    return 0;
}

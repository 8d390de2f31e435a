// The client area of the main window: shows the canvas scaled to the widget's size and
// reports mouse presses in twips of the client area with the game's button codes. While the
// size keeps changing it shows the last drawn picture stretched to the new layout, and draws
// the picture exactly once the size has been still for a moment (or a press needs it).
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "app/qt_canvas.h"

namespace banzuri::app {

class BoardWidget : public QWidget {
  public:
    // button: 1 left, 2 right; x, y in twips of the client area; the event's timestamp.
    using PressHandler = std::function<void(int button, double x, double y, std::uint64_t time)>;

    // The pointer's moves (pressed or not) and releases, in twips of the client area.
    using MoveHandler = std::function<void(double x, double y)>;
    using ReleaseHandler = std::function<void(int button, double x, double y)>;
    // The piece code drawn under the pointer while it is dragged; EMPTY for none.
    using DraggedPiece = std::function<int()>;

    BoardWidget(QtCanvas& canvas, PressHandler on_press, QWidget* parent = nullptr);
    void set_pointer_handlers(MoveHandler on_move, ReleaseHandler on_release, DraggedPiece dragged);

    QSize sizeHint() const override { return {CLIENT_WIDTH_PIXELS, CLIENT_HEIGHT_PIXELS}; }

    // How often the canvas image has been put on the screen.
    int paint_count() const { return paint_count_; }
    // Puts what the canvas drew (logical pixels of its view) on the screen, at once or with
    // the next paint.
    void show_drawn(const QRegion& drawn, bool at_once);
    // Runs once, after the first picture has been put on the screen.
    void set_first_paint_handler(std::function<void()> handler) {
        on_first_paint_ = std::move(handler);
    }
    // How long the size must stay still before the picture is drawn exactly at it, a single
    // resize included (by default a single resize is drawn exactly at once).
    void set_settle_delay(int milliseconds) {
        settle_delay_ = milliseconds;
        single_resize_delay_ = milliseconds;
    }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void settle();
    void paint_stretched(QPainter& painter);
    void paint_dragged(QPainter& painter);

    QtCanvas& canvas_;
    PressHandler on_press_;
    MoveHandler on_move_;
    ReleaseHandler on_release_;
    DraggedPiece dragged_;
    std::function<void()> on_first_paint_;
    QPointF pointer_;          // where the pointer last was (logical pixels)
    bool drag_shown_ = false;  // a dragged piece is on the screen
    int paint_count_ = 0;
    QTimer settle_timer_;
    int settle_delay_;             // while the size keeps changing
    int single_resize_delay_ = 0;  // after a resize that follows none
    QElapsedTimer since_resize_;
    bool stretched_shown_ = false;  // some of the screen shows a stretched picture
};

// The game's code of a mouse button, 0 for buttons the game does not use.
int game_button(Qt::MouseButton button);

}  // namespace banzuri::app

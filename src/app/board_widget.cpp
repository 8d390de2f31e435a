#include "app/board_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <utility>

#include "app/pictures.h"
#include "play/main_form.h"

namespace banzuri::app {

namespace {

constexpr int kSettleMilliseconds = 20;
// Resizes closer together than this are one burst, as dragging a window's edge gives them.
constexpr int kBurstMilliseconds = 100;

}  // namespace

int game_button(Qt::MouseButton button) {
    if (button == Qt::LeftButton) return MOUSE_LEFT;
    if (button == Qt::RightButton) return MOUSE_RIGHT;
    return 0;
}

BoardWidget::BoardWidget(QtCanvas& canvas, PressHandler on_press, QWidget* parent)
    : QWidget(parent),
      canvas_(canvas),
      on_press_(std::move(on_press)),
      settle_delay_(kSettleMilliseconds) {
    setMinimumSize(CLIENT_WIDTH_PIXELS / 2, CLIENT_HEIGHT_PIXELS / 2);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);  // the capture preview follows the pointer without a press
    settle_timer_.setSingleShot(true);
    connect(&settle_timer_, &QTimer::timeout, this, [this] { settle(); });
}

void BoardWidget::set_pointer_handlers(MoveHandler on_move, ReleaseHandler on_release,
                                       DraggedPiece dragged) {
    on_move_ = std::move(on_move);
    on_release_ = std::move(on_release);
    dragged_ = std::move(dragged);
}

void BoardWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (paint_count_ == 0) {  // nothing on the screen yet: draw at the first size at once
        canvas_.set_view(size(), devicePixelRatioF());
        return;
    }
    // A single resize (a window made full screen) is drawn exactly as soon as the events
    // allow; while the size keeps changing the stretched picture stands in until it is still.
    const bool burst = since_resize_.isValid() && since_resize_.elapsed() < kBurstMilliseconds;
    since_resize_.restart();
    canvas_.request_view(size(), devicePixelRatioF());
    settle_timer_.start(burst ? settle_delay_ : single_resize_delay_);
}

void BoardWidget::settle() {
    settle_timer_.stop();
    const bool pending = canvas_.view_pending();
    canvas_.settle();
    if (pending || stretched_shown_) update();
}

void BoardWidget::show_drawn(const QRegion& drawn, bool at_once) {
    // What was drawn lies in the last drawn view, not in the stretched one on the screen.
    const QRegion area = canvas_.view_pending() ? QRegion(rect()) : drawn;
    if (at_once)
        repaint(area);
    else
        update(area);
}

// The last drawn picture, its client area laid over the client area of the present size.
void BoardWidget::paint_stretched(QPainter& painter) {
    const QImage& image = canvas_.image();
    const qreal ratio = devicePixelRatioF();
    const QRect from = canvas_.drawn_client_rect();
    const QRect to = QtCanvas::layout((QSizeF(size()) * ratio).toSize()).client;
    const double kx = to.width() / double(from.width());
    const double ky = to.height() / double(from.height());
    const QRectF target(
        (QPointF(to.topLeft()) - QPointF(from.left() * kx, from.top() * ky)) / ratio,
        QSizeF(image.width() * kx, image.height() * ky) / ratio);
    if (!target.contains(QRectF(rect()))) painter.fillRect(rect(), image.pixelColor(0, 0));
    painter.drawImage(target, image, QRectF(image.rect()));
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    ++paint_count_;
    if (canvas_.view_pending()) {
        paint_stretched(painter);
        stretched_shown_ = true;
        return;
    }
    // The screen may have changed under the window: draw again at its pixel ratio.
    canvas_.set_view(size(), devicePixelRatioF());
    if (event->rect().contains(rect())) stretched_shown_ = false;
    const QImage& image = canvas_.image();
    const QRectF area = event->rect();
    const QRectF source(area.topLeft() * image.devicePixelRatio(),
                        area.size() * image.devicePixelRatio());
    painter.drawImage(area, image, source);
    paint_dragged(painter);
    if (on_first_paint_) std::exchange(on_first_paint_, nullptr)();
}

// The dragged piece, at the board's scale, centred under the pointer.
void BoardWidget::paint_dragged(QPainter& painter) {
    const int code = dragged_ ? dragged_() : EMPTY;
    drag_shown_ = code != EMPTY;
    if (!drag_shown_) return;
    const QSize natural = picture_size(code);
    const double scale = canvas_.scale() / devicePixelRatioF();
    const QSizeF size(natural.width() * scale, natural.height() * scale);
    const QImage image = paint_code_picture(
        code, (size * devicePixelRatioF()).toSize().expandedTo(QSize(1, 1)), canvas_.piece_set());
    painter.setOpacity(0.85);
    painter.drawImage(QRectF(pointer_ - QPointF(size.width() / 2, size.height() / 2), size), image);
    painter.setOpacity(1);
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    pointer_ = event->position();
    if (!on_move_ || canvas_.view_pending()) return;
    const QPointF at = canvas_.to_twips(pointer_);
    on_move_(at.x(), at.y());
    const bool dragging = dragged_ && dragged_() != EMPTY;
    if (dragging || drag_shown_) update();
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
    const int button = game_button(event->button());
    event->accept();
    pointer_ = event->position();
    if (button != 0 && on_release_) {
        settle();
        const QPointF at = canvas_.to_twips(pointer_);
        on_release_(button, at.x(), at.y());
    }
    if (drag_shown_) update();
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    const int button = game_button(event->button());
    event->accept();
    if (button == 0) return;
    settle();  // the press is mapped on the exact picture
    const QPointF at = canvas_.to_twips(event->position());
    on_press_(button, at.x(), at.y(), event->timestamp());
}

}  // namespace banzuri::app

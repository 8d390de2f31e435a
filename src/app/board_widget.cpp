#include "app/board_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "play/main_form.h"

namespace banzuri::app {

int game_button(Qt::MouseButton button) {
    if (button == Qt::LeftButton) return MOUSE_LEFT;
    if (button == Qt::RightButton) return MOUSE_RIGHT;
    return 0;
}

BoardWidget::BoardWidget(QtCanvas& canvas, PressHandler on_press, QWidget* parent)
    : QWidget(parent), canvas_(canvas), on_press_(std::move(on_press)) {
    setMinimumSize(CLIENT_WIDTH_PIXELS / 2, CLIENT_HEIGHT_PIXELS / 2);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void BoardWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    canvas_.set_view(size(), devicePixelRatioF());
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    // The screen may have changed under the window: draw again at its pixel ratio.
    canvas_.set_view(size(), devicePixelRatioF());
    QPainter painter(this);
    const QImage& image = canvas_.image();
    const QRectF area = event->rect();
    const QRectF source(area.topLeft() * image.devicePixelRatio(),
                        area.size() * image.devicePixelRatio());
    painter.drawImage(area, image, source);
    ++paint_count_;
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    const int button = game_button(event->button());
    event->accept();
    if (button == 0) return;
    const QPointF at = canvas_.to_twips(event->position());
    on_press_(button, at.x(), at.y(), event->timestamp());
}

}  // namespace banzuri::app

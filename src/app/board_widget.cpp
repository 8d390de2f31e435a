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

BoardWidget::BoardWidget(const QImage& image, PressHandler on_press, QWidget* parent)
    : QWidget(parent), image_(image), on_press_(std::move(on_press)) {
    setFixedSize(CLIENT_WIDTH_PX, CLIENT_HEIGHT_PX);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void BoardWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), image_);
    ++paint_count_;
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    const int button = game_button(event->button());
    event->accept();
    if (button == 0) return;
    const QPointF at = event->position();
    on_press_(button, at.x() * TWIPS_PER_PIXEL, at.y() * TWIPS_PER_PIXEL, event->timestamp());
}

}  // namespace banzuri::app

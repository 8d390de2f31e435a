#include "app/eval_graph.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace banzuri::app {

EvalGraph::EvalGraph(std::function<void(int row)> on_clicked, QWidget* parent)
    : QWidget(parent), on_clicked_(std::move(on_clicked)) {
    setObjectName(QStringLiteral("EVAL_GRAPH"));
    setFixedHeight(110);
    setToolTip(QCoreApplication::translate("MoveList",
                                           "形勢(上が▲/手前の有利)。クリックでその局面を表示"));
}

void EvalGraph::show_scores(const std::vector<double>& scores, int shown) {
    if (scores == scores_ && shown == shown_) return;
    scores_ = scores;
    shown_ = shown;
    update();
}

double EvalGraph::x_of(int row) const {
    const int last = std::max(1, static_cast<int>(scores_.size()) - 1);
    return 4 + (width() - 8) * row / static_cast<double>(last);
}

double EvalGraph::y_of(double pawns) const {
    const double clamped = std::clamp(pawns, -RANGE_PAWNS, RANGE_PAWNS);
    return height() / 2.0 - clamped / RANGE_PAWNS * (height() / 2.0 - 4);
}

int EvalGraph::row_at(double x) const {
    if (scores_.size() < 2) return 0;
    const double step = (width() - 8) / static_cast<double>(scores_.size() - 1);
    const int row = static_cast<int>(std::lround((x - 4) / step));
    return std::clamp(row, 0, static_cast<int>(scores_.size()) - 1);
}

void EvalGraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QPen(QColor(150, 150, 150), 1));
    painter.drawLine(QPointF(0, y_of(0)), QPointF(width(), y_of(0)));
    if (scores_.empty()) return;
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath line;
    for (std::size_t row = 0; row < scores_.size(); ++row) {
        const QPointF at(x_of(static_cast<int>(row)), y_of(scores_[row]));
        if (row == 0)
            line.moveTo(at);
        else
            line.lineTo(at);
    }
    painter.setPen(QPen(QColor(30, 90, 170), 2));
    painter.drawPath(line);
    painter.setPen(QPen(QColor(200, 40, 30), 2));
    const double x = x_of(std::clamp(shown_, 0, static_cast<int>(scores_.size()) - 1));
    painter.drawLine(QPointF(x, 0), QPointF(x, height()));
}

void EvalGraph::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (!scores_.empty()) on_clicked_(row_at(event->position().x()));
}

}  // namespace banzuri::app

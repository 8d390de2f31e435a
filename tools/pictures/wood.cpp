#include "wood.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace banzuri::pictures {

int clamp_channel(double v) {
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

double hash_noise(int x, int y, int seed) {
    auto h = static_cast<std::uint32_t>(x) * 374761393u +
             static_cast<std::uint32_t>(y) * 668265263u +
             static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<double>(h & 0xffffffu) / 16777216.0;
}

// Adds a little brightness noise to every device pixel; noise of single pixels tiles freely.
void add_noise(QImage& image, double amount, int seed) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double d = (hash_noise(x, y, seed) - 0.5) * amount;
            const QRgb c = line[x];
            line[x] = qRgba(clamp_channel(qRed(c) + d), clamp_channel(qGreen(c) + d),
                            clamp_channel(qBlue(c) + d), qAlpha(c));
        }
    }
}

QImage new_image(QSize device, QColor fill) {
    QImage image(device, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void scale_to(QPainter& painter, QSize device, double width, double height) {
    painter.scale(device.width() / width, device.height() / height);
}

QSize device_size(int width, int height, int scale) {
    return {width * scale, height * scale};
}

void paint_square_wood(QPainter& painter, double width, double height) {
    QLinearGradient base(0, 0, width, height);
    base.setColorAt(0, QColor(236, 196, 120));
    base.setColorAt(1, QColor(214, 168, 92));
    painter.fillRect(QRectF(0, 0, width, height), base);
    // Straight vertical grain with a slow wobble; each line a little darker than the wood.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const int lines = static_cast<int>(width / 3.1) + 1;
    for (int i = 0; i < lines; ++i) {
        const double x0 = 1.5 + i * 3.1 + hash_noise(i, 1, 7) * 1.2;
        const double alpha = 18 + hash_noise(i, 2, 7) * 30;
        QPainterPath grain;
        grain.moveTo(x0, 0);
        for (double y = 2; y <= height + 1; y += 2)
            grain.lineTo(x0 + 0.6 * std::sin(y * 0.21 + i * 1.7), y);
        painter.setPen(
            QPen(QColor(140, 90, 40, static_cast<int>(alpha)), 0.5 + hash_noise(i, 3, 7) * 0.6));
        painter.drawPath(grain);
    }
    painter.restore();
}

QPolygonF piece_outline(double left, double top, double width, double height) {
    const double shoulder = height * 0.2;
    const double inset = width * 0.12;
    return QPolygonF({QPointF(left + width / 2, top),
                      QPointF(left + width - inset * 0.55, top + shoulder),
                      QPointF(left + width, top + height), QPointF(left, top + height),
                      QPointF(left + inset * 0.55, top + shoulder)});
}

void paint_piece_body(QPainter& painter, const QPolygonF& outline, bool upside_down) {
    QPolygonF body = outline;
    if (upside_down) {
        const QPointF centre = outline.boundingRect().center();
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotate(180);
        turn.translate(-centre.x(), -centre.y());
        body = turn.map(outline);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Shadow: two soft layers below and to the right.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 35, 10, 45));
    painter.drawPolygon(body.translated(1.6, 1.9));
    painter.setBrush(QColor(60, 35, 10, 70));
    painter.drawPolygon(body.translated(0.9, 1.1));
    // The edge: darker wood, then a lighter face lit from the upper left.
    const QRectF box = body.boundingRect();
    painter.setBrush(QColor(150, 100, 48));
    painter.drawPolygon(body);
    QLinearGradient face(box.topLeft(), box.bottomRight());
    face.setColorAt(0, QColor(255, 238, 196));
    face.setColorAt(0.55, QColor(246, 218, 158));
    face.setColorAt(1, QColor(226, 190, 124));
    painter.setBrush(face);
    const QPointF centre = box.center();
    QTransform shrink;
    shrink.translate(centre.x(), centre.y());
    shrink.scale((box.width() - 1.6) / box.width(), (box.height() - 1.6) / box.height());
    shrink.translate(-centre.x(), -centre.y());
    const QPolygonF inner = shrink.map(body);
    painter.drawPolygon(inner);
    // Grain on the face, clipped to it.
    QPainterPath clip;
    clip.addPolygon(inner);
    painter.setClipPath(clip);
    for (int i = 0; i < 9; ++i) {
        const double x0 = box.left() + 2 + i * (box.width() - 4) / 8.0 + hash_noise(i, 4, 9);
        painter.setPen(
            QPen(QColor(190, 140, 80, 28 + static_cast<int>(hash_noise(i, 5, 9) * 24)), 0.6));
        painter.drawLine(QPointF(x0, box.top()), QPointF(x0 + 0.8, box.bottom()));
    }
    // A highlight along the upper left edges.
    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    QLinearGradient light(box.topLeft(), box.bottomRight());
    light.setColorAt(0, QColor(255, 255, 240, 170));
    light.setColorAt(0.5, QColor(255, 255, 240, 0));
    painter.setPen(QPen(QBrush(light), 0.8));
    painter.drawPolygon(inner);
    painter.restore();
}

}  // namespace banzuri::pictures

#include "backgrounds.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "wood.h"

namespace banzuri::pictures {

namespace {

constexpr int kWidth = 41;
constexpr int kHeight = 46;

// Draws `paint` at the tile and at its wrapped neighbours, so shapes crossing an edge
// continue on the opposite side.
template <typename Paint>
void wrapped(QPainter& painter, Paint paint) {
    for (int dx : {-kWidth, 0, kWidth})
        for (int dy : {-kHeight, 0, kHeight}) {
            painter.save();
            painter.translate(dx, dy);
            paint();
            painter.restore();
        }
}

QImage midori(QSize device) {
    QImage image = new_image(device, QColor(22, 116, 40));
    add_noise(image, 10, 11);
    return image;
}

QImage tatami(QSize device) {
    QImage image = new_image(device, QColor(50, 78, 32));
    QPainter painter(&image);
    scale_to(painter, device, kWidth, kHeight);
    painter.setRenderHint(QPainter::Antialiasing);
    // Rush strands run across; every strand has a lit upper half and a shaded lower half, and
    // its tone changes where a warp thread crosses it, which gives the woven look.
    const double warps[] = {10.25, 30.75};
    for (int row = 0; row < kHeight / 2; ++row) {
        const double y = row * 2.0;
        for (int part = 0; part < 2; ++part) {
            const double tone = hash_noise(row, part, 21) * 10 - 5 + (row + part) % 2 * 5;
            QLinearGradient strand(0, y, 0, y + 2);
            strand.setColorAt(0, QColor(clamp_channel(82 + tone), clamp_channel(114 + tone),
                                        clamp_channel(50 + tone / 2)));
            strand.setColorAt(1, QColor(clamp_channel(42 + tone), clamp_channel(68 + tone),
                                        clamp_channel(26 + tone / 2)));
            if (part == 0) {
                painter.fillRect(QRectF(warps[0], y, warps[1] - warps[0], 2), strand);
            } else {
                painter.fillRect(QRectF(0, y, warps[0], 2), strand);
                painter.fillRect(QRectF(warps[1], y, kWidth - warps[1], 2), strand);
            }
        }
    }
    // Warp threads hold the weave: slightly darker vertical lines, the strand edges dip there.
    painter.setPen(QPen(QColor(26, 40, 14, 150), 0.8));
    for (double x : warps) {
        painter.drawLine(QPointF(x, 0), QPointF(x, kHeight));
    }
    painter.end();
    add_noise(image, 5, 22);
    return image;
}

void bamboo_stalk(QPainter& painter, double left, double width, double node_y) {
    QLinearGradient body(left, 0, left + width, 0);
    body.setColorAt(0, QColor(58, 86, 42));
    body.setColorAt(0.28, QColor(88, 118, 62));
    body.setColorAt(0.65, QColor(60, 90, 42));
    body.setColorAt(1, QColor(30, 50, 22));
    painter.fillRect(QRectF(left, -kHeight, width, 3 * kHeight), body);
    // A node: a dark ring with a light lip above it.
    wrapped(painter, [&] {
        painter.fillRect(QRectF(left, node_y - 1.0, width, 1.0), QColor(150, 170, 110, 90));
        painter.fillRect(QRectF(left, node_y, width, 1.4), QColor(24, 40, 16, 170));
        painter.fillRect(QRectF(left, node_y + 1.4, width, 1.0), QColor(20, 34, 12, 70));
    });
}

QImage take(QSize device) {
    QImage image = new_image(device, QColor(16, 30, 12));
    QPainter painter(&image);
    scale_to(painter, device, kWidth, kHeight);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(QRectF(0, 0, kWidth, kHeight));
    bamboo_stalk(painter, 1.5, 17, 12);
    bamboo_stalk(painter, 22, 17.5, 33);
    // Gaps between the stalks in shadow.
    painter.fillRect(QRectF(0, 0, 1.5, kHeight), QColor(12, 24, 9));
    painter.fillRect(QRectF(18.5, 0, 3.5, kHeight), QColor(12, 24, 9));
    painter.fillRect(QRectF(39.5, 0, 1.5, kHeight), QColor(12, 24, 9));
    painter.end();
    add_noise(image, 4, 31);
    return image;
}

QImage uchu(QSize device) {
    QImage image = new_image(device, QColor(4, 4, 14));
    QPainter painter(&image);
    scale_to(painter, device, kWidth, kHeight);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // A faint nebula tint, then stars of three magnitudes; the bright ones glow.
    wrapped(painter, [&] {
        QRadialGradient haze(QPointF(28, 14), 24);
        haze.setColorAt(0, QColor(60, 40, 110, 60));
        haze.setColorAt(1, QColor(20, 10, 40, 0));
        painter.setBrush(haze);
        painter.drawEllipse(QPointF(28, 14), 24, 24);
    });
    for (int star = 0; star < 34; ++star) {
        const QPointF at(hash_noise(star, 1, 41) * kWidth, hash_noise(star, 2, 41) * kHeight);
        const double magnitude = hash_noise(star, 3, 41);
        const double radius = magnitude > 0.95 ? 0.75 : (magnitude > 0.6 ? 0.5 : 0.32);
        const int tint = static_cast<int>(hash_noise(star, 4, 41) * 3);
        const QColor colour = tint == 0   ? QColor(255, 255, 255)
                              : tint == 1 ? QColor(200, 220, 255)
                                          : QColor(255, 236, 200);
        wrapped(painter, [&] {
            if (radius > 0.7) {
                QRadialGradient glow(at, 2.2);
                glow.setColorAt(0, QColor(colour.red(), colour.green(), colour.blue(), 80));
                glow.setColorAt(1, QColor(colour.red(), colour.green(), colour.blue(), 0));
                painter.setBrush(glow);
                painter.drawEllipse(at, 2.2, 2.2);
            }
            painter.setBrush(colour);
            painter.drawEllipse(at, radius, radius);
        });
    }
    return image;
}

QImage renga(QSize device) {
    QImage image = new_image(device, QColor(150, 140, 126));  // mortar
    QPainter painter(&image);
    scale_to(painter, device, kWidth, kHeight);
    painter.setRenderHint(QPainter::Antialiasing);
    constexpr double kMortar = 1.2;
    const double rows[] = {0, 11.5, 23, 34.5, 46};
    for (int row = 0; row < 4; ++row) {
        const double top = rows[row] + kMortar / 2;
        const double height = rows[row + 1] - rows[row] - kMortar;
        const double offset = row % 2 == 0 ? 0 : kWidth / 2.0;
        for (int brick = -1; brick <= 1; ++brick) {
            const double left = offset + brick * kWidth + kMortar / 2;
            const QRectF face(left, top, kWidth - kMortar, height);
            const double tone = hash_noise(row, brick + (row % 2 == 0 ? 0 : 1), 51) * 36 - 18;
            QLinearGradient fill(face.topLeft(), face.bottomLeft());
            fill.setColorAt(0, QColor(clamp_channel(176 + tone), clamp_channel(64 + tone / 2),
                                      clamp_channel(52 + tone / 3)));
            fill.setColorAt(1, QColor(clamp_channel(150 + tone), clamp_channel(50 + tone / 2),
                                      clamp_channel(36 + tone / 3)));
            painter.setPen(Qt::NoPen);
            painter.setBrush(fill);
            painter.drawRoundedRect(face, 0.8, 0.8);
            painter.setPen(QPen(QColor(236, 140, 110, 110), 0.6));
            painter.drawLine(face.topLeft() + QPointF(0.8, 0.4),
                             face.topRight() + QPointF(-0.8, 0.4));
            painter.setPen(QPen(QColor(70, 20, 10, 110), 0.6));
            painter.drawLine(face.bottomLeft() + QPointF(0.8, -0.3),
                             face.bottomRight() + QPointF(-0.8, -0.3));
        }
    }
    painter.end();
    add_noise(image, 16, 52);
    return image;
}

}  // namespace

QImage paint_background(const QString& kind, QSize device) {
    if (kind == "MIDORI") return midori(device);
    if (kind == "TATAMI") return tatami(device);
    if (kind == "TAKE") return take(device);
    if (kind == "UCHU") return uchu(device);
    if (kind == "RENGA") return renga(device);
    return {};
}

}  // namespace banzuri::pictures

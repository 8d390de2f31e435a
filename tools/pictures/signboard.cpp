#include "signboard.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "text_outline.h"
#include "wood.h"

namespace banzuri::pictures {

namespace {

constexpr double kTracking = 3.0;  // extra space between the letters of the logotype
constexpr double kLogoWidth = 132;

void paint_plank(QPainter& painter) {
    QLinearGradient frame(0, 0, 0, SIGN_HEIGHT);
    frame.setColorAt(0, QColor(112, 66, 30));
    frame.setColorAt(1, QColor(66, 36, 14));
    painter.setPen(Qt::NoPen);
    painter.setBrush(frame);
    painter.drawRoundedRect(QRectF(0, 0, SIGN_WIDTH, SIGN_HEIGHT), 4, 4);
    const QRectF plank(3.5, 3.5, SIGN_WIDTH - 7, SIGN_HEIGHT - 7);
    painter.save();
    QPainterPath clip;
    clip.addRoundedRect(plank, 2, 2);
    painter.setClipPath(clip);
    // Warm wood with a few long, gently bending grain lines along the plank.
    QLinearGradient wood(plank.topLeft(), plank.bottomLeft());
    wood.setColorAt(0, QColor(240, 204, 138));
    wood.setColorAt(1, QColor(216, 170, 100));
    painter.fillRect(plank, wood);
    for (int i = 0; i < 8; ++i) {
        QPainterPath grain;
        const double y0 = plank.top() + 3 + i * 5.2 + hash_noise(i, 8, 3) * 2;
        grain.moveTo(plank.left(), y0);
        for (double x = plank.left(); x <= plank.right() + 6; x += 6)
            grain.lineTo(x, y0 + 1.4 * std::sin(x * 0.03 + i * 1.3));
        painter.setPen(
            QPen(QColor(150, 96, 44, 28 + static_cast<int>(hash_noise(i, 9, 3) * 26)), 0.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(grain);
    }
    painter.restore();
    // A carved groove just inside the edge: shadow above and left, light below and right.
    const QRectF groove = plank.adjusted(3, 3, -3, -3);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(90, 52, 20, 150), 0.8));
    painter.drawRoundedRect(groove, 1.5, 1.5);
    painter.setPen(QPen(QColor(255, 236, 190, 150), 0.6));
    painter.drawRoundedRect(groove.translated(0.6, 0.6), 1.5, 1.5);
}

// The logotype as one outline, letters spaced out, centred on the plank.
QPainterPath logotype() {
    QFont font;
    font.setFamilies({"IPAPMincho", "IPA P明朝", "IPAMincho", "DejaVu Serif", "serif"});
    font.setPixelSize(24);
    const QFontMetricsF metrics(font);
    const QString word = QStringLiteral("BANZURI");
    QPainterPath path;
    double x = 0;
    for (const QChar letter : word) {
        path.addPath(text_outline(font, QString(letter)).translated(x, 0));
        x += metrics.horizontalAdvance(letter) + kTracking;
    }
    // Fitted between the two ornaments, whatever the face's widths.
    const QRectF bounds = path.boundingRect();
    const double fit = std::min(1.0, kLogoWidth / bounds.width());
    QTransform place;
    place.translate(SIGN_WIDTH / 2.0, SIGN_HEIGHT / 2.0);
    place.scale(fit, fit);
    place.translate(-bounds.center().x(), -bounds.center().y());
    return place.map(path);
}

// A small piece-shaped ornament pointing up, centred on (cx, cy).
QPainterPath ornament(double cx, double cy) {
    QPolygonF shape(piece_outline(cx - 4.5, cy - 6, 9, 12));
    QPainterPath path;
    path.addPolygon(shape);
    path.closeSubpath();
    return path;
}

// Carved into the wood: the far wall in shadow, the near lip catching the light, the cut dark.
void carve(QPainter& painter, const QPainterPath& shape) {
    painter.fillPath(shape.translated(0.7, 0.9), QColor(255, 240, 200, 210));
    painter.fillPath(shape.translated(-0.4, -0.5), QColor(60, 30, 8, 200));
    QLinearGradient cut(0, shape.boundingRect().top(), 0, shape.boundingRect().bottom());
    cut.setColorAt(0, QColor(54, 26, 8));
    cut.setColorAt(1, QColor(104, 58, 22));
    painter.fillPath(shape, cut);
}

}  // namespace

QImage paint_signboard(QSize device) {
    QImage image = new_image(device);
    QPainter painter(&image);
    scale_to(painter, device, SIGN_WIDTH, SIGN_HEIGHT);
    painter.setRenderHint(QPainter::Antialiasing);
    paint_plank(painter);
    carve(painter, logotype());
    carve(painter, ornament(14, SIGN_HEIGHT / 2.0));
    carve(painter, ornament(SIGN_WIDTH - 14, SIGN_HEIGHT / 2.0));
    return image;
}

}  // namespace banzuri::pictures

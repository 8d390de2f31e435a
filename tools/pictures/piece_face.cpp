#include "piece_face.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "text_outline.h"

namespace banzuri::pictures {

namespace {

const QColor kInkBlack(20, 12, 4);
const QColor kInkRed(190, 16, 16);

QFont brush_font() {
    QFont font;
    font.setFamilies({"IPAMincho", "IPA明朝", "IPAPMincho", "Noto Serif CJK JP", "serif"});
    font.setPixelSize(100);  // outlines are scaled from this size
    return font;
}

// One character as an outline centred on (cx, cy), `size` pixels high.
QPainterPath character(const QString& ch, double cx, double cy, double size) {
    const QPainterPath path = text_outline(brush_font(), ch);
    const QRectF bounds = path.boundingRect();
    QTransform place;
    place.translate(cx, cy);
    place.scale(size / 100.0, size / 100.0);
    place.translate(-bounds.center().x(), -bounds.center().y());
    return place.map(path);
}

QPainterPath face_outline(const QRectF& box, const PieceLook& look) {
    const double cx = box.center().x() + 0.2;
    if (look.face.size() == 1)
        return character(look.face, cx, box.top() + box.height() * 0.6,
                         box.height() * 0.52 * look.rank);
    const double size = box.height() * 0.34 * look.rank;
    QPainterPath path = character(look.face.left(1), cx, box.top() + box.height() * 0.43, size);
    path.addPath(character(look.face.mid(1, 1), cx, box.top() + box.height() * 0.78, size));
    return path;
}

// Coverage of `path` (device pixels) rasterised at `factor` times and averaged down.
QImage coverage(const QPainterPath& path, QSize device, double stroke, int factor) {
    QImage big(device * factor, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter painter(&big);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(factor, factor);
    painter.fillPath(path, Qt::black);
    painter.strokePath(path, QPen(Qt::black, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.end();
    return big.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

void paint_face(QImage& image, double natural_width, double natural_height, const QRectF& box,
                const PieceLook& look, bool upside_down) {
    if (look.face.isEmpty()) return;
    const double sx = image.width() / natural_width;
    const double sy = image.height() / natural_height;
    QTransform to_device;
    to_device.scale(sx, sy);
    if (upside_down) {
        to_device.translate(box.center().x(), box.center().y());
        to_device.rotate(180);
        to_device.translate(-box.center().x(), -box.center().y());
    }
    const QPainterPath path = to_device.map(face_outline(box, look));
    // A brush stroke keeps some weight however small: a little extra ink, most at small sizes.
    const double stroke = box.height() * sy * 0.016 + 0.2;
    const int factor = image.height() < 120 ? 4 : 2;
    const QImage mask = coverage(path, image.size(), stroke, factor);
    const QColor ink = look.promoted ? kInkRed : kInkBlack;
    QImage layer(image.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            // Sharpened edges: faint fringes drop, nearly full pixels become full.
            const double a = std::clamp((qAlpha(in[x]) / 255.0 - 0.1) / 0.78, 0.0, 1.0);
            const int alpha = static_cast<int>(std::lround(a * 255));
            out[x] = qPremultiply(qRgba(ink.red(), ink.green(), ink.blue(), alpha));
        }
    }
    QPainter painter(&image);
    painter.drawImage(0, 0, layer);
}

}  // namespace banzuri::pictures

#include "app_icon.h"

#include <QPainter>

#include "piece_face.h"
#include "wood.h"

namespace banzuri::pictures {

QImage paint_app_icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    // The piece in a 100 x 100 square: as tall as the icon allows, with room for its shadow.
    const QRectF box(13, 3, 74, 92);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 100.0, size / 100.0);
        paint_piece_body(painter, piece_outline(box.left(), box.top(), box.width(), box.height()),
                         false);
    }
    // Small icons get the single character, which stays readable; larger ones the full name.
    const QString face = size < 48 ? QStringLiteral("王") : QStringLiteral("王将");
    paint_face(image, 100, 100, box, PieceLook{face, false, 1.0}, false);
    return image;
}

}  // namespace banzuri::pictures

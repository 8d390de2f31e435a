#include "app_icon.h"

#include <QPainter>

#include "picture_art.h"
#include "wood.h"

namespace banzuri::pictures {

QImage paint_app_icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // The piece in a 100 x 100 square: as tall as the icon allows, with room for its shadow.
    painter.scale(size / 100.0, size / 100.0);
    const QRectF box(13, 3, 74, 92);
    paint_piece_body(painter, piece_outline(box.left(), box.top(), box.width(), box.height()),
                     false);
    // Small icons get the single character, which stays readable; larger ones the full name.
    paint_piece_face(painter, box, size < 48 ? QStringLiteral("王") : QStringLiteral("王将"),
                     false);
    return image;
}

}  // namespace banzuri::pictures

// The game's picture set, painted from code: wooden squares and pieces, the capture animation
// frames, the title signboard and the five background tiles.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

namespace banzuri::pictures {

struct PictureSpec {
    QString name;  // resource and file name without extension
    int width;     // natural size at scale 1, in pixels
    int height;
};

// Every picture of the set, in a fixed order.
const std::vector<PictureSpec>& picture_specs();

// Paints the named picture at `scale` device pixels per pixel; a null image for unknown names.
QImage paint_picture(const QString& name, int scale);

// The face of a piece, one or two characters read top to bottom, upright inside its outline box;
// red for a promoted piece.
void paint_piece_face(QPainter& painter, const QRectF& box, const QString& face, bool promoted);

}  // namespace banzuri::pictures

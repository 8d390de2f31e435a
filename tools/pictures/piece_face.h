// The lettering of a piece: Mincho characters with the weight of a brush, rasterised
// supersampled and with sharpened edges so that small sizes stay crisp.
#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>

namespace banzuri::pictures {

struct PieceLook {
    QString face;       // one or two characters, read top to bottom
    bool promoted;      // red ink
    double rank = 1.0;  // size of the lettering relative to a rook's
};

// Paints the face of `look` upright in `box` (or turned by 180 degrees about its centre when
// `upside_down`) onto `image`, whose device size holds a picture of natural size
// natural_width x natural_height; the box is in natural pixels.
void paint_face(QImage& image, double natural_width, double natural_height, const QRectF& box,
                const PieceLook& look, bool upside_down);

}  // namespace banzuri::pictures

// The lettering of a piece: Mincho characters with the weight of a brush, rasterised
// supersampled and with sharpened edges so that small sizes stay crisp.
#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>
#include <vector>

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

// A square a piece reaches, as the international face marks it: one step (a dot) or a
// slide as far as the way is free (an arrowhead) towards (dx, dy), where dy < 0 is forwards
// (towards the enemy) and dx < 0 to the piece's left as it points up.
struct Reach {
    int dx;
    int dy;
    bool slide;
    bool operator==(const Reach&) const = default;
};

// The marks of the piece kind ("HU_0", "SYA_1", "OU", ...); empty for other names.
std::vector<Reach> reach_marks(const QString& kind);

// The letter in the middle of the international face: P L N S G B R K, as in Western
// notation; the empty text for other names.
QString international_symbol(const QString& kind);

// Paints the international face of `kind` in `box` as paint_face does: the letter with the
// reach marks around it, red ink for promoted pieces (kinds ending in "_1").
void paint_international_face(QImage& image, double natural_width, double natural_height,
                              const QRectF& box, const QString& kind, bool upside_down);

// Where the mark of `reach` lies in a box of the face, the piece pointing up (natural
// pixels): the centre of its dot or arrowhead.
QPointF reach_mark_centre(const QRectF& box, const Reach& reach);

}  // namespace banzuri::pictures

// The game's picture set, painted from code at any pixel size: wooden squares and pieces, the
// capture animation frames, the title signboard and the five background tiles. Used by the
// window at run time and by the build to make the help page's pictures.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

namespace banzuri::pictures {

struct PictureSpec {
    QString name;  // resource and file name without extension
    int width;     // natural size at scale 1, in pixels
    int height;
};

// The faces of the pieces: kanji, or a letter with marks for the squares the piece reaches
// for players who do not read kanji.
enum class PieceSet { KANJI, INTERNATIONAL };

// Every picture of the set, in a fixed order.
const std::vector<PictureSpec>& picture_specs();

// Natural size of the named picture; empty for unknown names.
QSize natural_size(const QString& name);

// Paints the named picture stretched to exactly `device` pixels, the pieces with the faces of
// `set`; a null image for unknown names or an empty size.
QImage paint_picture(const QString& name, QSize device, PieceSet set = PieceSet::KANJI);

// The same at a whole number of device pixels per pixel.
QImage paint_picture(const QString& name, int scale, PieceSet set = PieceSet::KANJI);

// The piece pictures ("SITA_HU_0" ... "UE_OU"): the pictures a piece set changes.
bool is_piece_picture(const QString& name);

// Natural size of a lone piece (no square under it).
inline constexpr int LONE_PIECE_WIDTH = 38;
inline constexpr int LONE_PIECE_HEIGHT = 46;

// A piece of `kind` ("OU", "HU_0", ...) with its own outline and shadow on a transparent
// ground, at `device` pixels; turned by 180 degrees for the upper side.
QImage paint_lone_piece(const QString& kind, bool upper, QSize device,
                        PieceSet set = PieceSet::KANJI);

}  // namespace banzuri::pictures

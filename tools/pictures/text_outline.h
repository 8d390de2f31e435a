// Text as outlines for the picture painter.
#pragma once

#include <QFont>
#include <QPainterPath>
#include <QString>

namespace banzuri::pictures {

// The outline of `text` in `font`, its baseline starting at the origin. Each outline is taken
// from the font once and kept: Qt reads glyph outlines from a font face it shares with every
// text drawn in that face, and leaves on it the sub-pixel offset of the glyph it last drew;
// an outline taken again could lie a fraction of a pixel elsewhere, whatever text the window
// drew meanwhile, and one picture painted twice at one size would come out differently.
QPainterPath text_outline(const QFont& font, const QString& text);

}  // namespace banzuri::pictures

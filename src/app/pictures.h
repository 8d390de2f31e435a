// The picture set: which picture each drawing code shows, painted by the picture painter at
// the pixel size the screen needs.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include "picture_art.h"

namespace banzuri::app {

// Resource name ("SITA_HU_0", "KARA_MASU", "HAIKEI_TAKE", ...) of the picture drawn for
// `code`; the empty text for codes without a picture.
QString picture_name(int code);

// Every picture name of the set.
const QStringList& picture_names();

// Natural size in pixels of the picture drawn for `code`; empty for codes without one.
QSize picture_size(int code);

using pictures::PieceSet;

// The picture drawn for `code`, painted at exactly `device` pixels, a piece with the faces of
// `set`. Null for codes without one.
QImage paint_code_picture(int code, QSize device, PieceSet set = PieceSet::KANJI);

// The named picture at `ratio` device pixels per pixel, with its device pixel ratio set so
// that it is drawn at its natural size. Null for unknown names.
QImage load_picture(const QString& name, qreal ratio, PieceSet set = PieceSet::KANJI);

}  // namespace banzuri::app

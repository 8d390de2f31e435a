// The embedded picture set: which picture each drawing code shows, and loading it at the
// resolution of the screen.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace banzuri::app {

// Resource name ("SITA_HU_0", "KARA_MASU", "HAIKEI_TAKE", ...) of the picture drawn for
// `code`; the empty text for codes without a picture.
QString picture_name(int code);

// Every picture name of the set.
const QStringList& picture_names();

// The picture ":/pictures/NAME.png", or "NAME@2x.png" when `ratio` is above 1, with its
// device pixel ratio set so that it is drawn at its natural size. Null when missing.
QImage load_picture(const QString& name, qreal ratio);

}  // namespace banzuri::app

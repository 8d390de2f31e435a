// The five background tiles, 41 x 46 pixels at scale 1 and painted
// at any device size, seamless when laid side by side.
#pragma once

#include <QImage>
#include <QString>

namespace banzuri::pictures {

// "MIDORI", "TATAMI", "TAKE", "UCHU" or "RENGA" at `device` pixels; a null image for
// anything else.
QImage paint_background(const QString& kind, QSize device);

}  // namespace banzuri::pictures

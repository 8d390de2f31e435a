// The title signboard: the logotype "BANZURI" carved into a wooden plank, 188 x 48 pixels at
// scale 1.
#pragma once

#include <QImage>
#include <QSize>

namespace banzuri::pictures {

inline constexpr int SIGN_WIDTH = 188;
inline constexpr int SIGN_HEIGHT = 48;

QImage paint_signboard(QSize device);

}  // namespace banzuri::pictures

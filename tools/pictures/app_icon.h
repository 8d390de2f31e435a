// The application icon: a wooden king piece, the same piece the board shows, on a clear ground.
#pragma once

#include <QImage>

namespace banzuri::pictures {

// The icon as a square image of `size` pixels.
QImage paint_app_icon(int size);

}  // namespace banzuri::pictures

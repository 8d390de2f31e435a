// Placeholder: keeps the board colour; the real painting is being built.
#include "app/qt_canvas.h"

namespace banzuri::app {

QtCanvas::QtCanvas(qreal device_pixel_ratio)
    : image_(static_cast<int>(765 * device_pixel_ratio), static_cast<int>(546 * device_pixel_ratio),
             QImage::Format_RGB32) {
    image_.setDevicePixelRatio(device_pixel_ratio);
    image_.fill(QColor(0, 128, 0));
}

void QtCanvas::draw_picture(int, double, double) {}
void QtCanvas::draw_box(int, double, double, double, double) {}
void QtCanvas::fill_box(int, double, double, double, double) {}
void QtCanvas::draw_text(const std::string&, double, double, int, double, bool) {}
void QtCanvas::refresh() {
    if (on_refresh_) on_refresh_();
}

}  // namespace banzuri::app

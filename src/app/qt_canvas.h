// The window's drawing surface: an off-screen image of the whole client area that keeps what
// was drawn until something is drawn over it.
#pragma once

#include <QImage>
#include <functional>

#include "render/canvas.h"

namespace banzuri::app {

class QtCanvas : public Canvas {
  public:
    // The image holds the client area at `device_pixel_ratio` pixels per logical pixel.
    explicit QtCanvas(qreal device_pixel_ratio = 1.0);

    void draw_picture(int code, double x, double y) override;
    void draw_box(int colour, double x1, double y1, double x2, double y2) override;
    void fill_box(int colour, double x1, double y1, double x2, double y2) override;
    void draw_text(const std::string& text, double x, double y, int colour, double size,
                   bool bold) override;
    void refresh() override;

    const QImage& image() const { return image_; }
    // Called by refresh(): the window shows the image at once.
    void set_refresh_handler(std::function<void()> handler) { on_refresh_ = std::move(handler); }

  private:
    QImage image_;
    std::function<void()> on_refresh_;
};

}  // namespace banzuri::app

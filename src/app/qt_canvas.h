// The window's drawing surface: an off-screen image of the whole client area that keeps what
// was drawn until something is drawn over it.
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <functional>
#include <unordered_map>

#include "render/canvas.h"

namespace banzuri::app {

// Client area of the window in logical pixels (11475 x 8190 twips).
inline constexpr int CLIENT_WIDTH_PIXELS = 765;
inline constexpr int CLIENT_HEIGHT_PIXELS = 546;

// Colour of a palette index 0..15, as the 16-colour palette gives it; black outside.
QColor palette_colour(int index);

// Pixel of a twips coordinate, rounded to the nearest.
int twips_to_pixel(double twips);

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

    // The window font at a size in points and a weight.
    static QFont text_font(double points, bool bold);

  private:
    const QImage& picture(int code);

    QImage image_;
    std::function<void()> on_refresh_;
    std::unordered_map<int, QImage> pictures_;
};

}  // namespace banzuri::app

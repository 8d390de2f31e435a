// The window's drawing surface. It keeps what was drawn as a display list in twips and shows
// it as an image of the view: the client area scaled uniformly to fill the view's size at the
// screen's device pixel ratio, centred, with the margins tiled with the current background.
// Pictures are painted at the exact pixel size the scale needs, text at the scaled size.
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <functional>
#include <optional>
#include <unordered_map>

#include "app/display_list.h"
#include "app/pictures.h"
#include "render/canvas.h"
#include "render/geometry.h"

namespace banzuri::app {

// Colour of a palette index 0..15, as the 16-colour palette gives it; black outside.
QColor palette_colour(int index);

// Pixel of a twips coordinate, rounded to the nearest.
int twips_to_pixel(double twips);

class QtCanvas : public Canvas {
  public:
    // The view starts as the client area at scale 1 on a screen of `device_pixel_ratio`.
    explicit QtCanvas(qreal device_pixel_ratio = 1.0);

    void draw_picture(int code, double x, double y) override;
    void draw_box(int colour, double x1, double y1, double x2, double y2) override;
    void fill_box(int colour, double x1, double y1, double x2, double y2) override;
    void tint_box(int colour, double x1, double y1, double x2, double y2) override;
    void draw_text(const std::string& text, double x, double y, int colour, double size,
                   bool bold) override;
    void draw_shadow(const std::string& text, double x, double y, double size, bool bold) override;
    void refresh() override;

    // How far (device pixels, right and down) a text's shadow lies from the text at a scale.
    static int shadow_offset(double scale);

    // The view in device pixels, with its device pixel ratio set. A view made anew (a new
    // size, or at start) is drawn here, when first looked at, its missing pictures painted
    // side by side on every core.
    const QImage& image() const;
    // Called by refresh(): the window shows the image at once.
    void set_refresh_handler(std::function<void()> handler) { on_refresh_ = std::move(handler); }
    // The part of the view (logical pixels) drawn since the last call; the window puts only
    // that on the screen.
    QRegion take_drawn();

    // Makes the view `size` logical pixels on a screen of `ratio` and draws everything again;
    // nothing happens when both are unchanged.
    void set_view(QSize size, qreal ratio);
    // Asks for that view without drawing it yet: image() stays as last drawn until settle(),
    // set_view() or a question about the view's geometry below draws the view asked for.
    void request_view(QSize size, qreal ratio);
    bool view_pending() const { return pending_.has_value(); }
    void settle();

    // The view's geometry, the pending view drawn first.
    QSize view_size();
    qreal ratio();
    // Device pixels per client pixel, and where the client area lies in the image.
    double scale();
    QRect client_rect();
    // Twips of the client area under a point of the view (logical pixels).
    QPointF to_twips(QPointF point);
    // Where the client area lies in image() as last drawn, a pending view left undrawn.
    QRect drawn_client_rect() const { return drawn_client_; }

    // Where the client area lies in a view of `device` pixels, and its scale.
    struct Layout {
        double scale;
        QRect client;
    };
    static Layout layout(QSize device);
    // Operations kept for drawing the view again.
    std::size_t recorded() const { return list_.size(); }
    // Pictures kept, all at the present scale.
    std::size_t pictures_kept() const { return pictures_.size(); }

    // The faces the pieces are drawn with; a change draws the view again.
    void set_piece_set(PieceSet set);
    PieceSet piece_set() const { return piece_set_; }

    // The window font at a size in points and a weight.
    static QFont text_font(double points, bool bold);

  private:
    static DrawOp text_op(const std::string& text, double x, double y, double size, bool bold);
    void record(DrawOp op);
    void render(const DrawOp& op, QPainter& painter);
    void render_all();
    void render_if_stale();
    // Paints the pictures the view needs and lacks, several at once.
    void paint_missing_pictures();
    void paint_margins();
    // Every margin tile of the present background: its corner and size in device pixels.
    template <typename Visit>
    void for_each_margin_tile(Visit visit) const;
    int device_x(double pixel) const;
    int device_y(double pixel) const;
    const QImage& picture(int code, QSize device);
    void mark_drawn(const QRect& device_rect);

    QImage image_;
    QSize view_size_;
    qreal ratio_ = 1;
    double scale_ = 1;
    QRect client_;
    QRect drawn_client_;
    bool has_view_ = false;
    bool stale_ = true;  // the view is to be drawn anew before it is looked at
    std::optional<std::pair<QSize, qreal>> pending_;  // the view asked for, not yet drawn
    int margin_background_ = -1;                      // the background code last drawn
    DisplayList list_;
    std::function<void()> on_refresh_;
    QRegion drawn_;  // logical pixels of the view
    std::unordered_map<unsigned long long, QImage> pictures_;
    PieceSet piece_set_ = PieceSet::KANJI;
};

}  // namespace banzuri::app

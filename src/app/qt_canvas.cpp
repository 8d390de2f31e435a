#include "app/qt_canvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

#include "app/pictures.h"

namespace banzuri::app {

namespace {

// Logical 96 dpi: a point is 96/72 pixels.
constexpr int kDotsPerMeter = 3780;

constexpr std::array<QRgb, 16> kPalette = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255)};

// The pixel rectangle of a twips rectangle given by two opposite corners, edges included.
QRect pixel_rect(double x1, double y1, double x2, double y2) {
    const int left = twips_to_pixel(std::min(x1, x2));
    const int right = twips_to_pixel(std::max(x1, x2));
    const int top = twips_to_pixel(std::min(y1, y2));
    const int bottom = twips_to_pixel(std::max(y1, y2));
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

QColor palette_colour(int index) {
    if (index < 0 || index >= static_cast<int>(kPalette.size())) return QColor(0, 0, 0);
    return QColor(kPalette[static_cast<std::size_t>(index)]);
}

int twips_to_pixel(double twips) {
    return static_cast<int>(std::floor(twips / 15.0 + 0.5));
}

QtCanvas::QtCanvas(qreal device_pixel_ratio)
    : image_(static_cast<int>(std::lround(CLIENT_WIDTH_PIXELS * device_pixel_ratio)),
             static_cast<int>(std::lround(CLIENT_HEIGHT_PIXELS * device_pixel_ratio)),
             QImage::Format_RGB32) {
    image_.setDevicePixelRatio(device_pixel_ratio);
    image_.setDotsPerMeterX(kDotsPerMeter);
    image_.setDotsPerMeterY(kDotsPerMeter);
    image_.fill(palette_colour(2));
}

QFont QtCanvas::text_font(double points, bool bold) {
    QFont font;
    // "ＭＳ Ｐ明朝" is a proportional Mincho face; IPA P Mincho is its counterpart here.
    font.setFamilies(
        {"IPAPMincho", "IPA P明朝", "ＭＳ Ｐ明朝", "IPAMincho", "Noto Serif CJK JP", "serif"});
    font.setPointSizeF(points > 0 ? points : 9);
    font.setBold(bold);
    return font;
}

const QImage& QtCanvas::picture(int code) {
    auto found = pictures_.find(code);
    if (found == pictures_.end())
        found = pictures_.emplace(code, load_picture(picture_name(code), image_.devicePixelRatio()))
                    .first;
    return found->second;
}

void QtCanvas::draw_picture(int code, double x, double y) {
    const QImage& image = picture(code);
    if (image.isNull()) return;
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QPoint(twips_to_pixel(x), twips_to_pixel(y)), image);
}

void QtCanvas::draw_box(int colour, double x1, double y1, double x2, double y2) {
    const QRect r = pixel_rect(x1, y1, x2, y2);
    const QColor c = palette_colour(colour);
    QPainter painter(&image_);
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), c);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), c);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), c);
}

void QtCanvas::fill_box(int colour, double x1, double y1, double x2, double y2) {
    QPainter painter(&image_);
    painter.fillRect(pixel_rect(x1, y1, x2, y2), palette_colour(colour));
}

void QtCanvas::draw_text(const std::string& text, double x, double y, int colour, double size,
                         bool bold) {
    if (text.empty()) return;
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(text_font(size, bold));
    painter.setPen(palette_colour(colour));
    const QFontMetricsF metrics(painter.font(), &image_);
    const QPointF baseline(twips_to_pixel(x), twips_to_pixel(y) + metrics.ascent());
    painter.drawText(baseline, QString::fromStdString(text));
}

void QtCanvas::refresh() {
    if (on_refresh_) on_refresh_();
}

}  // namespace banzuri::app

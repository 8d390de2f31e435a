#include "app/qt_canvas.h"

#include <malloc.h>

#include <QFontMetricsF>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <thread>
#include <utility>
#include <vector>

#include "app/pictures.h"
#include "render/pictures.h"
#include "rules/pieces.h"
#include "settings/backgrounds.h"

namespace banzuri::app {

namespace {

// Logical 96 dpi: a point is 96/72 pixels.
constexpr int kDotsPerMeter = 3780;
const QRect kClient(0, 0, CLIENT_WIDTH_PIXELS, CLIENT_HEIGHT_PIXELS);
// How strongly a wash colours what lies under it, out of 255: the wood stays wood.
constexpr int kTintAlpha = 70;

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

bool is_background(int code) {
    return code == BG_MIDORI || code == BG_TATAMI || code == BG_TAKE || code == BG_UCHU ||
           code == BG_RENGA;
}

int nearest(double v) {
    return static_cast<int>(std::floor(v + 0.5));
}

// A painter on the image in device pixels (the image's ratio is set aside meanwhile), kept to
// `clip`.
class DevicePainter {
  public:
    DevicePainter(QImage& image, const QRegion& clip)
        : image_(image), ratio_(image.devicePixelRatio()) {
        image_.setDevicePixelRatio(1);
        painter_.begin(&image_);
        painter_.setClipRegion(clip);
    }
    ~DevicePainter() {
        painter_.end();
        image_.setDevicePixelRatio(ratio_);
    }
    QPainter& operator*() { return painter_; }

  private:
    QImage& image_;
    qreal ratio_;
    QPainter painter_;
};

DrawOp make_op(DrawOp::Kind kind, int code, double x1, double y1, double x2, double y2) {
    DrawOp op;
    op.kind = kind;
    op.code = code;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    return op;
}

unsigned long long picture_key(int code, QSize device) {
    return (static_cast<unsigned long long>(static_cast<unsigned>(code)) << 32) |
           (static_cast<unsigned long long>(device.width()) << 16) |
           static_cast<unsigned long long>(device.height());
}

QImage paint_for_view(int code, QSize device, PieceSet set) {
    QImage image = paint_code_picture(code, device, set);
    // Opaque pictures are copied, not blended, onto the view.
    if (code != PIC_TITLE && !image.isNull()) image.convertTo(QImage::Format_RGB32);
    return image;
}

QFontMetricsF metrics_at_96_dpi(const QFont& font) {
    static QImage probe = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(kDotsPerMeter);
        image.setDotsPerMeterY(kDotsPerMeter);
        return image;
    }();
    return QFontMetricsF(font, &probe);
}

}  // namespace

QColor palette_colour(int index) {
    if (index < 0 || index >= static_cast<int>(kPalette.size())) return QColor(0, 0, 0);
    return QColor(kPalette[static_cast<std::size_t>(index)]);
}

int twips_to_pixel(double twips) {
    return nearest(twips / 15.0);
}

QtCanvas::QtCanvas(qreal device_pixel_ratio) {
    set_view(kClient.size(), device_pixel_ratio);
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

QtCanvas::Layout QtCanvas::layout(QSize device) {
    device = device.expandedTo(QSize(1, 1));
    const double scale = std::min(device.width() / double(kClient.width()),
                                  device.height() / double(kClient.height()));
    const QSize client(nearest(kClient.width() * scale), nearest(kClient.height() * scale));
    return {scale, QRect(QPoint((device.width() - client.width()) / 2,
                                (device.height() - client.height()) / 2),
                         client)};
}

void QtCanvas::request_view(QSize size, qreal ratio) {
    size = size.expandedTo(QSize(1, 1));
    if (ratio <= 0) ratio = 1;
    if (size == view_size_ && ratio == ratio_ && !image_.isNull())
        pending_.reset();
    else
        pending_.emplace(size, ratio);
}

void QtCanvas::settle() {
    if (pending_) set_view(pending_->first, pending_->second);
}

QSize QtCanvas::view_size() {
    settle();
    return view_size_;
}

qreal QtCanvas::ratio() {
    settle();
    return ratio_;
}

double QtCanvas::scale() {
    settle();
    return scale_;
}

QRect QtCanvas::client_rect() {
    settle();
    return client_;
}

void QtCanvas::set_view(QSize size, qreal ratio) {
    pending_.reset();
    size = size.expandedTo(QSize(1, 1));
    if (ratio <= 0) ratio = 1;
    if (size == view_size_ && ratio == ratio_ && has_view_) return;
    has_view_ = true;
    view_size_ = size;
    ratio_ = ratio;
    const QSize device = (QSizeF(size) * ratio).toSize().expandedTo(QSize(1, 1));
    const Layout fitted = layout(device);
    // Pictures of the old scale are let go: the view needs only those of the new one.
    if (fitted.scale != scale_) pictures_.clear();
    scale_ = fitted.scale;
    client_ = fitted.client;
    stale_ = true;
    mark_drawn(QRect(QPoint(0, 0), device));
}

const QImage& QtCanvas::image() const {
    const_cast<QtCanvas*>(this)->render_if_stale();
    return image_;
}

void QtCanvas::render_if_stale() {
    if (!stale_) return;
    stale_ = false;
    const QSize device = (QSizeF(view_size_) * ratio_).toSize().expandedTo(QSize(1, 1));
    if (image_.size() != device) {
        image_ = QImage(device, QImage::Format_RGB32);
        image_.setDotsPerMeterX(kDotsPerMeter);
        image_.setDotsPerMeterY(kDotsPerMeter);
    }
    image_.setDevicePixelRatio(ratio_);
    paint_missing_pictures();
    render_all();
    drawn_client_ = client_;
}

void QtCanvas::paint_missing_pictures() {
    std::vector<std::pair<int, QSize>> wanted;
    const auto want = [&](int code, QSize device) {
        if (device.isEmpty() || pictures_.contains(picture_key(code, device))) return;
        for (const auto& w : wanted)
            if (w.first == code && w.second == device) return;
        wanted.emplace_back(code, device);
    };
    list_.for_each([&](const DrawOp& op) {
        if (op.kind != DrawOp::Kind::Picture) return;
        const QRect& a = op.area;
        want(op.code, QSize(device_x(a.left() + a.width()) - device_x(a.left()),
                            device_y(a.top() + a.height()) - device_y(a.top())));
    });
    for_each_margin_tile([&](QPoint, QSize size) { want(margin_background_, size); });
    if (wanted.size() < 2) return;  // painted when drawn
    std::vector<QImage> painted(wanted.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < wanted.size(); i = next++)
            painted[i] = paint_for_view(wanted[i].first, wanted[i].second, piece_set_);
    };
    // A few painters at most: each thread keeps a heap of its own.
    const std::size_t cores = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    std::vector<std::thread> helpers;
    for (std::size_t h = 1; h < std::min(cores, wanted.size()); ++h)
        helpers.emplace_back(work);
    work();  // this thread paints its share too
    for (std::thread& helper : helpers)
        helper.join();
    for (std::size_t i = 0; i < wanted.size(); ++i)
        pictures_.emplace(picture_key(wanted[i].first, wanted[i].second), std::move(painted[i]));
    // The painters' working images were freed in the helpers' own heaps: give them back.
    malloc_trim(0);
}

void QtCanvas::set_piece_set(PieceSet set) {
    if (set == piece_set_) return;
    piece_set_ = set;
    pictures_.clear();
    if (!image_.isNull()) render_all();
}

QPointF QtCanvas::to_twips(QPointF point) {
    settle();
    const QPointF device = point * ratio_ - QPointF(client_.topLeft());
    return device / scale_ * 15.0;
}

int QtCanvas::device_x(double pixel) const {
    return client_.left() + nearest(pixel * scale_);
}

int QtCanvas::device_y(double pixel) const {
    return client_.top() + nearest(pixel * scale_);
}

const QImage& QtCanvas::picture(int code, QSize device) {
    const auto key = picture_key(code, device);
    auto found = pictures_.find(key);
    if (found == pictures_.end())
        found = pictures_.emplace(key, paint_for_view(code, device, piece_set_)).first;
    return found->second;
}

void QtCanvas::render(const DrawOp& op, QPainter& painter) {
    const QRect& a = op.area;
    switch (op.kind) {
        case DrawOp::Kind::Picture: {
            const QPoint corner(device_x(a.left()), device_y(a.top()));
            const QSize size(device_x(a.left() + a.width()) - corner.x(),
                             device_y(a.top() + a.height()) - corner.y());
            const QImage& image = picture(op.code, size);
            if (!image.isNull()) painter.drawImage(corner, image);
            break;
        }
        case DrawOp::Kind::Fill:
        case DrawOp::Kind::Tint: {
            QColor colour = palette_colour(op.code);
            if (op.kind == DrawOp::Kind::Tint) colour.setAlpha(kTintAlpha);
            painter.fillRect(
                QRect(QPoint(device_x(a.left()), device_y(a.top())),
                      QPoint(device_x(a.right() + 1) - 1, device_y(a.bottom() + 1) - 1)),
                colour);
            break;
        }
        case DrawOp::Kind::Box: {
            // Every edge of the outline is as wide as one scaled pixel, rounded.
            const int line = std::max(1, nearest(scale_));
            const int left = device_x(a.left()), top = device_y(a.top());
            const int right = device_x(a.right() + 1), bottom = device_y(a.bottom() + 1);
            const QColor c = palette_colour(op.code);
            painter.fillRect(QRect(left, top, right - left, line), c);
            painter.fillRect(QRect(left, bottom - line, right - left, line), c);
            painter.fillRect(QRect(left, top, line, bottom - top), c);
            painter.fillRect(QRect(right - line, top, line, bottom - top), c);
            break;
        }
        case DrawOp::Kind::Text: {
            QFont font = text_font(op.size, op.bold);
            font.setPointSizeF(font.pointSizeF() * scale_);
            painter.setRenderHint(QPainter::TextAntialiasing);
            painter.setFont(font);
            painter.setPen(palette_colour(op.code));
            const double ascent = metrics_at_96_dpi(font).ascent();
            const int offset = op.shadow ? shadow_offset(scale_) : 0;
            const QPointF baseline(device_x(twips_to_pixel(op.x1)) + offset,
                                   device_y(twips_to_pixel(op.y1)) + ascent + offset);
            painter.drawText(baseline, op.text);
            break;
        }
    }
}

template <typename Visit>
void QtCanvas::for_each_margin_tile(Visit visit) const {
    const QSize natural = picture_size(margin_background_);
    if (natural.isEmpty()) return;
    const QSize device = (QSizeF(view_size_) * ratio_).toSize().expandedTo(QSize(1, 1));
    if (QRegion(QRect(QPoint(0, 0), device)).subtracted(client_).isEmpty()) return;
    // Tiles on the grid of the board, as far as the view reaches.
    const double left = 1300 / 15.0, top = 100 / 15.0;
    const int first_x =
        static_cast<int>(std::floor((-client_.left() / scale_ - left) / natural.width())) - 1;
    const int first_y =
        static_cast<int>(std::floor((-client_.top() / scale_ - top) / natural.height())) - 1;
    for (int gy = first_y; device_y(top + gy * natural.height()) < device.height(); ++gy)
        for (int gx = first_x; device_x(left + gx * natural.width()) < device.width(); ++gx) {
            const double px = left + gx * natural.width(), py = top + gy * natural.height();
            const QPoint corner(device_x(px), device_y(py));
            visit(corner, QSize(device_x(px + natural.width()) - corner.x(),
                                device_y(py + natural.height()) - corner.y()));
        }
}

void QtCanvas::paint_margins() {
    const QRegion margins = QRegion(image_.rect()).subtracted(client_);
    if (margins.isEmpty()) return;
    DevicePainter painter(image_, margins);
    (*painter).fillRect(image_.rect(), palette_colour(2));
    for_each_margin_tile([&](QPoint corner, QSize size) {
        (*painter).drawImage(corner, picture(margin_background_, size));
    });
}

void QtCanvas::mark_drawn(const QRect& device_rect) {
    // Scaled smoothing may reach a device pixel beyond the operation's area.
    const QRectF device(device_rect.adjusted(-1, -1, 1, 1));
    drawn_ += QRectF(device.topLeft() / ratio_, device.size() / ratio_).toAlignedRect();
}

QRegion QtCanvas::take_drawn() {
    return std::exchange(drawn_, QRegion());
}

void QtCanvas::render_all() {
    mark_drawn(image_.rect());
    paint_margins();
    DevicePainter painter(image_, client_);
    (*painter).fillRect(client_, palette_colour(2));
    list_.for_each([&](const DrawOp& op) { render(op, *painter); });
}

void QtCanvas::record(DrawOp op) {
    if (!list_.add(op, kClient)) return;
    const QRect& a = op.area;
    mark_drawn(QRect(QPoint(device_x(a.left()), device_y(a.top())),
                     QPoint(device_x(a.left() + a.width()), device_y(a.top() + a.height()))));
    if (stale_) return;  // drawn with the whole view when it is looked at
    DevicePainter painter(image_, client_);
    render(op, *painter);
}

void QtCanvas::draw_picture(int code, double x, double y) {
    const QSize natural = picture_size(code);
    if (natural.isEmpty()) return;
    if (is_background(code) && code != margin_background_) {
        margin_background_ = code;
        if (!stale_) paint_margins();
        mark_drawn(QRect(QPoint(0, 0), (QSizeF(view_size_) * ratio_).toSize()));
    }
    DrawOp op = make_op(DrawOp::Kind::Picture, code, x, y, x, y);
    op.area = QRect(QPoint(twips_to_pixel(x), twips_to_pixel(y)), natural);
    op.opaque = code != PIC_TITLE;  // the signboard alone has rounded corners
    record(std::move(op));
}

void QtCanvas::draw_box(int colour, double x1, double y1, double x2, double y2) {
    DrawOp op = make_op(DrawOp::Kind::Box, colour, x1, y1, x2, y2);
    op.area = pixel_rect(x1, y1, x2, y2);
    record(std::move(op));
}

void QtCanvas::fill_box(int colour, double x1, double y1, double x2, double y2) {
    DrawOp op = make_op(DrawOp::Kind::Fill, colour, x1, y1, x2, y2);
    op.area = pixel_rect(x1, y1, x2, y2);
    op.opaque = true;
    record(std::move(op));
}

void QtCanvas::tint_box(int colour, double x1, double y1, double x2, double y2) {
    DrawOp op = make_op(DrawOp::Kind::Tint, colour, x1, y1, x2, y2);
    op.area = pixel_rect(x1, y1, x2, y2);
    record(std::move(op));
}

int QtCanvas::shadow_offset(double scale) {
    return std::clamp(nearest(scale), 1, 2);
}

DrawOp QtCanvas::text_op(const std::string& text, double x, double y, double size, bool bold) {
    DrawOp op = make_op(DrawOp::Kind::Text, COLOUR_BLACK, x, y, x, y);
    op.text = QString::fromStdString(text);
    op.size = size;
    op.bold = bold;
    const QFontMetricsF metrics = metrics_at_96_dpi(text_font(size, bold));
    const QRectF ink = metrics.boundingRect(op.text).translated(
        twips_to_pixel(x), twips_to_pixel(y) + metrics.ascent());
    op.area = ink.toAlignedRect().adjusted(-2, -2, 2, 2);  // room for smoothing and bold
    return op;
}

void QtCanvas::draw_text(const std::string& text, double x, double y, int colour, double size,
                         bool bold) {
    if (text.empty()) return;
    DrawOp op = text_op(text, x, y, size, bold);
    op.code = colour;
    record(std::move(op));
}

void QtCanvas::draw_shadow(const std::string& text, double x, double y, double size, bool bold) {
    if (text.empty()) return;
    DrawOp op = text_op(text, x, y, size, bold);
    op.shadow = true;
    op.area.adjust(0, 0, 2, 2);  // the offset, at most two pixels of a view at least as large
    record(std::move(op));
}

void QtCanvas::refresh() {
    if (on_refresh_) on_refresh_();
}

}  // namespace banzuri::app

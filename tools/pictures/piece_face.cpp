#include "piece_face.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "text_outline.h"

namespace banzuri::pictures {

namespace {

const QColor kInkBlack(20, 12, 4);
const QColor kInkRed(190, 16, 16);

QFont brush_font() {
    QFont font;
    font.setFamilies({"IPAMincho", "IPA明朝", "IPAPMincho", "Noto Serif CJK JP", "serif"});
    font.setPixelSize(100);  // outlines are scaled from this size
    return font;
}

// One character as an outline centred on (cx, cy), `size` pixels high.
QPainterPath character(const QString& ch, double cx, double cy, double size) {
    const QPainterPath path = text_outline(brush_font(), ch);
    const QRectF bounds = path.boundingRect();
    QTransform place;
    place.translate(cx, cy);
    place.scale(size / 100.0, size / 100.0);
    place.translate(-bounds.center().x(), -bounds.center().y());
    return place.map(path);
}

QPainterPath face_outline(const QRectF& box, const PieceLook& look) {
    const double cx = box.center().x() + 0.2;
    if (look.face.size() == 1)
        return character(look.face, cx, box.top() + box.height() * 0.6,
                         box.height() * 0.52 * look.rank);
    const double size = box.height() * 0.34 * look.rank;
    QPainterPath path = character(look.face.left(1), cx, box.top() + box.height() * 0.43, size);
    path.addPath(character(look.face.mid(1, 1), cx, box.top() + box.height() * 0.78, size));
    return path;
}

// Coverage of `path` (device pixels) rasterised at `factor` times and averaged down.
QImage coverage(const QPainterPath& path, QSize device, double stroke, int factor) {
    QImage big(device * factor, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter painter(&big);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(factor, factor);
    painter.fillPath(path, Qt::black);
    painter.strokePath(path, QPen(Qt::black, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.end();
    return big.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Puts `path` (device pixels) onto `image` in `ink`, with a little extra weight and sharpened
// edges: faint fringes drop, nearly full pixels become full. Small pictures are rasterised at
// four times their size; from 80 pixels up twice and from 160 once are as smooth to the eye
// and keep a resize to a large window quick.
void paint_ink(QImage& image, const QPainterPath& path, double stroke, const QColor& ink) {
    const int factor = image.height() < 80 ? 4 : image.height() < 160 ? 2 : 1;
    const QImage mask = coverage(path, image.size(), stroke, factor);
    QImage layer(image.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double a = std::clamp((qAlpha(in[x]) / 255.0 - 0.1) / 0.78, 0.0, 1.0);
            const int alpha = static_cast<int>(std::lround(a * 255));
            out[x] = qPremultiply(qRgba(ink.red(), ink.green(), ink.blue(), alpha));
        }
    }
    QPainter painter(&image);
    painter.drawImage(0, 0, layer);
}

// Natural pixels to device pixels of `image`, turned by 180 degrees about the box's centre
// for a piece pointing down.
QTransform face_transform(const QImage& image, double natural_width, double natural_height,
                          const QRectF& box, bool upside_down) {
    QTransform to_device;
    to_device.scale(image.width() / natural_width, image.height() / natural_height);
    if (upside_down) {
        to_device.translate(box.center().x(), box.center().y());
        to_device.rotate(180);
        to_device.translate(-box.center().x(), -box.center().y());
    }
    return to_device;
}

QFont letter_font() {
    QFont font;
    font.setFamilies({"DejaVu Sans", "Liberation Sans", "Noto Sans", "sans-serif"});
    font.setWeight(QFont::Bold);
    font.setPixelSize(100);  // outlines are scaled from this size
    return font;
}

// The middle of the face, where the letter stands and the marks are counted from.
QPointF face_centre(const QRectF& box) {
    return {box.center().x(), box.top() + box.height() * 0.6};
}

QPainterPath letter_outline(const QRectF& box, const QString& letter) {
    const QPainterPath path = text_outline(letter_font(), letter);
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty()) return {};
    const double size = box.height() * 0.3 / bounds.height();
    const QPointF centre = face_centre(box);
    QTransform place;
    place.translate(centre.x(), centre.y());
    place.scale(size, size);
    place.translate(-bounds.center().x(), -bounds.center().y());
    return place.map(path);
}

QPainterPath mark_outline(const QRectF& box, const Reach& reach) {
    const QPointF at = reach_mark_centre(box, reach);
    QPainterPath path;
    if (!reach.slide) {
        const double radius = box.width() * 0.058;
        path.addEllipse(at, radius, radius);
        return path;
    }
    // An arrowhead pointing away from the centre.
    const double length = std::hypot(reach.dx, reach.dy);
    const QPointF ahead(reach.dx / length, reach.dy / length);
    const QPointF aside(-ahead.y(), ahead.x());
    const double size = box.width() * 0.2;
    QPolygonF head;
    head << at + ahead * (size * 0.55) << at - ahead * (size * 0.35) + aside * (size * 0.5)
         << at - ahead * (size * 0.35) - aside * (size * 0.5);
    path.addPolygon(head);
    path.closeSubpath();
    return path;
}

const QHash<QString, std::vector<Reach>>& reach_table() {
    static const QHash<QString, std::vector<Reach>> table = [] {
        const std::vector<Reach> gold = {{-1, -1, false}, {0, -1, false}, {1, -1, false},
                                         {-1, 0, false},  {1, 0, false},  {0, 1, false}};
        const std::vector<Reach> diagonal_slides = {
            {-1, -1, true}, {1, -1, true}, {-1, 1, true}, {1, 1, true}};
        const std::vector<Reach> straight_slides = {
            {0, -1, true}, {-1, 0, true}, {1, 0, true}, {0, 1, true}};
        const std::vector<Reach> diagonal_steps = {
            {-1, -1, false}, {1, -1, false}, {-1, 1, false}, {1, 1, false}};
        const std::vector<Reach> straight_steps = {
            {0, -1, false}, {-1, 0, false}, {1, 0, false}, {0, 1, false}};
        auto both = [](std::vector<Reach> a, const std::vector<Reach>& b) {
            a.insert(a.end(), b.begin(), b.end());
            return a;
        };
        return QHash<QString, std::vector<Reach>>{
            {"HU_0", {{0, -1, false}}},
            {"HU_1", gold},
            {"KYOU_0", {{0, -1, true}}},
            {"KYOU_1", gold},
            {"KEI_0", {{-1, -2, false}, {1, -2, false}}},
            {"KEI_1", gold},
            {"GIN_0",
             {{-1, -1, false}, {0, -1, false}, {1, -1, false}, {-1, 1, false}, {1, 1, false}}},
            {"GIN_1", gold},
            {"KIN", gold},
            {"KAKU_0", diagonal_slides},
            {"KAKU_1", both(diagonal_slides, straight_steps)},
            {"SYA_0", straight_slides},
            {"SYA_1", both(straight_slides, diagonal_steps)},
            {"OU", both(straight_steps, diagonal_steps)},
        };
    }();
    return table;
}

}  // namespace

void paint_face(QImage& image, double natural_width, double natural_height, const QRectF& box,
                const PieceLook& look, bool upside_down) {
    if (look.face.isEmpty()) return;
    const double sy = image.height() / natural_height;
    const QTransform to_device =
        face_transform(image, natural_width, natural_height, box, upside_down);
    const QPainterPath path = to_device.map(face_outline(box, look));
    // A brush stroke keeps some weight however small: a little extra ink, most at small sizes.
    const double stroke = box.height() * sy * 0.016 + 0.2;
    paint_ink(image, path, stroke, look.promoted ? kInkRed : kInkBlack);
}

std::vector<Reach> reach_marks(const QString& kind) {
    return reach_table().value(kind);
}

QString international_symbol(const QString& kind) {
    static const QHash<QString, QString> letters = {{"HU", "P"},  {"KYOU", "L"}, {"KEI", "N"},
                                                    {"GIN", "S"}, {"KIN", "G"},  {"KAKU", "B"},
                                                    {"SYA", "R"}, {"OU", "K"}};
    if (!reach_table().contains(kind)) return {};
    return letters.value(kind.section('_', 0, 0));
}

QPointF reach_mark_centre(const QRectF& box, const Reach& reach) {
    const QPointF centre = face_centre(box);
    // A knight's two squares ahead lie near the point of the piece.
    if (reach.dy == -2)
        return {centre.x() + reach.dx * box.width() * 0.16, box.top() + box.height() * 0.14};
    const double step_x = box.width() * (reach.slide ? 0.33 : 0.31);
    const double step_y = box.height() * (reach.slide ? 0.28 : 0.26);
    return {centre.x() + reach.dx * step_x, centre.y() + reach.dy * step_y};
}

void paint_international_face(QImage& image, double natural_width, double natural_height,
                              const QRectF& box, const QString& kind, bool upside_down) {
    const QString letter = international_symbol(kind);
    if (letter.isEmpty()) return;
    QPainterPath face = letter_outline(box, letter);
    for (const Reach& reach : reach_marks(kind))
        face.addPath(mark_outline(box, reach));
    const QTransform to_device =
        face_transform(image, natural_width, natural_height, box, upside_down);
    const double stroke = box.height() * (image.height() / natural_height) * 0.01 + 0.15;
    paint_ink(image, to_device.map(face), stroke, kind.endsWith("_1") ? kInkRed : kInkBlack);
}

}  // namespace banzuri::pictures

#include "picture_art.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>

#include "backgrounds.h"
#include "wood.h"

namespace banzuri::pictures {

namespace {

constexpr int kSquareWidth = 42;
constexpr int kSquareHeight = 47;
constexpr double kCellWidth = 41;  // the part of a square picture left visible by the outline
constexpr double kCellHeight = 46;

const QColor kInkBlack(24, 14, 6);
const QColor kInkRed(196, 18, 18);

struct PieceLook {
    QString face;  // one or two characters, read top to bottom
    bool promoted;
};

QFont piece_font(double pixel_size) {
    QFont font;
    font.setFamilies({"IPAMincho", "IPA明朝", "IPAPMincho", "Noto Serif CJK JP", "serif"});
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixel_size))));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// One character centred on (cx, cy), filled and lightly stroked so it stays bold when small.
void paint_character(QPainter& painter, const QString& ch, double cx, double cy, double size,
                     QColor ink) {
    QPainterPath path;
    path.addText(0, 0, piece_font(size), ch);
    const QRectF bounds = path.boundingRect();
    path.translate(cx - bounds.center().x(), cy - bounds.center().y());
    painter.fillPath(path, ink);
    painter.strokePath(path, QPen(ink, size * 0.045));
}

// The face of a piece, upright, inside its outline box.
void paint_face(QPainter& painter, const QRectF& box, const PieceLook& look) {
    if (look.face.isEmpty()) return;
    const QColor ink = look.promoted ? kInkRed : kInkBlack;
    const double cx = box.center().x() + 0.2;
    if (look.face.size() == 1) {
        paint_character(painter, look.face, cx, box.top() + box.height() * 0.6, box.height() * 0.56,
                        ink);
        return;
    }
    const double size = box.height() * 0.36;
    paint_character(painter, look.face.left(1), cx, box.top() + box.height() * 0.42, size, ink);
    paint_character(painter, look.face.mid(1, 1), cx, box.top() + box.height() * 0.78, size, ink);
}

// A piece of the given size centred in the visible cell of a wooden square.
QImage square_with_piece(int scale, const PieceLook& look, double width, double height,
                         bool upper) {
    QImage image = new_image(kSquareWidth, kSquareHeight, scale);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paint_square_wood(painter, kSquareWidth, kSquareHeight);
    const QRectF box((kCellWidth - width) / 2, (kCellHeight - height) / 2 - 0.4, width, height);
    paint_piece_body(painter, piece_outline(box.left(), box.top(), width, height), upper);
    painter.setRenderHint(QPainter::Antialiasing);
    if (upper) {
        painter.translate(box.center());
        painter.rotate(180);
        painter.translate(-box.center());
    }
    paint_face(painter, box, look);
    return image;
}

QImage piece(int scale, const PieceLook& look, bool upper) {
    return square_with_piece(scale, look, 33, 41, upper);
}

QImage empty_square(int scale) {
    QImage image = new_image(kSquareWidth, kSquareHeight, scale);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paint_square_wood(painter, kSquareWidth, kSquareHeight);
    return image;
}

// A burst of eight white rays with a warm glow, centred on a wooden square.
QImage burst(int scale, double radius) {
    QImage image = empty_square(scale);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(kCellWidth / 2, kCellHeight / 2);
    QRadialGradient glow(centre, radius * 1.05);
    glow.setColorAt(0, QColor(255, 255, 220, 220));
    glow.setColorAt(0.45, QColor(255, 240, 170, 110));
    glow.setColorAt(1, QColor(255, 230, 150, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius * 1.05, radius * 1.05);
    for (int ray = 0; ray < 8; ++ray) {
        const double angle = ray * M_PI / 4 + M_PI / 8;
        const double length = ray % 2 == 0 ? radius : radius * 0.72;
        const double half_width = 0.22;
        QPolygonF shape;
        shape << centre + QPointF(std::cos(angle - half_width), std::sin(angle - half_width)) * 2.5
              << centre + QPointF(std::cos(angle), std::sin(angle)) * length
              << centre + QPointF(std::cos(angle + half_width), std::sin(angle + half_width)) * 2.5;
        painter.setBrush(QColor(200, 150, 60, 90));
        painter.drawPolygon(shape.translated(0.7, 0.8));
        painter.setBrush(QColor(255, 255, 255));
        painter.drawPolygon(shape);
    }
    painter.setBrush(QColor(255, 255, 255));
    painter.drawEllipse(centre, radius * 0.2, radius * 0.2);
    return image;
}

QImage signboard(int scale) {
    constexpr int kWidth = 188;
    constexpr int kHeight = 48;
    QImage image = new_image(kWidth, kHeight, scale);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    // Dark frame, then the plank with its grain.
    QLinearGradient frame(0, 0, 0, kHeight);
    frame.setColorAt(0, QColor(120, 72, 32));
    frame.setColorAt(1, QColor(78, 44, 18));
    painter.setPen(Qt::NoPen);
    painter.setBrush(frame);
    painter.drawRoundedRect(QRectF(0, 0, kWidth, kHeight), 4, 4);
    const QRectF plank(4, 4, kWidth - 8, kHeight - 8);
    QLinearGradient wood(plank.topLeft(), plank.bottomLeft());
    wood.setColorAt(0, QColor(242, 206, 140));
    wood.setColorAt(1, QColor(214, 168, 98));
    painter.setBrush(wood);
    painter.drawRoundedRect(plank, 2, 2);
    painter.save();
    painter.setClipRect(plank);
    for (int i = 0; i < 9; ++i) {
        QPainterPath grain;
        const double y0 = plank.top() + 2 + i * 4.4 + hash_noise(i, 8, 3);
        grain.moveTo(plank.left(), y0);
        for (double x = plank.left(); x <= plank.right() + 4; x += 4)
            grain.lineTo(x, y0 + 0.9 * std::sin(x * 0.05 + i));
        painter.setPen(
            QPen(QColor(150, 96, 44, 40 + static_cast<int>(hash_noise(i, 9, 3) * 30)), 0.7));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(grain);
    }
    painter.restore();
    // Inner bevel: light above, shadow below.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 240, 200, 150), 1));
    painter.drawLine(QPointF(5, 4.5), QPointF(kWidth - 5, 4.5));
    painter.setPen(QPen(QColor(60, 30, 10, 120), 1));
    painter.drawLine(QPointF(5, kHeight - 4.5), QPointF(kWidth - 5, kHeight - 4.5));
    // Nails in the corners.
    for (const QPointF nail : {QPointF(9, 24), QPointF(kWidth - 9, 24)}) {
        QRadialGradient head(nail - QPointF(0.6, 0.6), 2.4);
        head.setColorAt(0, QColor(230, 230, 220));
        head.setColorAt(1, QColor(90, 84, 76));
        painter.setPen(Qt::NoPen);
        painter.setBrush(head);
        painter.drawEllipse(nail, 2.1, 2.1);
    }
    // The title, carved: a light edge below, dark ink above it.
    QFont title;
    title.setFamilies({"IPAPMincho", "IPAMincho", "serif"});
    title.setPixelSize(32);
    title.setWeight(QFont::Bold);
    QPainterPath text;
    text.addText(0, 0, title, "Banzuri");
    const QRectF bounds = text.boundingRect();
    text.translate(kWidth / 2.0 - bounds.center().x(), kHeight / 2.0 - bounds.center().y() - 1);
    painter.fillPath(text.translated(0.8, 1), QColor(255, 236, 190, 200));
    painter.fillPath(text, QColor(58, 26, 8));
    return image;
}

const QHash<QString, PieceLook>& piece_looks() {
    static const QHash<QString, PieceLook> looks = {
        {"HU_0", {"歩兵", false}},   {"HU_1", {"と", true}},     {"KYOU_0", {"香車", false}},
        {"KYOU_1", {"杏", true}},    {"KEI_0", {"桂馬", false}}, {"KEI_1", {"圭", true}},
        {"GIN_0", {"銀将", false}},  {"GIN_1", {"全", true}},    {"KIN", {"金将", false}},
        {"KAKU_0", {"角行", false}}, {"KAKU_1", {"龍馬", true}}, {"SYA_0", {"飛車", false}},
        {"SYA_1", {"龍王", true}},   {"OU", {"王将", false}},
    };
    return looks;
}

}  // namespace

const std::vector<PictureSpec>& picture_specs() {
    static const std::vector<PictureSpec> specs = [] {
        std::vector<PictureSpec> out;
        const QStringList kinds = {"HU_0",  "HU_1", "KYOU_0", "KYOU_1", "KEI_0", "KEI_1", "GIN_0",
                                   "GIN_1", "KIN",  "KAKU_0", "KAKU_1", "SYA_0", "SYA_1", "OU"};
        for (const QString side : {"SITA_", "UE_"})
            for (const QString& kind : kinds)
                out.push_back({side + kind, kSquareWidth, kSquareHeight});
        for (const QString name :
             {"KARA_MASU", "JI_NAKA", "JI_SHOU", "TEKI_NAKA", "TEKI_SHOU", "PA1", "PA2"})
            out.push_back({name, kSquareWidth, kSquareHeight});
        out.push_back({"KANBAN", 188, 48});
        for (const QString name :
             {"HAIKEI_MIDORI", "HAIKEI_TATAMI", "HAIKEI_TAKE", "HAIKEI_UCHU", "HAIKEI_RENGA"})
            out.push_back({name, 41, 46});
        return out;
    }();
    return specs;
}

QImage paint_picture(const QString& name, int scale) {
    const PieceLook blank{"", false};
    if (name.startsWith("SITA_")) return piece(scale, piece_looks().value(name.mid(5)), false);
    if (name.startsWith("UE_")) return piece(scale, piece_looks().value(name.mid(3)), true);
    if (name == "KARA_MASU") return empty_square(scale);
    if (name == "JI_NAKA") return square_with_piece(scale, blank, 22, 27, false);
    if (name == "JI_SHOU") return square_with_piece(scale, blank, 12, 15, false);
    if (name == "TEKI_NAKA") return square_with_piece(scale, blank, 22, 27, true);
    if (name == "TEKI_SHOU") return square_with_piece(scale, blank, 12, 15, true);
    if (name == "PA1") return burst(scale, 10);
    if (name == "PA2") return burst(scale, 19);
    if (name == "KANBAN") return signboard(scale);
    if (name.startsWith("HAIKEI_")) return paint_background(name.mid(7), scale);
    return {};
}

void paint_piece_face(QPainter& painter, const QRectF& box, const QString& face, bool promoted) {
    paint_face(painter, box, PieceLook{face, promoted});
}

}  // namespace banzuri::pictures

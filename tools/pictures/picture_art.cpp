#include "picture_art.h"

#include <QHash>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

#include "backgrounds.h"
#include "piece_face.h"
#include "signboard.h"
#include "wood.h"

namespace banzuri::pictures {

namespace {

constexpr int kSquareWidth = 42;
constexpr int kSquareHeight = 47;
constexpr double kCellWidth = 41;  // the part of a square picture left visible by the outline
constexpr double kCellHeight = 46;

struct Kind {
    PieceLook look;
    double width;  // real sets grade the pieces: the king's is the largest
    double height;
};

const QHash<QString, Kind>& kinds() {
    static const QHash<QString, Kind> table = {
        {"OU", {{"王将", false, 1.04}, 34, 41.5}},    {"SYA_0", {{"飛車", false, 1.0}, 33, 40.5}},
        {"SYA_1", {{"龍王", true, 1.0}, 33, 40.5}},   {"KAKU_0", {{"角行", false, 1.0}, 33, 40.5}},
        {"KAKU_1", {{"龍馬", true, 1.0}, 33, 40.5}},  {"KIN", {{"金将", false, 0.97}, 32, 39.5}},
        {"GIN_0", {{"銀将", false, 0.97}, 32, 39.5}}, {"GIN_1", {{"全", true, 0.97}, 32, 39.5}},
        {"KEI_0", {{"桂馬", false, 0.95}, 31, 38.5}}, {"KEI_1", {{"圭", true, 0.95}, 31, 38.5}},
        {"KYOU_0", {{"香車", false, 0.95}, 30, 38}},  {"KYOU_1", {{"杏", true, 0.95}, 30, 38}},
        {"HU_0", {{"歩兵", false, 0.93}, 29, 37}},    {"HU_1", {{"と", true, 0.93}, 29, 37}},
    };
    return table;
}

// A piece of the given look and size centred in the visible cell of a wooden square.
QImage square_with_piece(QSize device, const PieceLook& look, double width, double height,
                         bool upper, const QString& international = {}) {
    QImage image = new_image(device);
    const QRectF box((kCellWidth - width) / 2, (kCellHeight - height) / 2 - 0.4, width, height);
    {
        QPainter painter(&image);
        scale_to(painter, device, kSquareWidth, kSquareHeight);
        paint_square_wood(painter, kSquareWidth, kSquareHeight);
        paint_piece_body(painter, piece_outline(box.left(), box.top(), width, height), upper);
    }
    if (international.isEmpty()) {
        paint_face(image, kSquareWidth, kSquareHeight, box, look, upper);
    } else {
        paint_international_face(image, kSquareWidth, kSquareHeight, box, international, upper);
    }
    return image;
}

QImage piece(QSize device, const QString& kind, bool upper, PieceSet set) {
    const Kind k = kinds().value(kind, {{"", false}, 33, 40.5});
    if (set == PieceSet::INTERNATIONAL && kinds().contains(kind))
        return square_with_piece(device, k.look, k.width, k.height, upper, kind);
    return square_with_piece(device, k.look, k.width, k.height, upper);
}

QImage empty_square(QSize device) {
    QImage image = new_image(device);
    QPainter painter(&image);
    scale_to(painter, device, kSquareWidth, kSquareHeight);
    paint_square_wood(painter, kSquareWidth, kSquareHeight);
    return image;
}

// A burst of eight white rays with a warm glow, centred on a wooden square.
QImage burst(QSize device, double radius) {
    QImage image = empty_square(device);
    QPainter painter(&image);
    scale_to(painter, device, kSquareWidth, kSquareHeight);
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

}  // namespace

const std::vector<PictureSpec>& picture_specs() {
    static const std::vector<PictureSpec> specs = [] {
        std::vector<PictureSpec> out;
        const QStringList names = {"HU_0",  "HU_1", "KYOU_0", "KYOU_1", "KEI_0", "KEI_1", "GIN_0",
                                   "GIN_1", "KIN",  "KAKU_0", "KAKU_1", "SYA_0", "SYA_1", "OU"};
        for (const QString side : {"SITA_", "UE_"})
            for (const QString& kind : names)
                out.push_back({side + kind, kSquareWidth, kSquareHeight});
        for (const QString name :
             {"KARA_MASU", "JI_NAKA", "JI_SHOU", "TEKI_NAKA", "TEKI_SHOU", "PA1", "PA2"})
            out.push_back({name, kSquareWidth, kSquareHeight});
        out.push_back({"KANBAN", SIGN_WIDTH, SIGN_HEIGHT});
        for (const QString name :
             {"HAIKEI_MIDORI", "HAIKEI_TATAMI", "HAIKEI_TAKE", "HAIKEI_UCHU", "HAIKEI_RENGA"})
            out.push_back({name, 41, 46});
        return out;
    }();
    return specs;
}

QSize natural_size(const QString& name) {
    for (const auto& spec : picture_specs())
        if (spec.name == name) return {spec.width, spec.height};
    return {};
}

bool is_piece_picture(const QString& name) {
    return (name.startsWith("SITA_") && kinds().contains(name.mid(5))) ||
           (name.startsWith("UE_") && kinds().contains(name.mid(3)));
}

QImage paint_picture(const QString& name, QSize device, PieceSet set) {
    if (device.isEmpty()) return {};
    const PieceLook blank{"", false};
    if (name.startsWith("SITA_")) return piece(device, name.mid(5), false, set);
    if (name.startsWith("UE_")) return piece(device, name.mid(3), true, set);
    if (name == "KARA_MASU") return empty_square(device);
    if (name == "JI_NAKA") return square_with_piece(device, blank, 22, 27, false);
    if (name == "JI_SHOU") return square_with_piece(device, blank, 12, 15, false);
    if (name == "TEKI_NAKA") return square_with_piece(device, blank, 22, 27, true);
    if (name == "TEKI_SHOU") return square_with_piece(device, blank, 12, 15, true);
    if (name == "PA1") return burst(device, 10);
    if (name == "PA2") return burst(device, 19);
    if (name == "KANBAN") return paint_signboard(device);
    if (name.startsWith("HAIKEI_")) return paint_background(name.mid(7), device);
    return {};
}

QImage paint_picture(const QString& name, int scale, PieceSet set) {
    const QSize natural = natural_size(name);
    return paint_picture(name, device_size(natural.width(), natural.height(), scale), set);
}

QImage paint_lone_piece(const QString& kind, bool upper, QSize device, PieceSet set) {
    if (device.isEmpty() || !kinds().contains(kind)) return {};
    const Kind k = kinds().value(kind);
    QImage image = new_image(device);
    const QRectF box((LONE_PIECE_WIDTH - 2 - k.width) / 2, (LONE_PIECE_HEIGHT - 2 - k.height) / 2,
                     k.width, k.height);
    {
        QPainter painter(&image);
        scale_to(painter, device, LONE_PIECE_WIDTH, LONE_PIECE_HEIGHT);
        paint_piece_body(painter, piece_outline(box.left(), box.top(), k.width, k.height), upper);
    }
    if (set == PieceSet::INTERNATIONAL) {
        paint_international_face(image, LONE_PIECE_WIDTH, LONE_PIECE_HEIGHT, box, kind, upper);
    } else {
        paint_face(image, LONE_PIECE_WIDTH, LONE_PIECE_HEIGHT, box, k.look, upper);
    }
    return image;
}

}  // namespace banzuri::pictures

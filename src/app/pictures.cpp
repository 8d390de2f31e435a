#include "app/pictures.h"

#include <cstdlib>

#include "render/pictures.h"
#include "rules/pieces.h"
#include "settings/backgrounds.h"

namespace banzuri::app {

namespace {

QString piece_kind_name(int magnitude) {
    switch (magnitude) {
        case 10:
            return "HU_0";
        case 11:
            return "HU_1";
        case 20:
            return "KYOU_0";
        case 21:
            return "KYOU_1";
        case 30:
            return "KEI_0";
        case 31:
            return "KEI_1";
        case 100:
            return "GIN_0";
        case 101:
            return "GIN_1";
        case 110:
            return "KIN";
        case 800:
            return "KAKU_0";
        case 801:
            return "KAKU_1";
        case 900:
            return "SYA_0";
        case 901:
            return "SYA_1";
        case 950:
            return "OU";
        default:
            return {};
    }
}

QString frame_name(int code) {
    switch (code) {
        case EMPTY:
            return "KARA_MASU";
        case PIC_JI_NAKA:
            return "JI_NAKA";
        case PIC_JI_SHOU:
            return "JI_SHOU";
        case PIC_TEKI_NAKA:
            return "TEKI_NAKA";
        case PIC_TEKI_SHOU:
            return "TEKI_SHOU";
        case PIC_PA1:
            return "PA1";
        case PIC_PA2:
            return "PA2";
        case PIC_TITLE:
            return "KANBAN";
        case BG_MIDORI:
            return "HAIKEI_MIDORI";
        case BG_TATAMI:
            return "HAIKEI_TATAMI";
        case BG_TAKE:
            return "HAIKEI_TAKE";
        case BG_UCHU:
            return "HAIKEI_UCHU";
        case BG_RENGA:
            return "HAIKEI_RENGA";
        default:
            return {};
    }
}

}  // namespace

QString picture_name(int code) {
    if (is_piece(code)) return (code < 0 ? "SITA_" : "UE_") + piece_kind_name(std::abs(code));
    return frame_name(code);
}

const QStringList& picture_names() {
    static const QStringList names = [] {
        QStringList out;
        for (int magnitude : {10, 11, 20, 21, 30, 31, 100, 101, 110, 800, 801, 900, 901, 950})
            out << picture_name(-magnitude);
        for (int magnitude : {10, 11, 20, 21, 30, 31, 100, 101, 110, 800, 801, 900, 901, 950})
            out << picture_name(magnitude);
        for (int code : {EMPTY, PIC_JI_NAKA, PIC_JI_SHOU, PIC_TEKI_NAKA, PIC_TEKI_SHOU, PIC_PA1,
                         PIC_PA2, PIC_TITLE, BG_MIDORI, BG_TATAMI, BG_TAKE, BG_UCHU, BG_RENGA})
            out << picture_name(code);
        return out;
    }();
    return names;
}

QSize picture_size(int code) {
    const QString name = picture_name(code);
    return name.isEmpty() ? QSize() : pictures::natural_size(name);
}

QImage paint_code_picture(int code, QSize device, PieceSet set) {
    const QString name = picture_name(code);
    return name.isEmpty() ? QImage() : pictures::paint_picture(name, device, set);
}

QImage load_picture(const QString& name, qreal ratio, PieceSet set) {
    const QSize natural = pictures::natural_size(name);
    if (natural.isEmpty()) return {};
    QImage image = pictures::paint_picture(name, (QSizeF(natural) * ratio).toSize(), set);
    image.setDevicePixelRatio(ratio);
    return image;
}

}  // namespace banzuri::app

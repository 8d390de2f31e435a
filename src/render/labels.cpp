#include "render/labels.h"

#include <array>

#include "render/pictures.h"
#include "rules/pieces.h"
#include "settings/backgrounds.h"

namespace banzuri {

namespace {

constexpr std::array<const char*, 21> kHandicapLabels = {
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級"};

constexpr std::array<const char*, 10> kKanjiNumerals = {"",   "一", "二", "三", "四",
                                                        "五", "六", "七", "八", "九"};

constexpr std::array<const char*, 10> kFullWidthDigits = {"",   "１", "２", "３", "４",
                                                          "５", "６", "７", "８", "９"};

const char* piece_name(int code) {
    switch (code < 0 ? -code : code) {
        case 10:
            return "歩";
        case 11:
            return "と";
        case 20:
            return "香";
        case 21:
            return "香成";
        case 30:
            return "桂";
        case 31:
            return "桂成";
        case 100:
            return "銀";
        case 101:
            return "銀成";
        case 110:
            return "金";
        case 800:
            return "角";
        case 801:
            return "角成";
        case 900:
            return "飛";
        case 901:
            return "飛成";
        case 950:
            return "王";
        default:
            return "";
    }
}

}  // namespace

std::string label_text(int code) {
    if (code >= -10 && code <= 10) return kHandicapLabels[static_cast<std::size_t>(code + 10)];
    if (code == 99) return "手目";
    return "";
}

std::string kanji_numeral(int value) {
    if (value < 1 || value > 9) return "";
    return kKanjiNumerals[static_cast<std::size_t>(value)];
}

std::string number_text(int value, int mode) {
    if (mode != 0) return kanji_numeral(value);
    // A number takes the place of its sign: a blank before it, or the minus sign.
    return value < 0 ? std::to_string(value) : std::string(" ").append(std::to_string(value));
}

bool has_picture(int code) {
    if (is_piece(code)) return true;
    switch (code) {
        case EMPTY:
        case PIC_JI_NAKA:
        case PIC_JI_SHOU:
        case PIC_TEKI_NAKA:
        case PIC_TEKI_SHOU:
        case PIC_PA1:
        case PIC_PA2:
        case PIC_TITLE:
        case BG_MIDORI:
        case BG_TATAMI:
        case BG_TAKE:
        case BG_UCHU:
        case BG_RENGA:
            return true;
        default:
            return false;
    }
}

std::string 文字列変換(int value) {
    if (value >= 1 && value <= 9) return kFullWidthDigits[static_cast<std::size_t>(value)];
    if (value >= 1001 && value <= 1009) return kanji_numeral(value - 1000);
    return piece_name(value);
}

}  // namespace banzuri

#include "render/labels.h"

#include <array>

#include "render/pictures.h"
#include "rules/pieces.h"
#include "settings/backgrounds.h"
#include "settings/texts.h"

namespace banzuri {

namespace {

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

// The ladder's texts stand in order, one for each rung.
static_assert(static_cast<int>(TextId::HANDICAP_20) - static_cast<int>(TextId::HANDICAP_0) == 20);

std::string label_text(int code, Language language) {
    // The ladder from the professional rank down to 12 kyu.
    if (code >= -10 && code <= 10)
        return text(static_cast<TextId>(static_cast<int>(TextId::HANDICAP_0) + code + 10),
                    language);
    if (code == 99) return text(TextId::MOVE_NUMBER_SUFFIX, language);
    return "";
}

std::string rank_letter(int row) {
    if (row < 1 || row > 9) return "";
    return std::string(1, static_cast<char>('a' + row - 1));
}

std::string western_piece_letter(int code) {
    const int magnitude = code < 0 ? -code : code;
    const bool promoted = magnitude % 10 == 1 && magnitude != 111;
    std::string letter;
    switch (promoted ? magnitude - 1 : magnitude) {
        case 10:
            letter = "P";
            break;
        case 20:
            letter = "L";
            break;
        case 30:
            letter = "N";
            break;
        case 100:
            letter = "S";
            break;
        case 110:
            letter = "G";
            break;
        case 800:
            letter = "B";
            break;
        case 900:
            letter = "R";
            break;
        case 950:
            letter = "K";
            break;
        default:
            return "";
    }
    if (!promoted) return letter;
    std::string out = "+";
    out += letter;
    return out;
}

std::string western_piece_text(int code, int x, int y, bool drop, std::optional<Square> from) {
    std::string out = western_piece_letter(code);
    if (out.empty()) return out;
    if (from && !drop) {
        out += std::to_string(10 - from->x);
        out += rank_letter(from->y);
    }
    out += drop ? "*" : "-";
    out += std::to_string(10 - x);
    out += rank_letter(y);
    return out;
}

std::string western_move_text(const Move& m, int piece, bool could_promote, bool origin) {
    const std::optional<Square> from = origin ? std::optional<Square>(m.from) : std::nullopt;
    std::string out = western_piece_text(piece, m.to.x, m.to.y, m.is_drop(), from);
    if (out.empty()) return out;
    if (m.promote) {
        out += "+";
    } else if (could_promote) {
        out += "=";
    }
    return out;
}

std::string kanji_numeral(int value) {
    if (value < 1 || value > 9) return "";
    return kKanjiNumerals[static_cast<std::size_t>(value)];
}

std::string number_text(int value, int mode, Language language) {
    if (mode != 0) return language == Language::ENGLISH ? rank_letter(value) : kanji_numeral(value);
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

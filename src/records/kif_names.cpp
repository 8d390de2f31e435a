#include "records/kif_names.h"

#include <array>

#include "rules/pieces.h"

namespace banzuri::records {

namespace {

constexpr std::array<std::string_view, 10> kFullDigits = {"０", "１", "２", "３", "４",
                                                          "５", "６", "７", "８", "９"};
constexpr std::array<std::string_view, 10> kKanjiDigits = {"〇", "一", "二", "三", "四",
                                                           "五", "六", "七", "八", "九"};
constexpr std::string_view kTen = "十";
constexpr std::string_view kIdeographicSpace = "　";

struct PieceName {
    std::string_view name;
    int code;  // upper-side code
};

// Longer names first, so that 成香 is not read as 成 and 香.
constexpr std::array<PieceName, 19> kPieceNames = {{
    {"成香", UPPER_KYOU_NARI}, {"成桂", UPPER_KEI_NARI}, {"成銀", UPPER_GIN_NARI},
    {"歩", UPPER_HU},          {"と", UPPER_HU_NARI},    {"香", UPPER_KYOU},
    {"杏", UPPER_KYOU_NARI},   {"桂", UPPER_KEI},        {"圭", UPPER_KEI_NARI},
    {"銀", UPPER_GIN},         {"全", UPPER_GIN_NARI},   {"金", UPPER_KIN},
    {"角", UPPER_KAKU},        {"馬", UPPER_KAKU_NARI},  {"飛", UPPER_SYA},
    {"龍", UPPER_SYA_NARI},    {"竜", UPPER_SYA_NARI},   {"玉", UPPER_OU},
    {"王", UPPER_OU},
}};

int magnitude(int code) {
    return code < 0 ? -code : code;
}

int digit_index(std::string_view& text, const std::array<std::string_view, 10>& digits) {
    for (int d = 1; d <= 9; ++d)
        if (take(text, digits[static_cast<std::size_t>(d)])) return d;
    return 0;
}

int ascii_digit(std::string_view& text) {
    if (text.empty() || text[0] < '1' || text[0] > '9') return 0;
    const int d = text[0] - '0';
    text.remove_prefix(1);
    return d;
}

}  // namespace

std::string file_text(int file) {
    return (file >= 1 && file <= 9) ? std::string(kFullDigits[static_cast<std::size_t>(file)])
                                    : std::string();
}

std::string rank_text(int rank) {
    return (rank >= 1 && rank <= 9) ? std::string(kKanjiDigits[static_cast<std::size_t>(rank)])
                                    : std::string();
}

std::string kanji_number(int n) {
    if (n < 1 || n > 99) return {};
    std::string text;
    if (n >= 20) text += kKanjiDigits[static_cast<std::size_t>(n / 10)];
    if (n >= 10) text += kTen;
    if (n % 10 != 0) text += kKanjiDigits[static_cast<std::size_t>(n % 10)];
    return text;
}

std::string move_piece_name(int code) {
    for (const PieceName& p : kPieceNames)
        if (p.code == magnitude(code) && p.code != 0) return std::string(p.name);
    return {};
}

std::string diagram_piece_name(int code) {
    switch (magnitude(code)) {
        case UPPER_KYOU_NARI:
            return "杏";
        case UPPER_KEI_NARI:
            return "圭";
        case UPPER_GIN_NARI:
            return "全";
        default:
            return move_piece_name(code);
    }
}

int take_file(std::string_view& text) {
    if (const int d = digit_index(text, kFullDigits); d != 0) return d;
    return ascii_digit(text);
}

int take_rank(std::string_view& text) {
    if (const int d = digit_index(text, kKanjiDigits); d != 0) return d;
    return take_file(text);
}

int take_piece_name(std::string_view& text) {
    for (const PieceName& p : kPieceNames)
        if (p.code != 0 && take(text, p.name)) return p.code;
    return 0;
}

int take_kanji_number(std::string_view& text) {
    int tens = 0;
    std::string_view rest = text;
    const int first = digit_index(rest, kKanjiDigits);
    if (take(rest, kTen)) {
        tens = first == 0 ? 1 : first;
        const int ones = digit_index(rest, kKanjiDigits);
        text = rest;
        return tens * 10 + ones;
    }
    if (first != 0) text = rest;
    return first;
}

bool take(std::string_view& text, std::string_view prefix) {
    if (prefix.empty() || !text.starts_with(prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

std::string_view trimmed(std::string_view text) {
    for (;;) {
        if (take(text, " ") || take(text, "\t") || take(text, kIdeographicSpace)) continue;
        if (text.ends_with(' ') || text.ends_with('\t')) {
            text.remove_suffix(1);
            continue;
        }
        if (text.ends_with(kIdeographicSpace)) {
            text.remove_suffix(kIdeographicSpace.size());
            continue;
        }
        return text;
    }
}

}  // namespace banzuri::records

// The handicap ladder: before the first move, "△" and "▽" take pieces off one side, one at
// a time, from the even game (level 0) to the upper side's ten pieces (10) or the lower
// side's ten pieces (-10).
#include <array>
#include <cstddef>
#include <string>

#include "play/main_form.h"

namespace banzuri {

namespace {

constexpr int kTop = 10;
constexpr int kBottom = -10;

// The one square in which level L differs from level L - 1, and its piece: for L <= 0 a
// lower piece put back on the way up, for L >= 1 an upper piece taken away on the way up.
struct Rung {
    int x;
    int y;
    int piece;
};

// Levels -9..10 in order.
constexpr std::array<Rung, 20> kRungs = {{
    {6, 9, LOWER_KIN},  {4, 9, LOWER_KIN},  {7, 9, LOWER_GIN},  {3, 9, LOWER_GIN},
    {8, 9, LOWER_KEI},  {2, 9, LOWER_KEI},  {9, 9, LOWER_KYOU}, {1, 9, LOWER_KYOU},
    {8, 8, LOWER_SYA},  {2, 8, LOWER_KAKU}, {8, 2, UPPER_KAKU}, {2, 2, UPPER_SYA},
    {9, 1, UPPER_KYOU}, {1, 1, UPPER_KYOU}, {8, 1, UPPER_KEI},  {2, 1, UPPER_KEI},
    {7, 1, UPPER_GIN},  {3, 1, UPPER_GIN},  {6, 1, UPPER_KIN},  {4, 1, UPPER_KIN},
}};

// Why the ladder cannot be used now.
std::string handicap_message(int reason, Language language) {
    switch (reason) {
        case 2:
            return text(TextId::HANDICAP_DURING_GAME, language);
        case 3:
            return text(TextId::HANDICAP_AFTER_FLIP, language);
        default:
            return "";
    }
}

const Rung* rung(int level) {
    if (level <= kBottom || level > kTop) return nullptr;
    return &kRungs[static_cast<std::size_t>(level - kBottom - 1)];
}

}  // namespace

// The ladder may only be used on the starting position of a game that has not been flipped.
bool MainForm::ladder_allowed() {
    int reason = 0;
    if (g.rec_index > 0) {
        reason = 2;
    } else if (view_.board_reversed) {
        reason = 3;
    }
    if (reason == 0) return true;
    sound_.play(sound_.snd_forbidden());
    描画_メッセージ(reason);
    return false;
}

void MainForm::描画_メッセージ(int message) {
    std::string shown = handicap_message(message, view_.language);
    shown += "\n\n";
    shown += t(TextId::HANDICAP_START_OVER);
    p.dialogs.message(shown, t(TextId::TITLE_HANDICAP));
}

// Moves to `level` through the square (x, y), which then holds `content`.
void MainForm::change_square(int level, int x, int y, int content) {
    game_.set_handicap_level(level);
    painter_.描画_ハンデレベル(level);
    game_.set_start_square(x, y, content);
    show_game();
    painter_.描画_絵(content, x, y);
    painter_.描画_桝輪郭(painter_.board_colour(), x, y);
    sound_.play(sound_.snd_piece());
}

void MainForm::LBEL_UP_Click() {
    if (!ladder_allowed()) return;
    game_.set_record_last(0);  // nothing ahead of the start can be stepped to any more
    const int level = game_.handicap_level() + 1;
    if (const Rung* step = rung(level))
        change_square(level, step->x, step->y, level <= 0 ? step->piece : EMPTY);
    view_.handicap_shown = true;
}

void MainForm::LEBEL_DOWN_Click() {
    if (!ladder_allowed()) return;
    game_.set_record_last(0);
    const int level = game_.handicap_level() - 1;
    if (const Rung* step = rung(game_.handicap_level()))
        change_square(level, step->x, step->y, level < 0 ? EMPTY : step->piece);
    view_.handicap_shown = true;
}

}  // namespace banzuri

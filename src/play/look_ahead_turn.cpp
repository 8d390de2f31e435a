// The look-ahead levels in the game: LEVEL4 and LEVEL5 think on the worker thread while the
// window stays free, and the poll timer plays their move through the same steps as the
// one-ply computer. The hint asks the same search what LEVEL5 would play for the side to
// move and shows it without changing the game.
#include <chrono>
#include <string>
#include <utility>

#include "play/main_form.h"
#include "records/kif_format.h"
#include "rules/legal_moves.h"
#include "rules/sandwich.h"

namespace banzuri {

namespace {

// The hint's outlines: the colour of move guidance, seen whether guidance is on or not.
constexpr int HINT_COLOUR = COLOUR_MARK_GUIDANCE;

// The grid cell a move of the side starts from: the square, or the hand slot of a drop.
Square source_cell(const Move& m, bool lower) {
    if (!m.is_drop()) return m.from;
    return lower ? Square{HAND_LOWER_COLUMN, m.drop + 2} : Square{HAND_UPPER_COLUMN, 8 - m.drop};
}

// The move in the usual notation without its origin: "７六歩", "５五歩打", "２二角成"; in
// English in Western notation: "P-7f", "P*5e", "B-2b+".
std::string hint_text(const GameState& g, bool lower, const Move& m, Language language) {
    if (language == Language::ENGLISH)
        return western_move_text(m, moving_piece(g, lower, m), may_promote(g, lower, m),
                                 another_piece_reaches(g, m));
    std::string text = records::move_text(m, moving_piece(g, lower, m), may_promote(g, lower, m));
    const std::size_t origin = text.find('(');
    if (origin != std::string::npos) text.erase(origin);
    return text;
}

}  // namespace

LookLimits timed_limits(int level) {
    LookLimits limits = level_limits(level);
    limits.nodes = 0;
    const auto budget =
        std::chrono::milliseconds(level == LEVEL5 ? LEVEL5_THINK_MS : LEVEL4_THINK_MS);
    const auto now = std::chrono::steady_clock::now();
    const auto search_end = now + budget * SEARCH_TIME_PERCENT / 100;
    const auto end = now + budget;
    limits.should_stop = [search_end] { return std::chrono::steady_clock::now() >= search_end; };
    limits.plan_should_stop = [end] { return std::chrono::steady_clock::now() >= end; };
    return limits;
}

void MainForm::start_thinking(Thinking kind, bool lower_side, int level) {
    thinking_ = kind;
    worker_.start(game_.position(), lower_side, think_limits_(level));
    p.poll.set_enabled(true);
}

void MainForm::Poll_Timer() {
    if (quitting_ || animating()) return;
    if (sound_.loading_done()) {
        sound_.finish_loading();
        keep_polling();
    }
    poll_analysis();
    if (!worker_.finished()) return;
    const Thinking kind = std::exchange(thinking_, Thinking::NONE);
    const std::optional<Move> move = worker_.collect().move;
    keep_polling();
    if (kind == Thinking::HINT) {
        hide_hint_thinking();
        show_hint(move);
        return;
    }
    run(play_computer_move(move));
}

void MainForm::HINT_Click() {
    if (thinking()) {
        sound_.play(sound_.snd_forbidden());
        return;
    }
    if (g.winner != TURN_NONE) {
        sound_.play(sound_.snd_forbidden());
        p.dialogs.message(t(TextId::NEW_GAME_PLEASE), t(TextId::TITLE_GAME_OVER));
        return;
    }
    if (g.turn == TURN_NONE) {
        sound_.play(sound_.snd_forbidden());
        p.dialogs.message(t(TextId::START_FIRST), t(TextId::TITLE_START));
        return;
    }
    start_thinking(Thinking::HINT, g.turn == g.lower_order, LEVEL5);
    show_thinking();
    painter_.refresh();
}

// "思考中" goes, and the upper side's last move it stood in for comes back.
void MainForm::hide_hint_thinking() {
    hide_thinking();
    show_move_text(true, 0);
    painter_.refresh();
}

void MainForm::outline_hint(const Move& move, int colour) {
    const Square from = source_cell(move, g.turn == g.lower_order);
    painter_.描画_桝輪郭(colour, from.x, from.y);
    painter_.描画_桝輪郭(colour, move.to.x, move.to.y);
}

void MainForm::show_hint(const std::optional<Move>& move) {
    if (!move) {
        p.dialogs.message(t(TextId::NO_MOVE_TO_PLAY), t(TextId::TITLE_HINT));
        return;
    }
    outline_hint(*move, HINT_COLOUR);
    painter_.refresh();
    p.dialogs.message(hint_text(g, g.turn == g.lower_order, *move, view_.language),
                      t(TextId::TITLE_HINT));
    outline_hint(*move, painter_.grid_colour());
    restore_selection_display();
    painter_.refresh();
}

// A piece picked up before the hint is shown picked up again.
void MainForm::restore_selection_display() {
    if (sel_.selection_state != 1) return;
    painter_.描画_移動可能桝色(sel_.sel_from_x, sel_.sel_from_y, painter_.guidance_colour(),
                               sel_.sel_piece);
    const bool own = (g.turn == g.lower_order) == (sel_.sel_piece <= LOWER_HU);
    painter_.描画_桝輪郭(own ? COLOUR_MARK_PICKED : painter_.guidance_colour(), sel_.sel_from_x,
                         sel_.sel_from_y);
}

bool MainForm::runs_while_thinking(Command handler) {
    static const Command allowed[] = {
        &MainForm::LEVEL1_Click, &MainForm::LEVEL2_Click,    &MainForm::LEVEL3_Click,
        &MainForm::LEVEL4_Click, &MainForm::LEVEL5_Click,    &MainForm::MIDORI_Click,
        &MainForm::TATAMI_Click, &MainForm::TAKE_Click,      &MainForm::UCHU_Click,
        &MainForm::RENGA_Click,  &MainForm::SIDOU_Click,     &MainForm::KEIKA_Click,
        &MainForm::BGM_Click,    &MainForm::KAISETU_Click,   &MainForm::VER_Click,
        &MainForm::OWARI_Click,  &MainForm::MATCH_MAN_Click, &MainForm::MATTA_Click};
    for (Command c : allowed)
        if (c == handler) return true;
    return false;
}

void MainForm::command(Command handler) {
    if ((thinking() || animating()) && !runs_while_thinking(handler)) {
        sound_.play(sound_.snd_forbidden());
        return;
    }
    clear_capture_preview();
    (this->*handler)();
}

}  // namespace banzuri

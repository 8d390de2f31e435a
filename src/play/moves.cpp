// Carrying out a move on the window and the animated captures that follow it.
#include "play/main_form.h"
#include "render/pictures.h"
#include "rules/capture_sequence.h"
#include "rules/game_state.h"
#include "rules/move.h"
#include "rules/sandwich.h"

namespace banzuri {

namespace {

constexpr double kSandwichFrame = 0.15;
constexpr double kEnclosureFrame = 0.1;
constexpr double kBlinkFrame = 0.2;

}  // namespace

void MainForm::初期設定() {
    p.timer.set_enabled(false);
    clock_.shown_second = 0;
    sel_.selection_state = 0;
    game_.reset();
    show_game();
    view_.handicap_shown = false;
    view_.board_reversed = false;
    records_.new_game();
    painter_.画面_再描画();
    thinking_shown_ = false;
}

void MainForm::駒移動(int fx, int fy, int tx, int ty, int piece) {
    painter_.描画_絵(EMPTY, fx, fy);
    // A hand's column stands for a drop of the kind in fy (the lower hand's rows start at 3).
    const bool drop = fx == HAND_LOWER_COLUMN || fx == HAND_UPPER_COLUMN;
    banzuri::駒移動(g, drop ? DROP_COLUMN : fx, fx == HAND_LOWER_COLUMN ? fy - 2 : fy, tx, ty,
                    piece);
    if (fx == HAND_UPPER_COLUMN) painter_.描画_敵持盤();
    if (fx == HAND_LOWER_COLUMN) painter_.描画_自持盤();
    painter_.描画_絵(piece, tx, ty);
    painter_.描画_桝輪郭(painter_.board_colour(), fx, fy);
    painter_.描画_桝輪郭(painter_.board_colour(), tx, ty);
}

// Each sandwich of the move, in the order the game took them.
Task MainForm::挟み処理(std::vector<CaptureStep> steps) {
    for (const CaptureStep& step : steps)
        if (step.kind == CaptureKind::SANDWICH) co_await 石_取得(step.squares);
}

// The pieces of one sandwich vanish one by one from the mover outwards, each going to the
// capturer's hand on the board shown.
Task MainForm::石_取得(std::vector<Square> run) {
    for (const Square& s : run) {
        const int code = g.at(s.x, s.y);
        if (code <= LOWER_HU || code >= UPPER_HU) {
            const bool lower = code <= LOWER_HU;
            painter_.frame(lower ? PIC_JI_NAKA : PIC_TEKI_NAKA, s.x, s.y);
            co_await 待ち時間(kSandwichFrame);
            painter_.frame(lower ? PIC_JI_SHOU : PIC_TEKI_SHOU, s.x, s.y);
        }
        co_await 待ち時間(kSandwichFrame);
        credit_capture(g, code);
        sound_.play(sound_.snd_vanish());
        painter_.refresh();
        co_await puff(s.x, s.y, kSandwichFrame);
        g.set(s.x, s.y, EMPTY);
    }
    painter_.描画_自持盤();
    painter_.描画_敵持盤();
}

Task MainForm::描画_当駒消去(std::vector<Square> group) {
    for (const Square& s : group) {
        const int code = g.at(s.x, s.y);
        if (code <= LOWER_HU) {
            painter_.frame(PIC_JI_NAKA, s.x, s.y);
            co_await 待ち時間(kEnclosureFrame);
            painter_.描画_桝輪郭(painter_.board_colour(), s.x,
                                 s.y);  // this side outlines before the picture
            painter_.描画_絵(PIC_JI_SHOU, s.x, s.y);
            painter_.refresh();
        } else if (code >= UPPER_HU) {
            painter_.frame(PIC_TEKI_NAKA, s.x, s.y);
            co_await 待ち時間(kEnclosureFrame);
            painter_.frame(PIC_TEKI_SHOU, s.x, s.y);
        }
        co_await 待ち時間(kEnclosureFrame);
        sound_.play(sound_.snd_vanish());
        co_await puff(s.x, s.y, kEnclosureFrame);
        credit_capture(g, code);
        g.set(s.x, s.y, EMPTY);
    }
}

Task MainForm::puff(int x, int y, double wait) {
    for (int picture : {PIC_PA1, PIC_PA2, static_cast<int>(EMPTY)}) {
        painter_.frame(picture, x, y);
        co_await 待ち時間(wait);
    }
}

Task MainForm::captures_after_move(std::vector<CaptureStep> steps) {
    co_await 挟み処理(steps);
    for (const CaptureStep& step : steps) {
        if (step.kind != CaptureKind::ENCLOSURE) continue;
        co_await 描画_当駒消去(step.squares);
        painter_.描画_自持盤();
        painter_.描画_敵持盤();
    }
}

Task MainForm::描画_駒点滅(int code, int x, int y, int blinks) {
    for (int i = 1; i <= blinks; ++i) {
        for (int shown : {static_cast<int>(PIC_BLANK), code}) {
            painter_.blink_frame(shown, x, y);
            co_await 待ち時間(kBlinkFrame);
        }
    }
}

}  // namespace banzuri

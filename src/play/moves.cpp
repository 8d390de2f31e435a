// Placeholder bodies; this concern is being built.
#include "play/main_form.h"
#include "rules/game_state.h"

namespace banzuri {

void MainForm::初期設定() {
    p.timer.set_enabled(false);
    shown_second = 0;
    selection_state = 0;
    banzuri::初期設定(g);
    画面_再描画();
}

void MainForm::駒移動(int /*fx*/, int /*fy*/, int /*tx*/, int /*ty*/, int /*piece*/) {}

void MainForm::挟み処理(int /*x*/, int /*y*/) {}

void MainForm::石_取得(int /*x1*/, int /*y1*/, int /*x2*/, int /*y2*/) {}

void MainForm::描画_当駒消去() {}

void MainForm::captures_after_move(int /*tx*/, int /*ty*/) {}

}  // namespace banzuri

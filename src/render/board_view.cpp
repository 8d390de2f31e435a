// Placeholder bodies; this concern is being built.
#include "play/main_form.h"

namespace banzuri {

void MainForm::描画_盤() {}

void MainForm::描画_将棋盤桝() {}

void MainForm::描画_自持盤() {}

void MainForm::描画_敵持盤() {}

void MainForm::描画_背景(int /*code*/) {}

void MainForm::画面_再描画() {}

}  // namespace banzuri

// Placeholder bodies; this concern is being built.
#include "play/main_form.h"

namespace banzuri {

void MainForm::tile(double gx, double gy) {
    描画_絵(background, gx, gy);
}

void MainForm::描画_桝_数値() {}

void MainForm::描画_手数(int /*number*/, int /*colour*/) {}

void MainForm::描画_レベル(int /*level*/) {}

void MainForm::描画_ハンデレベル(int /*handicap*/) {}

void MainForm::描画_メッセージ(int /*message*/) {}

void MainForm::描画_所有時間(int /*side*/, double /*seconds*/) {}

void MainForm::消去_所有時間(int /*side*/) {}

void MainForm::消去_思考中() {}

void MainForm::描画_移動結果(int /*side*/, int /*x*/, int /*y*/, int /*code*/, int /*colour*/) {}

void MainForm::消去_移動結果(int /*side*/) {}

void MainForm::描画_移動駒種類(double /*gx*/, double /*gy*/, const std::string& /*text*/,
                               int /*colour*/) {}

void MainForm::描画_移動可能桝色(int /*fx*/, int /*fy*/, int /*colour*/, int /*code*/) {}

void MainForm::描画_駒点滅(int /*code*/, int /*x*/, int /*y*/, int /*blinks*/) {}

void MainForm::描画_棋譜読込み部分消去() {}

}  // namespace banzuri

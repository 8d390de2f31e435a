// Placeholder bodies; this concern is being built.
#include "play/main_form.h"

namespace banzuri {

void MainForm::読込_環境設定ファイル() {}

void MainForm::書込_環境設定ファイル() {}

void MainForm::チェック設定(int /*background_code*/) {}

void MainForm::MIDORI_Click() {}

void MainForm::TATAMI_Click() {}

void MainForm::TAKE_Click() {}

void MainForm::UCHU_Click() {}

void MainForm::RENGA_Click() {}

void MainForm::SIDOU_Click() {}

void MainForm::KEIKA_Click() {}

void MainForm::BGM_Click() {}

}  // namespace banzuri

// Placeholder bodies; this concern is being built.
#include "play/main_form.h"

namespace banzuri {

void MainForm::終了(const std::string& /*winner_name*/) {}

void MainForm::終了処理() {}

void MainForm::OWARI_Click() {}

void MainForm::Form_KeyPress(int /*key*/) {}

void MainForm::Form_Unload() {}

}  // namespace banzuri

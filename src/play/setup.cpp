// Placeholder bodies; this concern is being built.
#include "play/main_form.h"

namespace banzuri {

void MainForm::Form_Load() {}

void MainForm::START_Click() {}

void MainForm::MATCH_MAN_Click() {}

void MainForm::SENTE_Click() {}

void MainForm::GOTE_Click() {}

void MainForm::LEVEL1_Click() {}

void MainForm::LEVEL2_Click() {}

void MainForm::LEVEL3_Click() {}

}  // namespace banzuri

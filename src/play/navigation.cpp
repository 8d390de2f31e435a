// Placeholder bodies; this concern is being built.
#include "play/main_form.h"

namespace banzuri {

void MainForm::REPLAY_Click() {}

void MainForm::AFTER_Click() {}

void MainForm::CANCEL_Click() {}

void MainForm::REVERSE_Click() {}

}  // namespace banzuri

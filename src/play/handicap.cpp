// Placeholder bodies; this concern is being built.
#include "play/main_form.h"

namespace banzuri {

void MainForm::LBEL_UP_Click() {}

void MainForm::LEBEL_DOWN_Click() {}

}  // namespace banzuri

// Placeholder bodies; this concern is being built.
#include "play/main_form.h"

namespace banzuri {

void MainForm::KAISETU_Click() {}

void MainForm::VER_Click() {}

bool MainForm::HOMEPAGE_Click() {
    return false;
}

}  // namespace banzuri

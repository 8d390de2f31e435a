// Placeholder bodies; this concern is being built.
#include "play/main_form.h"

namespace banzuri {

void MainForm::com_ban() {}

}  // namespace banzuri

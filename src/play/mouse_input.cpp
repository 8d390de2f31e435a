// Placeholder bodies; this concern is being built.
#include "play/main_form.h"

namespace banzuri {

void MainForm::Form_MouseDown(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {}

void MainForm::mouse_board_click(int /*button*/, int /*cx*/, int /*cy*/) {}

void MainForm::mouse_off_board_click(int /*cx*/, int /*cy*/) {}

void MainForm::execute_human_move(int /*button*/) {}

}  // namespace banzuri

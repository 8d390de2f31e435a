// The keyboard shortcuts of the menu commands. The captions stay as they are; the menus show
// the keys beside them.
#pragma once

#include <QKeySequence>
#include <QWidget>
#include <utility>
#include <vector>

namespace banzuri::app {

// Menu command (action name) and its key.
const std::vector<std::pair<const char*, QKeySequence>>& command_shortcuts();

// The keys of the game-record commands (Ctrl+S to save, Ctrl+O to open); no other command
// takes them.
const std::vector<QKeySequence>& record_command_keys();

// Gives every action of `window` named in the table its key.
void assign_shortcuts(QWidget& window);

// The key that switches the window to full screen and back.
inline const QKeySequence FULL_SCREEN_KEY{Qt::Key_F11};

}  // namespace banzuri::app

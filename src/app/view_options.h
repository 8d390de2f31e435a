// Options of the window's view that belong to this desktop, not to the game's settings file:
// remembered in the window's own settings beside its size.
#pragma once

#include <QMenuBar>
#include <QString>
#include <functional>

namespace banzuri::app {

// Adds "最終手を強調" (action LAST_MOVE, checked by default) to the ｵﾌﾟｼｮﾝ menu of `bar`. The
// choice is read from and written to `settings_file` (empty: the user's configuration folder)
// under `view/lastMove`; `apply` gets it now and whenever it changes.
void add_last_move_option(QMenuBar& bar, const QString& settings_file,
                          const std::function<void(bool)>& apply);

}  // namespace banzuri::app

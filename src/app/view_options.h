// Options of the window's view that belong to this desktop, not to the game's settings file:
// remembered in the window's own settings beside its size.
#pragma once

#include <QMenuBar>
#include <QString>
#include <functional>

#include "app/pictures.h"

namespace banzuri::app {

// Adds "最終手を強調" (action LAST_MOVE, checked by default) to the ｵﾌﾟｼｮﾝ menu of `bar`. The
// choice is read from and written to `settings_file` (empty: the user's configuration folder)
// under `view/lastMove`; `apply` gets it now and whenever it changes.
void add_last_move_option(QMenuBar& bar, const QString& settings_file,
                          const std::function<void(bool)>& apply);

// Adds the submenu "駒の絵" with "漢字" (action PIECES_KANJI, the default) and "国際"
// (PIECES_INTERNATIONAL) to the ｵﾌﾟｼｮﾝ menu of `bar`. The choice is kept in `settings_file`
// as for add_last_move_option, under `view/pieces` ("kanji" or "international"); `apply`
// gets it now and whenever it changes.
void add_piece_set_option(QMenuBar& bar, const QString& settings_file,
                          const std::function<void(PieceSet)>& apply);

}  // namespace banzuri::app

// The main window's menu bar: every item with its caption and nesting, each bound to the
// handler of the game that carries it out.
#pragma once

#include <QAction>
#include <QMenuBar>
#include <functional>
#include <optional>

#include "play/main_form.h"

namespace banzuri::app {

using Handler = void (MainForm::*)();

// Called once per command: the action, the game's handler and, for items with a check mark,
// which item it is. The binder connects the action.
using BindCommand = std::function<void(QAction*, Handler, std::optional<MenuItem>)>;

// Fills the bar. Actions are named after their items ("START", "SENTE", "REPLAY" ...);
// `on_match_man_opened` runs when the "対局(人間)" submenu opens.
void build_menu_bar(QMenuBar& bar, const BindCommand& bind,
                    const std::function<void()>& on_match_man_opened);

}  // namespace banzuri::app

// The window's own texts in the player's language, through Qt's translations: each caption is
// written in Japanese in the code and translated from translations/banzuri_<code>.ts, compiled
// to a .qm file at build time. Japanese needs no translation file.
#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QString>

#include "settings/language.h"

namespace banzuri::app {

// The context of the menu captions in the translation files.
inline constexpr const char* MENU_CONTEXT = "Menu";

// Gives `action` the caption `source` (Japanese, UTF-8) of `context` in the language in use and
// keeps the source, so that retranslate_captions() can give it again in another language.
void set_caption(QAction& action, const char* context, const char* source);
void set_caption(QMenu& menu, const char* context, const char* source);

// Gives every action under `root` that has a caption its caption in the language in use.
void retranslate_captions(const QObject& root);

// The language in use: Japanese until use_language() chose another.
Language language_in_use();

// Uses `language` for the application's texts from now on: the game's translation (looked for
// in `folder`, then in the program itself) and Qt's own texts (file dialogs, standard buttons).
// Qt tells every widget of the change. False when no translation of the game was found; the
// language in use then stays as it was.
bool use_language(Language language, const QString& folder = {});

// The language remembered in `settings_file` (empty: the user's configuration folder) under
// view/language; Japanese when none was chosen.
Language remembered_language(const QString& settings_file);
void remember_language(const QString& settings_file, Language language);

}  // namespace banzuri::app

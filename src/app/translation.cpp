#include "app/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <memory>

namespace banzuri::app {

namespace {

const char* const kSourceProperty = "banzuriCaption";
const char* const kContextProperty = "banzuriCaptionContext";
const QString kLanguageKey = QStringLiteral("view/language");

struct Translators {
    Language language = Language::JAPANESE;
    std::unique_ptr<QTranslator> game;  // banzuri_<code>.qm; none for Japanese
    std::unique_ptr<QTranslator> qt;    // Qt's own texts
};

Translators& translators() {
    static Translators t;
    return t;
}

std::unique_ptr<QTranslator> load_game_translation(Language language, const QString& folder) {
    const QString name = QStringLiteral("banzuri_") + QString::fromUtf8(code_of_language(language));
    auto translator = std::make_unique<QTranslator>();
    if (!folder.isEmpty() && translator->load(name, folder)) return translator;
    if (translator->load(name, QStringLiteral(":/i18n"))) return translator;
    return nullptr;
}

std::unique_ptr<QTranslator> load_qt_translation(Language language) {
    // English is Qt's own language: no translation.
    if (language == Language::ENGLISH) return nullptr;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return translator;
    return nullptr;
}

std::unique_ptr<QSettings> open(const QString& file) {
    if (file.isEmpty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("banzuri"), QStringLiteral("window"));
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

void caption(QAction& action, const char* context, const char* source) {
    action.setProperty(kSourceProperty, QByteArray(source));
    action.setProperty(kContextProperty, QByteArray(context));
    action.setText(QCoreApplication::translate(context, source));
}

}  // namespace

void set_caption(QAction& action, const char* context, const char* source) {
    caption(action, context, source);
}

void set_caption(QMenu& menu, const char* context, const char* source) {
    caption(*menu.menuAction(), context, source);
    menu.setTitle(menu.menuAction()->text());
}

void retranslate_captions(const QObject& root) {
    for (QAction* action : root.findChildren<QAction*>()) {
        const QByteArray source = action->property(kSourceProperty).toByteArray();
        if (source.isEmpty()) continue;
        const QByteArray context = action->property(kContextProperty).toByteArray();
        action->setText(QCoreApplication::translate(context.constData(), source.constData()));
    }
}

Language language_in_use() {
    return translators().language;
}

bool use_language(Language language, const QString& folder) {
    Translators& t = translators();
    std::unique_ptr<QTranslator> game;
    if (language != Language::JAPANESE) {
        game = load_game_translation(language, folder);
        if (!game) return false;
    }
    if (t.game) QCoreApplication::removeTranslator(t.game.get());
    if (t.qt) QCoreApplication::removeTranslator(t.qt.get());
    t.game = std::move(game);
    t.qt = load_qt_translation(language);
    if (t.qt) QCoreApplication::installTranslator(t.qt.get());
    if (t.game) QCoreApplication::installTranslator(t.game.get());
    t.language = language;
    return true;
}

Language remembered_language(const QString& settings_file) {
    const QString code = open(settings_file)->value(kLanguageKey).toString();
    return language_of_code(code.toStdString()).value_or(Language::JAPANESE);
}

void remember_language(const QString& settings_file, Language language) {
    open(settings_file)->setValue(kLanguageKey, QString::fromUtf8(code_of_language(language)));
}

}  // namespace banzuri::app

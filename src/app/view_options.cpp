#include "app/view_options.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSettings>
#include <memory>

#include "app/translation.h"

namespace banzuri::app {

namespace {

const QString kLastMoveKey = QStringLiteral("view/lastMove");
const QString kPiecesKey = QStringLiteral("view/pieces");
const QString kInternational = QStringLiteral("international");

std::unique_ptr<QSettings> open(const QString& file) {
    if (file.isEmpty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("banzuri"), QStringLiteral("window"));
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

}  // namespace

void add_last_move_option(QMenuBar& bar, const QString& settings_file,
                          const std::function<void(bool)>& apply) {
    auto* option = bar.findChild<QMenu*>(QStringLiteral("OPTION"));
    if (option == nullptr) return;
    auto* action = new QAction(option);
    set_caption(*action, MENU_CONTEXT, "最終手を強調");
    action->setObjectName(QStringLiteral("LAST_MOVE"));
    action->setCheckable(true);
    action->setChecked(open(settings_file)->value(kLastMoveKey, true).toBool());
    option->addAction(action);
    apply(action->isChecked());
    QObject::connect(action, &QAction::toggled, option, [settings_file, apply](bool on) {
        open(settings_file)->setValue(kLastMoveKey, on);
        apply(on);
    });
}

void add_piece_set_option(QMenuBar& bar, const QString& settings_file,
                          const std::function<void(PieceSet)>& apply) {
    auto* option = bar.findChild<QMenu*>(QStringLiteral("OPTION"));
    if (option == nullptr) return;
    auto* menu = new QMenu(option);
    set_caption(*menu, MENU_CONTEXT, "駒の絵");
    menu->setObjectName(QStringLiteral("PIECES"));
    option->addMenu(menu);
    auto* group = new QActionGroup(menu);
    const bool international = open(settings_file)->value(kPiecesKey).toString() == kInternational;
    const auto item = [&](const char* name, const char* caption, PieceSet set, bool on) {
        auto* action = new QAction(group);
        set_caption(*action, MENU_CONTEXT, caption);
        action->setObjectName(QString::fromUtf8(name));
        action->setCheckable(true);
        action->setChecked(on);
        menu->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [settings_file, apply, set] {
            open(settings_file)
                ->setValue(kPiecesKey, set == PieceSet::INTERNATIONAL ? kInternational
                                                                      : QStringLiteral("kanji"));
            apply(set);
        });
    };
    item("PIECES_KANJI", "漢字", PieceSet::KANJI, !international);
    item("PIECES_INTERNATIONAL", "国際", PieceSet::INTERNATIONAL, international);
    apply(international ? PieceSet::INTERNATIONAL : PieceSet::KANJI);
}

}  // namespace banzuri::app

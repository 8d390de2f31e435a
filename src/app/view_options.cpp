#include "app/view_options.h"

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <memory>

namespace banzuri::app {

namespace {

const QString kLastMoveKey = QStringLiteral("view/lastMove");

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
    auto* action = new QAction(QStringLiteral("最終手を強調"), option);
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

}  // namespace banzuri::app

#include "app/shortcuts.h"

#include <QAction>

namespace banzuri::app {

const std::vector<std::pair<const char*, QKeySequence>>& command_shortcuts() {
    static const std::vector<std::pair<const char*, QKeySequence>> table = {
        {"REPLAY", QKeySequence(Qt::Key_Left)},               // 戻
        {"AFTER", QKeySequence(Qt::Key_Right)},               // 進
        {"FIRST_POSITION", QKeySequence(Qt::Key_Home)},       // 開始局面を表示
        {"LATEST_POSITION", QKeySequence(Qt::Key_End)},       // 最新の局面を表示
        {"MATTA", QKeySequence(Qt::CTRL | Qt::Key_Z)},        // 待った
        {"REVERSE", QKeySequence(Qt::CTRL | Qt::Key_R)},      // 反転
        {"KAISETU", QKeySequence(Qt::Key_F1)},                // 解説
        {"START", QKeySequence(Qt::Key_F2)},                  // 対局(人間) → スタート
        {"KIFU_HIRAKU", QKeySequence(Qt::CTRL | Qt::Key_O)},  // 棋譜を開く…
        {"KIFU_HOZON", QKeySequence(Qt::CTRL | Qt::Key_S)},   // 棋譜を保存…
    };
    return table;
}

// The record commands' keys, as they stand in the table above.
const std::vector<QKeySequence>& record_command_keys() {
    static const std::vector<QKeySequence> keys = {QKeySequence(Qt::CTRL | Qt::Key_S),
                                                   QKeySequence(Qt::CTRL | Qt::Key_O)};
    return keys;
}

void assign_shortcuts(QWidget& window) {
    for (const auto& [name, key] : command_shortcuts()) {
        auto* action = window.findChild<QAction*>(QString::fromUtf8(name));
        if (action == nullptr) continue;
        action->setShortcut(key);
        // The menu bar's own items show no key beside them: a tip names it.
        action->setToolTip(action->text() + " (" + key.toString(QKeySequence::NativeText) + ")");
    }
}

}  // namespace banzuri::app

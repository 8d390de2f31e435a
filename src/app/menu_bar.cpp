#include "app/menu_bar.h"

#include <QMenu>
#include <QString>

#include "app/translation.h"

namespace banzuri::app {

namespace {

struct Builder {
    const BindCommand& bind;

    QAction* command(QWidget& menu, const char* name, const char* caption, Handler handler,
                     std::optional<MenuItem> check = std::nullopt) {
        auto* action = new QAction(&menu);
        set_caption(*action, MENU_CONTEXT, caption);
        action->setObjectName(QString::fromUtf8(name));
        if (check) action->setCheckable(true);
        menu.addAction(action);
        bind(action, handler, check);
        return action;
    }

    static QMenu* submenu(QWidget& parent, const char* name, const char* caption) {
        auto* menu = new QMenu(&parent);
        set_caption(*menu, MENU_CONTEXT, caption);
        menu->setObjectName(QString::fromUtf8(name));
        if (auto* bar = qobject_cast<QMenuBar*>(&parent)) {
            bar->addMenu(menu);
        } else {
            static_cast<QMenu&>(parent).addMenu(menu);
        }
        return menu;
    }
};

void game_menu(Builder& b, QMenuBar& bar, const std::function<void()>& on_match_man_opened) {
    QMenu* taikyoku = Builder::submenu(bar, "TAIKYOKU", "対局");
    QMenu* match_man = Builder::submenu(*taikyoku, "MATCH_MAN", "対局(人間)");
    QObject::connect(match_man, &QMenu::aboutToShow, on_match_man_opened);
    b.command(*match_man, "START", "スタート", &MainForm::START_Click);
    QMenu* start2 = Builder::submenu(*taikyoku, "START2", "対局(COM)");
    b.command(*start2, "SENTE", "先手", &MainForm::SENTE_Click);
    b.command(*start2, "GOTE", "後手", &MainForm::GOTE_Click);
    QMenu* level = Builder::submenu(*taikyoku, "LEVEL", "COM対局ﾚﾍﾞﾙ");
    b.command(*level, "LEVEL1", "LEVEL1", &MainForm::LEVEL1_Click, MenuItem::LEVEL1);
    b.command(*level, "LEVEL2", "LEVEL2", &MainForm::LEVEL2_Click, MenuItem::LEVEL2);
    b.command(*level, "LEVEL3", "LEVEL3", &MainForm::LEVEL3_Click, MenuItem::LEVEL3);
    b.command(*level, "LEVEL4", "LEVEL4", &MainForm::LEVEL4_Click, MenuItem::LEVEL4);
    b.command(*level, "LEVEL5", "LEVEL5", &MainForm::LEVEL5_Click, MenuItem::LEVEL5);
    b.command(*taikyoku, "OWARI", "終わり", &MainForm::OWARI_Click);
}

void position_commands(Builder& b, QMenuBar& bar) {
    QMenu* stop = Builder::submenu(bar, "STOP", "局面");
    b.command(*stop, "CANCEL", "最初", &MainForm::CANCEL_Click);
    b.command(*stop, "REVERSE", "反転", &MainForm::REVERSE_Click);
    b.command(*stop, "HINT", "ヒント", &MainForm::HINT_Click);
    stop->addSeparator();
    b.command(*stop, "MATTA", "待った", &MainForm::MATTA_Click);
    b.command(*stop, "FIRST_POSITION", "開始局面を表示", &MainForm::FIRST_POSITION_Click);
    b.command(*stop, "LATEST_POSITION", "最新の局面を表示", &MainForm::LATEST_POSITION_Click);
    b.command(*stop, "KENTOU", "対局を検討", &MainForm::KENTOU_Click);
    stop->addSeparator();
    b.command(*stop, "KIFU_HIRAKU", "棋譜を開く…", &MainForm::KIFU_HIRAKU_Click);
    b.command(*stop, "KIFU_HOZON", "棋譜を保存…", &MainForm::KIFU_HOZON_Click);
    b.command(*stop, "KYOKUMEN_COPY", "局面をコピー", &MainForm::KYOKUMEN_COPY_Click);
    b.command(*stop, "SAIKAI", "前回の対局を再開", &MainForm::SAIKAI_Click);
    b.command(bar, "REPLAY", "戻", &MainForm::REPLAY_Click);
    b.command(bar, "AFTER", "進", &MainForm::AFTER_Click);
    b.command(bar, "LBEL_UP", "△", &MainForm::LBEL_UP_Click);
    b.command(bar, "LEBEL_DOWN", "▽", &MainForm::LEBEL_DOWN_Click);
}

void option_menu(Builder& b, QMenuBar& bar) {
    QMenu* option = Builder::submenu(bar, "OPTION", "ｵﾌﾟｼｮﾝ");
    QMenu* haikei = Builder::submenu(*option, "HAIKEI_GA", "背景画");
    b.command(*haikei, "MIDORI", "緑", &MainForm::MIDORI_Click, MenuItem::MIDORI);
    b.command(*haikei, "TATAMI", "畳", &MainForm::TATAMI_Click, MenuItem::TATAMI);
    b.command(*haikei, "TAKE", "竹", &MainForm::TAKE_Click, MenuItem::TAKE);
    b.command(*haikei, "UCHU", "宇宙", &MainForm::UCHU_Click, MenuItem::UCHU);
    b.command(*haikei, "RENGA", "煉瓦", &MainForm::RENGA_Click, MenuItem::RENGA);
    b.command(*option, "SIDOU", "移動指導", &MainForm::SIDOU_Click, MenuItem::SIDOU);
    b.command(*option, "KEIKA", "経過時間", &MainForm::KEIKA_Click, MenuItem::KEIKA);
    b.command(*option, "BGM", "BGM", &MainForm::BGM_Click, MenuItem::BGM);
}

void other_menu(Builder& b, QMenuBar& bar) {
    QMenu* sonota = Builder::submenu(bar, "SONOTA", "その他");
    b.command(*sonota, "KAISETU", "解説", &MainForm::KAISETU_Click);
    b.command(*sonota, "VER", "バージョン情報", &MainForm::VER_Click);
}

}  // namespace

void build_menu_bar(QMenuBar& bar, const BindCommand& bind,
                    const std::function<void()>& on_match_man_opened) {
    Builder b{bind};
    game_menu(b, bar, on_match_man_opened);
    position_commands(b, bar);
    option_menu(b, bar);
    other_menu(b, bar);
}

}  // namespace banzuri::app

#include "app/start_picture.h"

#include <filesystem>

#include "render/board_painter.h"
#include "rules/game_state.h"
#include "settings/options.h"

namespace banzuri::app {

namespace {

// Platform pieces the redraw never uses.
struct QuietDialogs : Dialogs {
    void message(const std::string&, const std::string&) override {}
    bool ask_yes_no(const std::string&, const std::string&, Answer) override { return false; }
    void warning(const std::string&, const std::string&) override {}
    std::optional<std::size_t> choose(const std::string&, const std::string&,
                                      const std::vector<std::string>&) override {
        return std::nullopt;
    }
};
struct NoMenu : MenuView {
    void show_checked(MenuItem, bool) override {}
};

}  // namespace

void draw_start_window(QtCanvas& canvas, int background, bool clocks) {
    QuietDialogs dialogs;
    NoMenu menu;
    GameState g;
    初期設定(g);
    const ViewState view;
    Options options(menu, dialogs, std::filesystem::temp_directory_path());
    options.set_background(background);
    options.set_elapsed(clocks);
    BoardPainter(canvas, g, view, options).画面_再描画();
}

}  // namespace banzuri::app

// The main window "Banzuri": the menu bar, the client area with the board, the clock timer,
// and the wiring of every window event to the game's handlers.
#pragma once

#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/board_widget.h"
#include "app/input_gate.h"
#include "app/move_list_panel.h"
#include "app/qt_canvas.h"
#include "app/qt_file_chooser.h"
#include "app/qt_platform.h"
#include "app/sdl_sound.h"
#include "app/url_opener.h"
#include "app/window_memory.h"
#include "play/main_form.h"
#include "settings/language.h"

namespace banzuri::app {

class GameWindow : public QMainWindow {
  public:
    // The game finds its sounds and help page in `files_dir` and keeps its settings file in
    // `settings_dir` and the game in progress in `state_dir` (both `files_dir` when empty). Its
    // size and full-screen state are remembered in `window_settings_file` (empty: the user's
    // configuration folder).
    explicit GameWindow(std::filesystem::path files_dir = std::filesystem::current_path(),
                        QString window_settings_file = {}, std::filesystem::path settings_dir = {},
                        std::filesystem::path state_dir = {}, QWidget* parent = nullptr);
    ~GameWindow() override;

    // Start-up of the game (its load event); call once before showing the window. Its warnings
    // are shown over the window, in order, once the window is on the screen.
    void load();
    // Shows the window at its remembered size, full screen when it was left so.
    void show_as_remembered();
    // Full screen and back (F11).
    void toggle_full_screen();

    MainForm& form() { return *form_; }
    BoardWidget& board() { return *board_; }
    MoveListPanel& move_list() { return *panel_; }
    // The move list beside the board is shown (その他 → 棋譜); the choice is remembered.
    bool moves_shown() const { return !panel_->isHidden(); }
    void show_moves(bool shown);
    // The window's size for a board area of `board`, the menu bar and the move list included.
    QSize size_for_board(QSize board) const;
    QtCanvas& canvas() { return canvas_; }
    QAction* action(const char* name) const;
    bool quitting() const { return quitting_; }

    // What ending the program does after the window has closed; quits the application by
    // default.
    void set_application_quit(std::function<void()> quit) { application_quit_ = std::move(quit); }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A change of language gives every caption again in the new language.
    void changeEvent(QEvent* event) override;

  private:
    void create_board();
    void lay_out_board_and_panel();
    void build_menus();
    void add_options(const QString& window_settings_file);
    void hold_start_up();
    void add_view_menu();
    // その他 → 言語 (Language) → 日本語 / English: switches at once and is remembered.
    void add_language_menu();
    void choose_language(Language language);
    void show_language();
    // Every caption of the window again, in the language in use.
    void retranslate();
    // The move list follows the game after every handler.
    void refresh_moves();
    void bind(QAction* action, void (MainForm::*handler)(), std::optional<MenuItem> check);
    // Runs one game handler unless another is still running; true when it ran.
    bool run(const std::function<void()>& handler);
    void press(int button, double x, double y, std::uint64_t time);
    void tick();
    void poll();
    void frame();
    // Puts what the game drew since the last paint on the screen, nothing more.
    void show_drawn();
    void quit_now();
    void show_about();
    void remember_window() const;

    QtCanvas canvas_;
    QtDialogs dialogs_{this};
    QtClock clock_;
    QtTimerControl timer_;
    QtPollTimer poll_;
    QtFrameTimer frames_;
    QtMenuView menu_view_;
    SdlSoundLibrary sound_;
    QtUrlOpener browser_;
    QtAppControl app_control_;
    QtFileChooser files_{this};
    QtClipboard clipboard_;
    std::unique_ptr<MainForm> form_;
    BoardWidget* board_ = nullptr;
    MoveListPanel* panel_ = nullptr;
    InputGate gate_;
    bool quitting_ = false;
    bool close_pending_ = false;  // the window was closed while a handler was running
    std::function<void()> application_quit_;
    WindowMemory memory_;
    QString window_settings_;      // where the window's choices are kept
    QString translations_folder_;  // the game's .qm files, beside its other data
    QSize normal_size_;            // the window's size when last not full screen
};

}  // namespace banzuri::app

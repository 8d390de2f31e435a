#include "app/game_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShowEvent>
#include <QTimer>

#include "app/about_box.h"
#include "app/menu_bar.h"
#include "app/shortcuts.h"
#include "app/translation.h"
#include "app/view_options.h"

namespace banzuri::app {

namespace {

constexpr const char* kMovesKey = "view/moves";

bool is_input(const QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return true;
        default:
            return false;
    }
}

// The game's key code: the character typed, 27 for Esc; 0 for keys without one.
int key_code(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Escape) return KEY_ESCAPE;
    const QString text = event.text();
    return text.isEmpty() ? 0 : text.at(0).unicode();
}

}  // namespace

GameWindow::GameWindow(std::filesystem::path files_dir, QString window_settings_file,
                       std::filesystem::path settings_dir, std::filesystem::path state_dir,
                       QWidget* parent)
    : QMainWindow(parent),
      canvas_(devicePixelRatioF()),
      timer_([this] { tick(); }),
      poll_([this] { poll(); }),
      frames_([this] { frame(); }),
      app_control_([this] { quit_now(); }, [this] { show_about(); }),
      application_quit_([] { QCoreApplication::quit(); }),
      memory_(window_settings_file),
      window_settings_(window_settings_file),
      translations_folder_(QString::fromStdString((files_dir / "translations").string())) {
    if (state_dir.empty()) state_dir = files_dir;
    form_ = std::make_unique<MainForm>(
        Platform{canvas_, dialogs_, clock_, timer_, menu_view_, sound_, browser_, app_control_,
                 files_, clipboard_, poll_, frames_},
        std::move(files_dir), std::move(settings_dir), std::move(state_dir));
    setWindowTitle(QStringLiteral("Banzuri"));
    create_board();
    lay_out_board_and_panel();
    dialogs_.set_before_box([this] { show_drawn(); });
    canvas_.set_refresh_handler([this] {
        const QRegion drawn = canvas_.take_drawn();
        if (!drawn.isEmpty()) board_->show_drawn(drawn, true);
    });
    build_menus();
    add_options(window_settings_file);
    resize(size_for_board(board_->sizeHint()));
    const WindowState remembered = memory_.recall();
    if (!remembered.size.isEmpty()) resize(remembered.size);
    normal_size_ = size();
    board_->setFocus();
    qApp->installEventFilter(this);
    hold_start_up();
}

// The board, whose presses, pointer moves and releases go to the form.
void GameWindow::create_board() {
    board_ = new BoardWidget(
        canvas_,
        [this](int button, double x, double y, std::uint64_t time) { press(button, x, y, time); },
        this);
    // A pointer's move only draws; a release is a handler only when it drops a dragged piece,
    // so that the presses the gate drops stay measured from the handlers of presses.
    board_->set_pointer_handlers(
        [this](double x, double y) {
            if (quitting_ || gate_.busy()) return;
            form_->Form_MouseMove(x, y);
            show_drawn();
        },
        [this](int button, double x, double y) {
            if (form_->dragged_piece() == EMPTY) {
                form_->Form_MouseUp(button, x, y);  // a click's release: nothing is dragged
                return;
            }
            run([this, button, x, y] { form_->Form_MouseUp(button, x, y); });
        },
        [this] { return form_->dragged_piece(); });
}

// The board on the left, taking what room there is; the move list beside it, shown as last time.
void GameWindow::lay_out_board_and_panel() {
    panel_ = new MoveListPanel([this](int row) { run([this, row] { form_->show_position(row); }); },
                               [this] { run([this] { form_->cancel_analysis(); }); });
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(board_, 1);
    layout->addWidget(panel_);
    setCentralWidget(central);
    panel_->setVisible(memory_.flag(kMovesKey, true));
}

// The window's own options beside the specified menus, each remembered in window.conf.
void GameWindow::add_options(const QString& window_settings_file) {
    add_last_move_option(*menuBar(), window_settings_file, [this](bool on) {
        run([this, on] { form_->set_last_move_highlight(on); });
    });
    add_piece_set_option(*menuBar(), window_settings_file, [this](PieceSet set) {
        canvas_.set_piece_set(set);
        show_drawn();
    });
    auto* full_screen = new QAction(this);
    full_screen->setObjectName(QStringLiteral("FULL_SCREEN"));
    full_screen->setShortcut(FULL_SCREEN_KEY);
    connect(full_screen, &QAction::triggered, this, [this] { toggle_full_screen(); });
    addAction(full_screen);
    add_view_menu();
    add_language_menu();
}

void GameWindow::hold_start_up() {
    // A box over a window that is not on the screen yet may never be seen: start-up warnings
    // wait for the window.
    dialogs_.hold_warnings();
    // The sounds are set up once the window's first picture is on the screen.
    sound_.hold_start();
    board_->set_first_paint_handler(
        [this] { QTimer::singleShot(0, this, [this] { sound_.release_start(); }); });
}

GameWindow::~GameWindow() {
    sound_.release_start();  // a window never shown: the sounds' start-up must not wait
    qApp->removeEventFilter(this);
}

void GameWindow::load() {
    run([this] {
        form_->set_language(language_in_use());  // nothing to do for Japanese
        form_->Form_Load();
    });
}

QAction* GameWindow::action(const char* name) const {
    return findChild<QAction*>(QString::fromUtf8(name));
}

void GameWindow::build_menus() {
    build_menu_bar(
        *menuBar(),
        [this](QAction* action, Handler handler, std::optional<MenuItem> check) {
            bind(action, handler, check);
        },
        [this] { run([this] { form_->MATCH_MAN_Click(); }); });
    assign_shortcuts(*this);
}

void GameWindow::add_view_menu() {
    auto* moves = new QAction(this);
    set_caption(*moves, MENU_CONTEXT, "棋譜");
    moves->setObjectName(QStringLiteral("VIEW_MOVES"));
    moves->setCheckable(true);
    moves->setChecked(moves_shown());
    connect(moves, &QAction::toggled, this, [this](bool on) { show_moves(on); });
    if (auto* other = findChild<QMenu*>(QStringLiteral("SONOTA")))
        other->insertAction(other->actions().value(0), moves);
    refresh_moves();
}

void GameWindow::add_language_menu() {
    auto* other = findChild<QMenu*>(QStringLiteral("SONOTA"));
    if (other == nullptr) return;
    auto* menu = new QMenu(other);
    set_caption(*menu, MENU_CONTEXT, "言語 (Language)");
    menu->setObjectName(QStringLiteral("LANGUAGE"));
    other->addMenu(menu);
    auto* group = new QActionGroup(menu);
    // Each language is named in its own words, whatever the language in use.
    const auto item = [&](const char* name, const QString& caption, Language language) {
        auto* action = new QAction(caption, group);
        action->setObjectName(QString::fromUtf8(name));
        action->setCheckable(true);
        menu->addAction(action);
        connect(action, &QAction::triggered, this, [this, language] { choose_language(language); });
    };
    item("LANGUAGE_JA", QStringLiteral("日本語"), Language::JAPANESE);
    item("LANGUAGE_EN", QStringLiteral("English"), Language::ENGLISH);
    show_language();
}

void GameWindow::show_language() {
    const bool english = language_in_use() == Language::ENGLISH;
    if (QAction* ja = action("LANGUAGE_JA")) ja->setChecked(!english);
    if (QAction* en = action("LANGUAGE_EN")) en->setChecked(english);
}

void GameWindow::choose_language(Language language) {
    if (use_language(language, translations_folder_)) remember_language(window_settings_, language);
    // At once; Qt's own notice of the change follows from the event loop.
    retranslate();
    // The game's own texts: the board's labels and move texts are drawn again.
    if (!quitting_ && !run([this] { form_->set_language(language_in_use()); })) {
        // A handler is running: the game follows as soon as it has ended.
        QTimer::singleShot(0, this, [this] { choose_language(language_in_use()); });
    }
}

void GameWindow::retranslate() {
    retranslate_captions(*this);
    assign_shortcuts(*this);
    panel_->retranslate();
    show_language();
}

void GameWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) retranslate();
}

QSize GameWindow::size_for_board(QSize board) const {
    const int panel = panel_->isHidden() ? 0 : MoveListPanel::WIDTH;
    return board + QSize(panel, menuBar()->sizeHint().height());
}

void GameWindow::show_moves(bool shown) {
    if (shown == moves_shown()) return;
    panel_->setVisible(shown);
    memory_.set_flag(kMovesKey, shown);
    if (QAction* item = action("VIEW_MOVES")) item->setChecked(shown);
    // The board keeps its size: the window grows or shrinks by the list.
    const int change = shown ? MoveListPanel::WIDTH : -MoveListPanel::WIDTH;
    if (!isFullScreen() && !isMaximized()) resize(size() + QSize(change, 0));
    refresh_moves();
}

void GameWindow::refresh_moves() {
    if (panel_->isHidden()) return;
    panel_->show_list(move_list_of(form_->game(), form_->analysis(), form_->language()));
    panel_->show_progress(form_->analysing(), form_->analysis_done(), form_->analysis_total());
}

void GameWindow::show_as_remembered() {
    if (memory_.recall().full_screen) {
        showFullScreen();
    } else {
        show();
    }
}

void GameWindow::toggle_full_screen() {
    if (isFullScreen()) {
        showNormal();
    } else {
        showFullScreen();
    }
}

void GameWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!isFullScreen() && !isMaximized()) normal_size_ = size();
}

void GameWindow::remember_window() const {
    memory_.remember({normal_size_, isFullScreen()});
}

void GameWindow::bind(QAction* action, void (MainForm::*handler)(), std::optional<MenuItem> check) {
    if (check) menu_view_.attach(*check, action);
    connect(action, &QAction::triggered, this, [this, action, handler, check] {
        // A checkable action toggles itself when clicked; its mark belongs to the game.
        if (check) action->setChecked(form_->checked(*check));
        run([this, handler] { form_->command(handler); });
        if (check && !quitting_) action->setChecked(form_->checked(*check));
    });
}

bool GameWindow::run(const std::function<void()>& handler) {
    if (quitting_ || !gate_.begin()) return false;
    QElapsedTimer elapsed;
    elapsed.start();
    handler();
    gate_.end(elapsed.elapsed());
    // What the handler drew reaches the screen now, refreshed or not.
    if (!quitting_) {
        show_drawn();
        refresh_moves();
    }
    if (close_pending_ && !quitting_) {
        close_pending_ = false;
        run([this] { form_->Form_Unload(); });
    }
    return true;
}

void GameWindow::press(int button, double x, double y, std::uint64_t time) {
    if (quitting_ || !gate_.accepts_press(time)) return;
    run([this, button, x, y] { form_->Form_MouseDown(button, 0, x, y); });
}

void GameWindow::tick() {
    if (quitting_) return;
    form_->Timer1_Timer();
    show_drawn();  // most ticks draw nothing: the clock changes once a second
}

void GameWindow::show_drawn() {
    const QRegion drawn = canvas_.take_drawn();
    if (!drawn.isEmpty()) board_->show_drawn(drawn, false);
}

// The computer's worker is looked at between handlers only: while a message box of another
// handler is open its move waits for the next tick.
void GameWindow::poll() {
    if (quitting_ || gate_.busy()) return;
    run([this] { form_->Poll_Timer(); });
}

// The next frame of an animation; it waits while a message box of another handler is open.
void GameWindow::frame() {
    if (quitting_) return;
    if (gate_.busy()) {
        frames_.start(0.01);
        return;
    }
    run([this] { form_->Frame_Timer(); });
}

void GameWindow::keyPressEvent(QKeyEvent* event) {
    const int key = key_code(*event);
    if (key == 0) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    event->accept();
    run([this, key] { form_->Form_KeyPress(key); });
}

void GameWindow::closeEvent(QCloseEvent* event) {
    if (quitting_) {
        event->accept();
        return;
    }
    if (gate_.busy()) {  // ends the program as soon as the running handler returns
        close_pending_ = true;
        event->ignore();
        return;
    }
    run([this] { form_->Form_Unload(); });
    if (quitting_) {
        event->accept();
    } else {
        event->ignore();
    }
}

void GameWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!dialogs_.holding_warnings()) return;
    // After the window has been drawn, from the running event loop.
    QTimer::singleShot(0, this, [this] {
        if (!quitting_) dialogs_.show_held_warnings();
    });
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (is_input(event)) gate_.saw_input(static_cast<QInputEvent*>(event)->timestamp());
    return QMainWindow::eventFilter(watched, event);
}

void GameWindow::quit_now() {
    if (quitting_) return;
    quitting_ = true;
    timer_.set_enabled(false);
    poll_.set_enabled(false);
    frames_.stop();
    remember_window();
    close();
    application_quit_();
}

void GameWindow::show_about() {
    AboutBox box([this] { return form_->HOMEPAGE_Click(); }, this, canvas_.piece_set());
    box.exec();
}

}  // namespace banzuri::app

// The main window's game: it owns the game (Game), the position the screen shows, what the
// screen shows beside it, the computer's tables, the selection, the turn clock and three
// components (the board painter, the options and the sound layer). It answers the window's
// events by giving the game commands and drawing what they answered.
//
// The handlers live in files by concern:
//   play/setup.cpp            start-up and the game menu
//   play/moves.cpp            carrying out a move and the animated captures
//   play/mouse_input.cpp      the two-click move input
//   play/drag_drop.cpp        moving a piece by dragging it, the promotion question
//   play/capture_preview.cpp  the pieces a move pointed at would take
//   play/last_move.cpp        the last move's squares marked
//   play/clocks.cpp           the timer tick
//   play/animation.cpp        the pauses of an animation on the event loop
//   play/computer_turn.cpp    the computer's move
//   play/look_ahead_turn.cpp  the look-ahead levels on the worker thread, and the hint
//   play/game_end.cpp         end of a game and shutdown
//   play/navigation.cpp       stepping through the record and flipping the board
//   play/take_back.cpp        待った, and showing any position of the line
//   play/analysis_commands.cpp  対局を検討: the game looked over on a worker thread
//   play/handicap.cpp         the handicap ladder
//   play/option_menu.cpp      the option menu
//   play/help_menu.cpp        the help page and the about box
//   play/record_commands.cpp  opening and saving game records, copying the position
//   play/autosave.cpp         keeping the game in progress and bringing it back
#pragma once

#include <coroutine>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "computer/computer_state.h"
#include "computer/search.h"
#include "play/analysis_worker.h"
#include "play/computer_worker.h"
#include "play/game_line.h"
#include "play/held_warnings.h"
#include "play/platform.h"
#include "play/record_keeping.h"
#include "play/task.h"
#include "render/board_painter.h"
#include "rules/game.h"
#include "rules/game_state.h"
#include "rules/sandwich.h"
#include "settings/options.h"
#include "sound/sound_layer.h"

namespace banzuri {

inline constexpr int MOUSE_LEFT = 1;
inline constexpr int MOUSE_RIGHT = 2;
inline constexpr int KEY_ESCAPE = 27;

// The piece picked up by the first click and the square named by the second.
struct Selection {
    int selection_state = 0;  // 1 while a piece is picked up
    int sel_from_x = 0;
    int sel_from_y = 0;
    int sel_to_x = 0;
    int sel_to_y = 0;
    int sel_piece = EMPTY;
};

// The pieces a move onto the square pointed at would take, as they are marked on the board.
struct CapturePreview {
    bool shown = false;
    Square to;                    // the square pointed at
    std::vector<Square> squares;  // the pieces that move would take
};

// A press that picked a piece up, so that its release elsewhere moves it there.
struct DragState {
    bool armed = false;  // the press picked up the piece on its own cell
    int from_x = 0;      // the cell pressed
    int from_y = 0;
    bool moved = false;  // the pointer has left that cell with the button down
};

// The clock of the move being thought about.
struct TurnClock {
    double turn_start_time = 0;  // time of day at which the turn started
    double move_seconds = 0;     // seconds of the turn so far
    int shown_second = 0;        // the whole second the clock last showed
};

// A turn's clock has shown no second yet, so its first one is always drawn.
inline constexpr int NO_SECOND_SHOWN = -1;

class MainForm {
  public:
    // Sounds and the help page come from `files_dir`, the settings file from `settings_dir`
    // (`files_dir` when empty); the game in progress is kept in `state_dir` (not at all when
    // empty).
    MainForm(Platform platform, std::filesystem::path files_dir,
             std::filesystem::path settings_dir = {}, std::filesystem::path state_dir = {});
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    // ---- events and menu commands -------------------------------------------------------
    void Form_Load();
    void Form_MouseDown(int button, int shift, double x, double y);
    // The pointer moved to (x, y): the capture preview follows it, and a piece picked up by
    // the press is being dragged.
    void Form_MouseMove(double x, double y);
    // The button pressed on a piece was let go on (x, y): after the pointer has left the
    // piece's cell, another square is the move there; any release ends the drag.
    void Form_MouseUp(int button, double x, double y);
    void Form_KeyPress(int key);
    void Form_Unload();
    void Timer1_Timer();

    void START_Click();
    void MATCH_MAN_Click();
    void SENTE_Click();
    void GOTE_Click();
    void LEVEL1_Click();
    void LEVEL2_Click();
    void LEVEL3_Click();
    void LEVEL4_Click();
    void LEVEL5_Click();
    void OWARI_Click();
    void CANCEL_Click();
    void REVERSE_Click();
    void HINT_Click();
    void REPLAY_Click();
    void AFTER_Click();
    void LBEL_UP_Click();
    void LEBEL_DOWN_Click();
    void MIDORI_Click();
    void TATAMI_Click();
    void TAKE_Click();
    void UCHU_Click();
    void RENGA_Click();
    void SIDOU_Click();
    void KEIKA_Click();
    void BGM_Click();
    void KAISETU_Click();
    void VER_Click();
    // 局面 menu: "棋譜を開く…", "棋譜を保存…", "局面をコピー", "前回の対局を再開".
    void KIFU_HIRAKU_Click();
    void KIFU_HOZON_Click();
    void KYOKUMEN_COPY_Click();
    void SAIKAI_Click();
    // 局面 → "待った": against the computer back to before the player's last move, between
    // people one move; refused once the game is decided or while the computer thinks.
    void MATTA_Click();
    // The first and the latest position of the line (Home and End), as ← and → would reach
    // them; the game goes on from the latest.
    void FIRST_POSITION_Click();
    void LATEST_POSITION_Click();
    // Shows position n of the line (the move list's row n), as stepping would; the game is not
    // changed. Refused with the forbidden sound while the computer thinks or a move is animated.
    void show_position(int n);
    // 局面 → "対局を検討": the game's line is looked over on a worker thread while the window
    // stays free; a move, a take-back or another record discards it. Esc or the panel's button
    // cancels it.
    void KENTOU_Click();
    void cancel_analysis();
    // The about box's "ホームページ" button; false when the page could not be opened (the box
    // then stays open).
    bool HOMEPAGE_Click();
    // The poll timer's tick: once the worker has finished, plays the computer's move or shows
    // the hint.
    void Poll_Timer();
    // The frame timer: the animation that paused goes on once its pause has passed.
    void Frame_Timer();

    // A menu command as the menu bar runs it. While the computer thinks on its worker, only
    // the level, the options, the help, the about box and 終わり run; every other command is
    // refused with the forbidden sound, as it would change the game being thought about. The
    // same holds while a move is being animated.
    using Command = void (MainForm::*)();
    void command(Command handler);
    static bool runs_while_thinking(Command handler);

    // ---- set by the embedder ------------------------------------------------------------------
    // How the look-ahead levels and the hint bound their search: the game gives each level its
    // think time (`timed_limits`, the default); an embedder that needs every run to pick the
    // same move gives node budgets instead. Takes effect from the next search.
    // The last move's squares are marked (the window remembers the choice).
    void set_last_move_highlight(bool on);
    // The language of the texts the game shows; the screen is drawn again in it at once and the
    // game is not changed.
    void set_language(Language language);
    Language language() const { return view_.language; }
    void set_think_limits(std::function<LookLimits(int level)> limits) {
        think_limits_ = std::move(limits);
    }

    // ---- read-only queries ------------------------------------------------------------------
    // The check mark of a menu item: the level chosen, or an option.
    bool checked(MenuItem item) const;
    // The position as the window shows it: the game's, or a move's animation on its way there.
    const GameState& state() const { return g; }
    // The game itself.
    const Game& game() const { return game_; }
    const ViewState& view() const { return view_; }
    const Selection& selection() const { return sel_; }
    const CapturePreview& capture_preview() const { return preview_; }
    // The piece drawn under the pointer while it is dragged; EMPTY when none is.
    int dragged_piece() const;
    bool last_move_highlight() const { return view_.last_move_highlight; }
    const TurnClock& turn_clock() const { return clock_; }
    // The clock timer is running: its ticks draw the seconds of the turn.
    bool clock_running() const { return p.timer.enabled(); }
    const BoardPainter& painter() const { return painter_; }
    const Options& options() const { return options_; }
    const SoundLayer& sound() const { return sound_; }
    const std::filesystem::path& start_dir() const { return start_dir_; }
    const std::filesystem::path& files_dir() const { return files_dir_; }
    const std::filesystem::path& settings_dir() const { return settings_dir_; }
    bool quitting() const { return quitting_; }
    const std::filesystem::path& state_dir() const { return records_.state_dir; }
    // The worker is thinking about the computer's move or a hint.
    bool thinking() const { return thinking_ != Thinking::NONE; }
    // The game is being looked over; how many of its moves are done.
    bool analysing() const { return analysis_worker_.busy(); }
    int analysis_done() const { return analysis_worker_.done(); }
    int analysis_total() const { return analysis_worker_.total(); }
    // The finished look over the game's line as it now stands; nothing when there is none.
    const GameAnalysis* analysis() const;
    // Each position's search when looking over a game (node budgets in tests).
    void set_analysis_limits(std::function<LookLimits()> limits) {
        analysis_limits_ = std::move(limits);
    }
    // A move is being animated: the window waits for the frame timer to go on.
    bool animating() const { return static_cast<bool>(paused_); }

  private:
    // The pause of an animation: the handler that awaits it goes on once `seconds` of the
    // clock have passed, from the frame timer (at once over a test's clock).
    struct Pause {
        MainForm& form;
        double seconds;
        bool await_ready();
        void await_suspend(std::coroutine_handle<> handler);
        void await_resume() const noexcept {}
    };
    // Runs a handler that may pause; it goes on from the frame timer.
    void run(Task task);
    void resume(std::coroutine_handle<> handler);
    // The handlers that are still paused end without going on (the program ends).
    void drop_paused();

    // moves and animated captures
    void 初期設定();
    // The window shows the game as it now stands.
    void show_game();
    // The move the selection names, promoting when `button` asks for it and it may.
    Move selected_move(int button) const;
    void 駒移動(int fx, int fy, int tx, int ty, int piece);
    Task 挟み処理(std::vector<CaptureStep> steps);
    Task 石_取得(std::vector<Square> run);
    // Takes an enclosed group, member by member, with its animation.
    Task 描画_当駒消去(std::vector<Square> group);
    // The vanishing puff: two frames, then the empty square, each followed by `wait` seconds.
    Task puff(int x, int y, double wait);
    // Sandwiches, then every enclosed group around the destination until none is left.
    Task captures_after_move(std::vector<CaptureStep> steps);
    // The piece about to move blinks `blinks` times.
    Task 描画_駒点滅(int code, int x, int y, int blinks);

    // clocks and waits
    Pause 待ち時間(double seconds) { return Pause{*this, seconds}; }
    // A new turn starts now: its seconds count from here and its first second is drawn.
    void start_turn_clock();

    // the computer
    Task com_ban();
    void show_thinking();
    void hide_thinking();
    void resign();
    Task record_and_show(PlayedMove m);
    Task execute(PlayedMove m);
    void hand_over(const PlayedMove& m);
    void begin_computer_turn();
    // Everything after the computer's move is chosen, whichever level chose it; nothing
    // means the computer has no move.
    Task play_computer_move(std::optional<Move> best);

    // the look-ahead levels and the hint
    enum class Thinking { NONE, MOVE, HINT };
    void start_thinking(Thinking kind, bool lower_side, int level);
    void hide_hint_thinking();
    void show_hint(const std::optional<Move>& move);
    void outline_hint(const Move& move, int colour);
    void restore_selection_display();

    // looking over the game
    void poll_analysis();
    // The poll timer runs while the computer or the look over the game is busy.
    void keep_polling();

    // game end
    void 終了(TextId winner);
    // A text of the catalogue in the language chosen.
    const std::string& t(TextId id) const { return text(id, view_.language); }
    // A message of the record and file code in the language chosen.
    const std::string& t(const files::Message& m) const { return text(m, view_.language); }
    void 終了処理();
    void terminate();

    // start-up and the game menu
    void choose_level(int level);
    void redraw_for_game();

    // mouse input
    Task mouse_down(int button, double x, double y);
    Task mouse_board_click(int button, int cx, int cy);
    void mouse_off_board_click(int cx, int cy);
    Task execute_human_move(int button);
    void pick_from_board(int cx, int cy);
    void repick(int code);
    void inspect_instead(int code);
    void show_hand_pick(int own_order);
    void pick_from_lower_hand(int cy);
    void pick_from_upper_hand(int cy);
    Task finish_against_computer();
    void finish_between_people();

    // the capture preview and dragging
    void clear_capture_preview();
    void show_capture_preview(int cx, int cy);
    std::optional<Move> pointed_move(int cx, int cy) const;
    Task drop_dragged(int cx, int cy);
    void arm_drag(int button, double x, double y);

    // navigation
    void restart_turn_clock();
    void show_clocks();
    void redraw_position();
    // After a full redraw: the move number and each side's last move up to the position shown.
    void show_last_moves();
    void show_move_text(bool upper, int shown_before);
    void show_move_texts_after_step(int from, bool upper_covered);
    // Redraws the board, hands, clocks, move number and move texts of the position the game
    // now stands at.
    void show_whole_position();

    // handicap ladder
    bool ladder_allowed();
    void 描画_メッセージ(int message);
    void change_square(int level, int x, int y, int content);

    // game records and the autosave
    std::vector<RecordEntry> whole_line() const;
    LineRecord current_record() const;
    bool may_replace_game(const std::vector<RecordEntry>& replacement, const std::string& title);
    void show_record(const records::GameRecord& r);
    void show_last_move();
    void keep_game_after_move();
    void keep_game();
    void check_old_autosave(const std::filesystem::path& file);
    void clear_stale_autosave_files();
    void choose_autosave_place();
    void warn_no_autosave_place();
    std::optional<std::filesystem::path> choose_saved_game();
    void resume_from(const std::filesystem::path& file);

    // options
    void 読込_環境設定ファイル();
    void play_music(bool on);
    void background_click(MenuItem item, int code);

    // The game, and the position the painter draws: the game's between commands, a step
    // behind it while a move is animated.
    Game game_;
    GameState g;
    ViewState view_;  // the handicap label shown, the board flipped
    Platform p;
    std::filesystem::path files_dir_;     // the sounds
    std::filesystem::path settings_dir_;  // the settings file
    std::filesystem::path start_dir_;     // taken at start-up: the help page
    HeldWarnings held_warnings_;          // the settings' warnings wait for the sounds' ones
    Options options_;
    SoundLayer sound_;  // the sound library's handle, the six sounds and the music
    BoardPainter painter_;
    ComputerState computer;  // influence tables and best score of the last search
    Selection sel_;
    CapturePreview preview_;
    DragState drag_;
    TurnClock clock_;
    bool quitting_ = false;  // set once the program has been asked to end
    RecordKeeping records_;
    // The look-ahead search of LEVEL4 and LEVEL5 and of the hint, and what it is for. The
    // limits of a level's search: a time budget in the game, node budgets in tests.
    ComputerWorker worker_;
    Thinking thinking_ = Thinking::NONE;
    std::function<LookLimits(int level)> think_limits_;
    // "思考中" is on the screen; a step through the record must not tile the upper side's move
    // text away otherwise.
    bool thinking_shown_ = false;
    // The handlers started by events that have not ended yet, the one paused for the frame
    // timer and its pause, and how deep the window is inside running them.
    std::vector<Task> tasks_;
    std::coroutine_handle<> paused_;
    double pause_start_ = 0;
    double pause_seconds_ = 0;
    int running_depth_ = 0;
    // The look over the game: the worker, the line it looked at and what it found.
    AnalysisWorker analysis_worker_;
    std::vector<PlayedMove> analysed_line_;
    GameAnalysis analysis_;
    std::function<LookLimits()> analysis_limits_ = analysis_limits;
};

}  // namespace banzuri

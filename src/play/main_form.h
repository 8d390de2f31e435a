// The main window's procedures: every handler and drawing procedure of the game, written
// against the platform interfaces. One object owns the whole game state for the run.
//
// The procedures live in files by concern:
//   render/primitives.cpp     the six drawing primitives and the grid
//   render/board_view.cpp     board, hands, background, whole-window redraw
//   render/overlays.cpp       status texts, move texts, clocks, guidance outlines, blink
//   play/moves.cpp            carrying out a move and the animated captures
//   play/clocks.cpp           the timer tick and the pacing wait
//   play/setup.cpp            start-up and the game menu
//   play/mouse_input.cpp      the two-click move input
//   play/computer_turn.cpp    the computer's move
//   play/game_end.cpp         end of a game and shutdown
//   play/navigation.cpp       stepping through the record and flipping the board
//   play/handicap.cpp         the handicap ladder
//   settings/options.cpp      the settings file and the option menu
//   sound/sound_layer.cpp     loading, playing and releasing the six sounds
//   help/help.cpp             the help page and the about box
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "computer/computer_state.h"
#include "play/platform.h"
#include "render/canvas.h"
#include "rules/game_state.h"
#include "sound/sound_library.h"

namespace banzuri {

// Everything the platform gives the main window.
struct Platform {
    Canvas& canvas;
    Dialogs& dialogs;
    Clock& clock;
    TimerControl& timer;
    MenuView& menu;
    SoundLibrary& sound;
    UrlOpener& browser;
    AppControl& app;
};

// Palette indexes.
inline constexpr int COLOUR_BLACK = 0;
inline constexpr int COLOUR_GREEN = 2;
inline constexpr int COLOUR_LIGHT_RED = 12;
inline constexpr int COLOUR_LIGHT_YELLOW = 14;
inline constexpr int COLOUR_WHITE = 15;

// Grid geometry in twips: cell (gx, gy) has its corner at X = board_left + gx * cell_width,
// Y = board_top + gy * cell_height.
inline constexpr double board_left = 1300;
inline constexpr double board_top = 100;
inline constexpr double cell_width = 615;
inline constexpr double cell_height = 690;
inline constexpr double CLIENT_WIDTH_TWIPS = 11475;
inline constexpr double CLIENT_HEIGHT_TWIPS = 8190;
inline constexpr double TWIPS_PER_PIXEL = 15;

inline constexpr int MOUSE_LEFT = 1;
inline constexpr int MOUSE_RIGHT = 2;
inline constexpr int KEY_ESCAPE = 27;

// Texts of labels, numerals and piece names (kanji numerals for 1001..1009).
std::string 文字列変換(int value);

class MainForm {
  public:
    MainForm(Platform platform, std::filesystem::path files_dir);

    // ---- events and menu commands -------------------------------------------------------
    void Form_Load();
    void Form_MouseDown(int button, int shift, double x, double y);
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
    void OWARI_Click();
    void CANCEL_Click();
    void REVERSE_Click();
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
    // The about box's "ホームページ" button; false when the page could not be opened (the box
    // then stays open).
    bool HOMEPAGE_Click();

    // ---- drawing primitives (grid positions, palette colours) -----------------------------
    void 描画_絵(int code, double gx, double gy);
    void 描画_桝輪郭(int colour, double gx, double gy);
    void 描画_四角形(double gx, double gy, double dx, double dy, int colour);
    void 描画_数値(double gx, double gy, int value, int colour, int mode, double size);
    void 描画_数値(double gx, double gy, const std::string& text, int colour, int mode,
                   double size);
    void 描画_文字列(double gx, double gy, int code, int colour, double size);
    void refresh();

    // ---- board, hands and background --------------------------------------------------------
    void 描画_盤();
    void 描画_将棋盤桝();
    void 描画_自持盤();
    void 描画_敵持盤();
    void 描画_背景(int code);
    void 画面_再描画();

    // ---- status and move overlays -----------------------------------------------------------
    void tile(double gx, double gy);  // repaint one cell with the background picture
    void 描画_桝_数値();
    void 描画_手数(int number, int colour);
    void 描画_レベル(int level);
    void 描画_ハンデレベル(int handicap);
    void 描画_メッセージ(int message);
    void 描画_所有時間(int side, double seconds);
    void 消去_所有時間(int side);
    void 消去_思考中();
    void 描画_移動結果(int side, int x, int y, int code, int colour);
    void 消去_移動結果(int side);
    void 描画_移動駒種類(double gx, double gy, const std::string& text, int colour);
    void 描画_移動可能桝色(int fx, int fy, int colour, int code);
    void 描画_駒点滅(int code, int x, int y, int blinks);
    void 描画_棋譜読込み部分消去();

    // ---- moves and animated captures ------------------------------------------------------
    void 初期設定();
    void 駒移動(int fx, int fy, int tx, int ty, int piece);
    void 挟み処理(int x, int y);
    void 石_取得(int x1, int y1, int x2, int y2);
    void 描画_当駒消去();
    // Sandwiches, then every enclosed group around the destination until none is left.
    void captures_after_move(int tx, int ty);

    // ---- clocks and waits -------------------------------------------------------------------
    void 待ち時間(double seconds);

    // ---- computer -----------------------------------------------------------------------------
    void com_ban();

    // ---- game end -----------------------------------------------------------------------------
    void 終了(const std::string& winner_name);
    void 終了処理();

    // ---- settings -----------------------------------------------------------------------------
    void 読込_環境設定ファイル();
    void 書込_環境設定ファイル();
    void チェック設定(int background_code);

    // ---- sound --------------------------------------------------------------------------------
    void sound_init(long window_handle);
    int sound_load(const std::string& file_name, int flags);
    void sound_warning(const std::string& text);
    void sound_term();
    void play(int buffer);  // dsPlay
    // Start-up: the sound system and the six sounds, once per run.
    void load_sounds();
    // Shutdown: the six buffers in order, then the sound system.
    void free_sounds();
    // The looping music; starting it while it plays does nothing.
    void start_music();
    void stop_music();

    // ---- check marks ----------------------------------------------------------------------------
    bool checked(MenuItem item) const { return checks_[static_cast<std::size_t>(item)]; }
    void set_checked(MenuItem item, bool on);

    // ---- state ----------------------------------------------------------------------------------
    GameState g;
    Platform p;
    std::filesystem::path files_dir;     // the sounds and, at start-up, the help page
    std::filesystem::path settings_dir;  // the settings file's folder; files_dir unless moved
    std::filesystem::path start_dir;     // taken at start-up: the help page

    int board_colour = COLOUR_GREEN;
    int grid_colour = COLOUR_GREEN;
    int guidance_colour = COLOUR_GREEN;
    int text_colour = COLOUR_WHITE;
    int background = BG_MIDORI;
    int guidance_on = 0;
    bool font_bold = false;

    double turn_start_time = 0;
    double move_seconds = 0;
    int shown_second = 0;

    int selection_state = 0;
    int sel_from_x = 0;
    int sel_from_y = 0;
    int sel_to_x = 0;
    int sel_to_y = 0;
    int sel_piece = EMPTY;

    int ds_handle = 0;
    int snd_other = 0;
    int snd_forbidden = 0;
    int snd_piece = 0;
    int snd_game_end = 0;
    int snd_vanish = 0;
    int snd_bgm = 0;
    bool sounds_loaded = false;  // the sounds are loaded once per run
    bool music_playing = false;

    bool quitting = false;  // set once the program has been asked to end

    // ---- helpers of the individual concerns (add below, in your concern's block) ------------
    // render
    // play: moves
    // play: mouse input
    void mouse_board_click(int button, int cx, int cy);
    void mouse_off_board_click(int cx, int cy);
    void execute_human_move(int button);
    // play: clocks
    // play: computer
    ComputerState computer;  // influence tables and best score of the last search
    // play: navigation
    // The line of play that record navigation last stepped through: its record entries (up to
    // the last one written, the latest position included) and the entry shown then. Play that
    // went on or started anew since is told by a record or position that no longer matches.
    std::vector<RecordEntry> nav_line;
    int nav_index = -1;  // -1: navigation knows no line
    // play: handicap
    // settings
    bool settings_write_warned = false;
    bool settings_unsaved = false;  // the last write failed: the menus hold the only copy
                                    // sound
                                    // help
  private:
    std::array<bool, MENU_ITEM_COUNT> checks_{};
};

}  // namespace banzuri

// The tests' way into the main window: laying out positions and states that the menus cannot
// reach, and driving procedures that no single event runs alone.
#pragma once

#include <filesystem>
#include <string>

#include "play/main_form.h"

namespace banzuri {

// Lays out positions and states the menus cannot reach, and runs the procedures a test drives
// directly.
struct MainFormTestPeer {
    static GameState& g(MainForm& f) { return f.g; }
    static SoundLayer& sound(MainForm& f) { return f.sound_; }
    static Options& options(MainForm& f) { return f.options_; }
    static BoardPainter& painter(MainForm& f) { return f.painter_; }
    static Selection& selection(MainForm& f) { return f.sel_; }
    static TurnClock& clock(MainForm& f) { return f.clock_; }
    static void com_ban(MainForm& f) { f.com_ban(); }
    static std::function<LookLimits(int)>& think_limits(MainForm& f) { return f.think_limits_; }
    static void captures_after_move(MainForm& f, int x, int y) { f.captures_after_move(x, y); }
    static void 初期設定(MainForm& f) { f.初期設定(); }
    static Platform& platform(MainForm& f) { return f.p; }
    static void 読込_環境設定ファイル(MainForm& f) { f.読込_環境設定ファイル(); }
    static void 駒移動(MainForm& f, int fx, int fy, int tx, int ty, int piece) {
        f.駒移動(fx, fy, tx, ty, piece);
    }
    static void 挟み処理(MainForm& f, int x, int y) { f.挟み処理(x, y); }
    static void 終了(MainForm& f, const std::string& winner) { f.終了(winner); }
    static void 待ち時間(MainForm& f, double seconds) { f.待ち時間(seconds); }
    static std::filesystem::path& files_dir(MainForm& f) { return f.files_dir_; }
    static std::filesystem::path& start_dir(MainForm& f) { return f.start_dir_; }
};

}  // namespace banzuri

// A main window wired to the recording fakes, working in its own temporary folder.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "fakes/position.h"
#include "fakes/recording_fakes.h"
#include "play/main_form.h"
#include "records/record_file.h"

namespace banzuri::testing {

// A main window wired to recording fakes, working in its own temporary folder.
struct FakeWindow {
    // Sounds and help in `dir`; the settings file there too unless `settings_dir` is given;
    // the game in progress is kept in `state_dir` only when one is given.
    explicit FakeWindow(std::filesystem::path dir = make_temp_dir(),
                        std::filesystem::path settings_dir = {},
                        std::filesystem::path state_dir = {})
        : folder(std::move(dir)),
          form(Platform{canvas, dialogs, clock, timer, menu, sound, browser, app, files, clipboard,
                        poll, frames},
               folder, std::move(settings_dir), std::move(state_dir)) {}
    ~FakeWindow() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    static std::filesystem::path make_temp_dir() {
        static int counter = 0;
        auto dir = std::filesystem::temp_directory_path() /
                   ("banzuri-test-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(dir);
        return dir;
    }

    // The six sound files in the folder: loading them gives the handles 1..6 in load order
    // (other, forbidden, piece, game end, vanish, music).
    void write_sound_files() const {
        const char* names[] = {"その他.wav", "禁止.wav", "駒打音.wav",
                               "終局.wav",   "消滅.wav", "BGM.wav"};
        for (const char* name : names)
            std::ofstream(folder / name, std::ios::binary) << "wave";
    }
    // Starts the window as the program does (sounds, settings file, starting position); the
    // log starts empty afterwards.
    void start_up() {
        write_sound_files();
        form.Form_Load();
        log.clear();
    }
    // Opens `position` as a player opens a saved game ("棋譜を開く…", replacing any game shown),
    // then empties the log.
    void lay_out(const Position& position) {
        const std::filesystem::path dir = folder / "positions";
        std::filesystem::create_directories(dir);
        const std::filesystem::path file = dir / (std::to_string(++laid_out_) + ".kifu");
        const std::string error = records::save_record(position.record(), file).japanese;
        if (!error.empty()) throw std::invalid_argument("no record: " + error);
        std::deque<bool> kept = std::move(dialogs.answers);
        dialogs.answers = {true};  // "この対局をやめて開きますか？"
        files.answers.push_front(file);
        const std::size_t before = log.size();
        form.KIFU_HIRAKU_Click();
        dialogs.answers = std::move(kept);
        for (std::size_t i = before; i < log.size(); ++i)
            if (log[i].rfind("warning [棋譜を開く]", 0) == 0) throw std::invalid_argument(log[i]);
        log.clear();
    }
    // In a game against the computer with the computer to move, a click off the board lets it
    // move ("OKですか？"); the log then holds what its turn did.
    void computer_moves() {
        form.Form_MouseDown(MOUSE_LEFT, 0, -1e6, -1e6);
        const std::string asked = "message [再開(COM)] OKですか？";
        const auto at = std::find(log.begin(), log.end(), asked);
        if (at == log.end()) throw std::logic_error("the computer was not to move");
        log.erase(log.begin(), at + 1);
    }

    // What the window shows of the game.
    const GameState& g() const { return form.state(); }
    const Selection& selection() const { return form.selection(); }
    const TurnClock& turn_clock() const { return form.turn_clock(); }
    // The look-ahead levels and the hint think with these limits instead of their time.
    void set_think_limits(std::function<LookLimits(int)> limits) {
        form.set_think_limits(std::move(limits));
    }
    // Ticks the poll timer, as the window does, until the worker's result has been used.
    void wait_for_computer() {
        while (form.thinking()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            if (poll.enabled()) form.Poll_Timer();
        }
    }
    // Sets a check mark through its menu command, as the player would before the part under
    // test; what the command drew stays out of the test's view.
    void set_checked(MenuItem item, bool on) {
        if (form.checked(item) == on) return;
        const std::size_t logged = log.size();
        if (const auto click = command_of(item, on)) (form.*click)();
        log.resize(logged);
    }
    // The menu command that checks `item` (or unchecks an option); none for unchecking a level
    // or a background.
    static MainForm::Command command_of(MenuItem item, bool on) {
        switch (item) {
            case MenuItem::LEVEL1:
                return on ? &MainForm::LEVEL1_Click : nullptr;
            case MenuItem::LEVEL2:
                return on ? &MainForm::LEVEL2_Click : nullptr;
            case MenuItem::LEVEL3:
                return on ? &MainForm::LEVEL3_Click : nullptr;
            case MenuItem::LEVEL4:
                return on ? &MainForm::LEVEL4_Click : nullptr;
            case MenuItem::LEVEL5:
                return on ? &MainForm::LEVEL5_Click : nullptr;
            case MenuItem::SIDOU:
                return &MainForm::SIDOU_Click;
            case MenuItem::KEIKA:
                return &MainForm::KEIKA_Click;
            case MenuItem::BGM:
                return &MainForm::BGM_Click;
            case MenuItem::TATAMI:
                return on ? &MainForm::TATAMI_Click : nullptr;
            case MenuItem::TAKE:
                return on ? &MainForm::TAKE_Click : nullptr;
            case MenuItem::UCHU:
                return on ? &MainForm::UCHU_Click : nullptr;
            case MenuItem::RENGA:
                return on ? &MainForm::RENGA_Click : nullptr;
            default:
                return on ? &MainForm::MIDORI_Click : nullptr;
        }
    }

    // Lines of the log that start with `prefix`.
    std::vector<std::string> lines(const std::string& prefix) const {
        return lines_starting(log, prefix);
    }

    Log log;
    FakeCanvas canvas{log};
    FakeDialogs dialogs{log};
    FakeClock clock{log};
    FakeTimer timer{log};
    FakeMenu menu;
    FakeSound sound{log};
    FakeBrowser browser{log};
    FakeApp app{log};
    FakeFileChooser files{log};
    FakeClipboard clipboard{log};
    FakePollTimer poll{log};
    FakeFrameTimer frames{clock};
    std::filesystem::path folder;
    MainForm form;

  private:
    int laid_out_ = 0;
};

}  // namespace banzuri::testing

// Recording fakes of every platform interface: each call is appended, in order, to one shared
// log of short text lines, so a test can assert the exact sequence of effects.
#pragma once

#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/app_control.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/file_chooser.h"
#include "platform/frame_timer.h"
#include "platform/menu_view.h"
#include "platform/poll_timer.h"
#include "platform/timer_control.h"
#include "platform/url_opener.h"
#include "render/canvas.h"
#include "sound/sound_library.h"

namespace banzuri::testing {

using Log = std::vector<std::string>;

// Numbers in log lines: whole numbers without a fraction, others with up to 4 decimals.
// The lines of a log that start with `prefix`.
inline Log lines_starting(const Log& log, const std::string& prefix) {
    Log out;
    for (const auto& line : log)
        if (line.rfind(prefix, 0) == 0) out.push_back(line);
    return out;
}

inline std::string num(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.4g", v);
    if (v == static_cast<double>(static_cast<long long>(v)))
        std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(v));
    return buffer;
}

class FakeCanvas : public Canvas {
  public:
    explicit FakeCanvas(Log& log) : log_(log) {}
    void draw_picture(int code, double x, double y) override {
        log_.push_back("picture " + num(code) + " " + num(x) + " " + num(y));
    }
    void draw_box(int colour, double x1, double y1, double x2, double y2) override {
        log_.push_back("box " + num(colour) + " " + num(x1) + " " + num(y1) + " " + num(x2) + " " +
                       num(y2));
    }
    void fill_box(int colour, double x1, double y1, double x2, double y2) override {
        log_.push_back("fill " + num(colour) + " " + num(x1) + " " + num(y1) + " " + num(x2) + " " +
                       num(y2));
    }
    void tint_box(int colour, double x1, double y1, double x2, double y2) override {
        log_.push_back("tint " + num(colour) + " " + num(x1) + " " + num(y1) + " " + num(x2) + " " +
                       num(y2));
    }
    void draw_text(const std::string& text, double x, double y, int colour, double size,
                   bool bold) override {
        log_.push_back("text \"" + text + "\" " + num(x) + " " + num(y) + " c" + num(colour) +
                       " s" + num(size) + (bold ? " bold" : ""));
    }
    void draw_shadow(const std::string& text, double x, double y, double size, bool bold) override {
        log_.push_back("shadow \"" + text + "\" " + num(x) + " " + num(y) + " s" + num(size) +
                       (bold ? " bold" : ""));
    }
    void refresh() override { log_.push_back("refresh"); }

  private:
    Log& log_;
};

class FakeDialogs : public Dialogs {
  public:
    explicit FakeDialogs(Log& log) : log_(log) {}
    void message(const std::string& text, const std::string& title) override {
        log_.push_back("message [" + title + "] " + text);
        if (on_message) on_message();
    }
    using Dialogs::ask_yes_no;
    bool ask_yes_no(const std::string& text, const std::string& title, Answer preferred) override {
        log_.push_back("ask [" + title + "] " + text);
        preferred_answers.push_back(preferred);
        bool answer = false;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        return answer;
    }
    void warning(const std::string& text, const std::string& title) override {
        log_.push_back("warning [" + title + "] " + text);
    }
    std::optional<std::size_t> choose(const std::string& text, const std::string& title,
                                      const std::vector<std::string>& items) override {
        std::string line = "choose [" + title + "] " + text;
        for (const std::string& item : items)
            line += "\n- " + item;
        log_.push_back(line);
        std::optional<std::size_t> choice;
        if (!choices.empty()) {
            choice = choices.front();
            choices.pop_front();
        }
        return choice;
    }
    std::deque<bool> answers;                        // answers to ask_yes_no, No when empty
    std::deque<std::optional<std::size_t>> choices;  // answers to choose, cancelled when empty
    std::vector<Answer> preferred_answers;           // the button Enter would press, per question
    std::function<void()> on_message;

  private:
    Log& log_;
};

class FakeClock : public Clock {
  public:
    explicit FakeClock(Log& log) : log_(log) {}
    double time_of_day() override {
        const double t = now;
        now += advance_per_read;  // a clock that moves on by itself between readings
        return t;
    }
    // Lets `seconds` pass at once, as the frame timer does for an animation's pause.
    void sleep(double seconds) {
        log_.push_back("sleep " + num(seconds));
        now += seconds;
        if (now >= 86400) now -= 86400;
    }
    double now = 36000;  // ten in the morning
    double advance_per_read = 0;

  private:
    Log& log_;
};

class FakeTimer : public TimerControl {
  public:
    explicit FakeTimer(Log& log) : log_(log) {}
    void set_enabled(bool enabled) override {
        if (record) log_.push_back(enabled ? "timer on" : "timer off");
        enabled_ = enabled;
    }
    bool enabled() const override { return enabled_; }
    void quiet_for(double seconds) override { quiet = seconds; }
    bool record = false;  // timer changes are logged only when a test asks for them
    double quiet = -1;    // the quiet time the last tick told, -1 before any

  private:
    Log& log_;
    bool enabled_ = false;
};

// The animations' frame timer over the fake clock: a pause passes at once (logged as
// "sleep S") unless a test holds the frames to look at an animation under way; it then
// remembers the pause asked for.
class FakeFrameTimer : public FrameTimer {
  public:
    explicit FakeFrameTimer(FakeClock& clock) : clock_(clock) {}
    void start(double seconds) override { pending = seconds; }
    void stop() override { pending = -1; }
    bool pass_at_once(double seconds) override {
        if (hold) return false;
        clock_.sleep(seconds);
        return true;
    }
    bool hold = false;    // pauses wait for the frame handler
    double pending = -1;  // the pause of the last start, -1 when none is pending

  private:
    FakeClock& clock_;
};

class FakePollTimer : public PollTimer {
  public:
    explicit FakePollTimer(Log& log) : log_(log) {}
    void set_enabled(bool enabled) override {
        if (enabled != enabled_) log_.push_back(enabled ? "poll on" : "poll off");
        enabled_ = enabled;
    }
    bool enabled() const override { return enabled_; }

  private:
    Log& log_;
    bool enabled_ = false;
};

class FakeMenu : public MenuView {
  public:
    void show_checked(MenuItem item, bool checked) override {
        shown[static_cast<int>(item)] = checked;
    }
    std::map<int, bool> shown;
};

class FakeSound : public SoundLibrary {
  public:
    explicit FakeSound(Log& log) : log_(log) {}
    int dsInitialize(long) override {
        if (held) {  // as the window's library does until its first picture is shown
            std::unique_lock<std::mutex> lock(mutex_);
            gate_.wait_for(lock, std::chrono::seconds(10), [this] { return !held; });
        }
        note("dsInitialize");
        return device_ok ? 1 : 0;
    }
    void start_now() override {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            held = false;
        }
        gate_.notify_all();
    }
    void dsTerminate(int ds) override { note("dsTerminate " + num(ds)); }
    int dsCreateDSB(int, const unsigned char*, std::size_t length, int flags) override {
        note("dsCreateDSB " + num(static_cast<double>(length)) + " " + num(flags));
        if (!accept_buffers) return 0;
        return ++next_;
    }
    void dsFree(int buffer) override { note("dsFree " + num(buffer)); }
    void dsPlay(int buffer) override { note("dsPlay " + num(buffer)); }
    void dsPlayLooping(int buffer) override { note("dsPlayLooping " + num(buffer)); }
    void dsStop(int buffer) override { note("dsStop " + num(buffer)); }
    const char* last_error() const override { return "not a valid WAV image"; }
    bool starts_in_background() const override { return in_background; }
    bool device_ok = true;
    bool accept_buffers = true;
    // The start-up runs on a thread of its own; every call then goes to calls() instead of
    // the window's log, which only the window's thread writes.
    bool in_background = false;
    // The background start-up waits until the window asks for the sounds (start_now()).
    bool held = false;
    std::vector<std::string> calls() const {
        const std::lock_guard<std::mutex> lock(mutex_);
        return calls_;
    }

  private:
    void note(const std::string& line) {
        if (!in_background) {
            log_.push_back(line);
            return;
        }
        const std::lock_guard<std::mutex> lock(mutex_);
        calls_.push_back(line);
    }

    Log& log_;
    int next_ = 0;
    mutable std::mutex mutex_;
    std::condition_variable gate_;
    std::vector<std::string> calls_;
};

class FakeBrowser : public UrlOpener {
  public:
    explicit FakeBrowser(Log& log) : log_(log) {}
    bool open_url(const std::string& url) override {
        log_.push_back("open " + url);
        return succeed;
    }
    bool succeed = true;

  private:
    Log& log_;
};

class FakeApp : public AppControl {
  public:
    explicit FakeApp(Log& log) : log_(log) {}
    void quit() override {
        log_.push_back("quit");
        quit_called = true;
    }
    void show_about() override { log_.push_back("about"); }
    bool quit_called = false;

  private:
    Log& log_;
};

// Answers the file dialogs from the paths a test gives; cancels when none is left.
class FakeFileChooser : public FileChooser {
  public:
    explicit FakeFileChooser(Log& log) : log_(log) {}
    std::optional<std::filesystem::path> choose_file_to_open(const std::string& title) override {
        log_.push_back("choose open [" + title + "]");
        return next();
    }
    std::optional<std::filesystem::path> choose_file_to_save(
        const std::string& title, const std::string& suggested_name) override {
        log_.push_back("choose save [" + title + "] " + suggested_name);
        return next();
    }
    std::deque<std::filesystem::path> answers;

  private:
    std::optional<std::filesystem::path> next() {
        if (answers.empty()) return std::nullopt;
        std::filesystem::path answer = answers.front();
        answers.pop_front();
        return answer;
    }
    Log& log_;
};

class FakeClipboard : public Clipboard {
  public:
    explicit FakeClipboard(Log& log) : log_(log) {}
    void set_text(const std::string& copied) override {
        log_.push_back("clipboard " + copied);
        text = copied;
    }
    std::string text;

  private:
    Log& log_;
};

}  // namespace banzuri::testing

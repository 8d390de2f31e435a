// The platform interfaces of the game on Qt: message boxes, the time of day, the clock timer,
// the menus' check marks and ending the program.
#pragma once

#include <QAction>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "play/platform.h"

namespace banzuri::app {

// Modal message boxes over the main window. Warnings raised while the window is not yet on the
// screen wait, so that each one is shown over the window, in order, once it is.
class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* parent) : parent_(parent) {}
    void message(const std::string& text, const std::string& title) override;
    using Dialogs::ask_yes_no;
    bool ask_yes_no(const std::string& text, const std::string& title, Answer preferred) override;
    void warning(const std::string& text, const std::string& title) override;
    std::optional<std::size_t> choose(const std::string& text, const std::string& title,
                                      const std::vector<std::string>& items) override;

    // From now on warnings wait until show_held_warnings().
    void hold_warnings() { holding_ = true; }
    // Shows the waiting warnings one after another, oldest first; later ones show at once.
    void show_held_warnings();
    bool holding_warnings() const { return holding_; }
    // Runs before each box opens: what the game drew so far is to be seen behind it.
    void set_before_box(std::function<void()> before) { before_box_ = std::move(before); }

  private:
    QMessageBox::StandardButton open_box(
        QMessageBox::Icon icon, const std::string& text, const std::string& title,
        QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton preferred = QMessageBox::NoButton);

    QWidget* parent_;
    std::function<void()> before_box_;
    bool holding_ = false;
    std::vector<std::pair<std::string, std::string>> held_;  // text and title
};

// The time of day as the system clock gave it at start-up, carried on by a steady clock, so
// that setting the system clock or a daylight-saving change never makes a turn jump; it wraps
// at midnight like the system's. Sleeping blocks without looking at window events.
class QtClock : public Clock {
  public:
    using Source = std::function<double()>;  // seconds
    QtClock();
    // The time of day from `wall_time_of_day` once, then the steps of `steady_seconds`.
    QtClock(const Source& wall_time_of_day, Source steady_seconds);
    double time_of_day() override;

  private:
    Source steady_;
    double start_time_of_day_;
    double start_steady_;
};

// The window's 50 ms timer; enabling it while it runs keeps its rhythm.
class QtTimerControl : public TimerControl {
  public:
    explicit QtTimerControl(std::function<void()> on_tick);
    void set_enabled(bool enabled) override;
    bool enabled() const override { return timer_.isActive(); }
    // The next tick comes just after the quiet time, at most a second later.
    void quiet_for(double seconds) override;
    int interval_ms() const { return timer_.interval(); }
    static constexpr int INTERVAL_MS = 50;
    static constexpr int LONGEST_QUIET_MS = 1000;

  private:
    QTimer timer_;
};

// The short timer that watches the computer's worker; `on_tick` runs every
// POLL_INTERVAL_MS while it is enabled.
class QtPollTimer : public PollTimer {
  public:
    explicit QtPollTimer(std::function<void()> on_tick);
    void set_enabled(bool enabled) override;
    bool enabled() const override { return timer_.isActive(); }

  private:
    QTimer timer_;
};

// The animations' single-shot timer: `on_frame` runs once, the given time after a start.
class QtFrameTimer : public FrameTimer {
  public:
    explicit QtFrameTimer(std::function<void()> on_frame);
    void start(double seconds) override;
    void stop() override { timer_.stop(); }
    bool pending() const { return timer_.isActive(); }

  private:
    QTimer timer_;
};

// Shows the game's check marks on the checkable menu actions.
class QtMenuView : public MenuView {
  public:
    void attach(MenuItem item, QAction* action);
    void show_checked(MenuItem item, bool checked) override;
    QAction* action(MenuItem item) const { return actions_[static_cast<std::size_t>(item)]; }

  private:
    std::array<QAction*, MENU_ITEM_COUNT> actions_{};
};

// Ending the program and the about box, carried out by the window.
class QtAppControl : public AppControl {
  public:
    QtAppControl(std::function<void()> quit, std::function<void()> about)
        : quit_(std::move(quit)), about_(std::move(about)) {}
    void quit() override { quit_(); }
    void show_about() override { about_(); }

  private:
    std::function<void()> quit_;
    std::function<void()> about_;
};

}  // namespace banzuri::app

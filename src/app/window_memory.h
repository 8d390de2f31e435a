// The main window's size and full-screen state, remembered between runs in the application's
// own settings (Qt's settings in the user's configuration folder, not the game's settings
// file).
#pragma once

#include <QSize>
#include <QString>

namespace banzuri::app {

struct WindowState {
    QSize size;  // of the window when not full screen; empty when nothing is remembered
    bool full_screen = false;
};

class WindowMemory {
  public:
    // `file` empty: the user's configuration folder; otherwise that INI file.
    explicit WindowMemory(QString file = {}) : file_(std::move(file)) {}

    WindowState recall() const;
    void remember(const WindowState& state) const;
    // A choice of what the window shows ("view/moves", ...), `fallback` when none was made.
    bool flag(const char* key, bool fallback) const;
    void set_flag(const char* key, bool value) const;

  private:
    QString file_;
};

}  // namespace banzuri::app

// The installation check of `banzuri --check-start`: the game starts as usual, then reports on
// standard output which folders it uses, how many of its six sounds it loaded, whether it found
// its help page and every warning shown during start-up (each dismissed), and closes its window
// the way a player does.
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include "app/game_window.h"

namespace banzuri::app {

class StartCheck : public QObject {
  public:
    // Starts watching before the window loads, so warnings of the start-up are caught too.
    explicit StartCheck(GameWindow& window);

    // Call once the window has loaded; the report and the close follow from the event loop.
    void loaded() { loaded_ = true; }

  private:
    void look();
    void report_and_close();

    GameWindow& window_;
    QTimer timer_;
    QStringList warnings_;
    bool loaded_ = false;
};

}  // namespace banzuri::app

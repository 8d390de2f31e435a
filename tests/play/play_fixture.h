// A started window for the game-flow tests: loaded, with helpers to click cells and to read
// the log.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "fakes/recording_platform.h"

namespace banzuri::testing {

inline constexpr int kForbidden = 2;  // buffer handles the tests give the sounds
inline constexpr int kPiece = 3;
inline constexpr int kGameEnd = 4;

inline std::string box_line(int colour, int gx, int gy) {
    const double x = board_left + gx * cell_width;
    const double y = board_top + gy * cell_height;
    return "box " + num(colour) + " " + num(x) + " " + num(y) + " " + num(x + cell_width) + " " +
           num(y + cell_height);
}

struct PlayWindow : FakeWindow {
    PlayWindow() { start_up(); }

    // A click in the middle of cell (cx, cy).
    void click(int cx, int cy, int button = MOUSE_LEFT) {
        form.Form_MouseDown(button, 0, board_left + cx * cell_width + cell_width / 2,
                            board_top + cy * cell_height + cell_height / 2);
    }

    // A game between two people on the starting position, nothing logged yet.
    void start_people_game() {
        form.START_Click();
        log.clear();
    }

    int count(const std::string& line) const {
        return static_cast<int>(std::count(log.begin(), log.end(), line));
    }
    bool has(const std::string& line) const { return count(line) > 0; }
};

}  // namespace banzuri::testing

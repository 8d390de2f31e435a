// A started window for the game-flow tests: loaded, with helpers to click cells and to read
// the log.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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

// A mark on cell (cx, cy): its two inner outlines, then its outer one.
inline std::vector<std::string> mark_lines(int colour, int gx, int gy) {
    std::vector<std::string> lines;
    const double x = board_left + gx * cell_width;
    const double y = board_top + gy * cell_height;
    for (int line = MARK_LINES - 1; line >= 1; --line) {
        const double in = line * MARK_LINE_TWIPS;
        lines.push_back("box " + num(colour) + " " + num(x + in) + " " + num(y + in) + " " +
                        num(x + cell_width - in) + " " + num(y + cell_height - in));
    }
    lines.push_back(box_line(colour, gx, gy));
    return lines;
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

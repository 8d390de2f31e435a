// Cost of the capture preview per pointer move: a picked-up piece is pointed at its squares in
// turn, each move taking the last preview away and working out the next one on a copy of the
// game. Positions come from seeded random play with a long record; the target is under 2 ms.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "fakes/recording_platform.h"
#include "play/capture_preview.h"

namespace {

using namespace banzuri;

double centre(double origin, double size, int cell) {
    return origin + (cell + 0.5) * size;
}

void click(testing::FakeWindow& w, int cx, int cy, int button = MOUSE_LEFT) {
    w.form.Form_MouseDown(button, 0, centre(board_left, cell_width, cx),
                          centre(board_top, cell_height, cy));
}

// Plays `plies` seeded random moves of a game between two people through the mouse.
void play_random(testing::FakeWindow& w, int plies, unsigned seed) {
    std::mt19937 rng(seed);
    for (int i = 0; i < plies && !w.form.game().decided(); ++i) {
        const std::vector<Move> moves = w.form.game().legal_moves();
        if (moves.empty()) return;
        const Move m = moves[rng() % moves.size()];
        const bool lower = w.form.game().lower_to_move();
        if (m.is_drop())
            click(w, lower ? HAND_LOWER_COLUMN : HAND_UPPER_COLUMN,
                  lower ? m.drop + 2 : 8 - m.drop);
        else
            click(w, m.from.x, m.from.y);
        click(w, m.to.x, m.to.y, m.promote ? MOUSE_RIGHT : MOUSE_LEFT);
        w.log.clear();
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    std::vector<double> per_move;
    for (unsigned seed = 1; seed <= 10; ++seed) {
        testing::FakeWindow w;
        w.start_up();
        w.set_checked(MenuItem::SIDOU, true);
        w.form.START_Click();
        play_random(w, 150, seed);
        if (w.form.game().decided()) continue;
        // The side to move picks up its first piece that has a move.
        const std::vector<Move> moves = w.form.game().legal_moves();
        const auto board_move =
            std::find_if(moves.begin(), moves.end(), [](const Move& m) { return !m.is_drop(); });
        if (board_move == moves.end()) continue;
        click(w, board_move->from.x, board_move->from.y);
        int pointed = 0;
        const auto start = std::chrono::steady_clock::now();
        for (int r = 0; r < rounds; ++r)
            for (int x = 1; x <= 9; ++x)
                for (int y = 1; y <= 9; ++y, ++pointed) {
                    w.form.Form_MouseMove(centre(board_left, cell_width, x),
                                          centre(board_top, cell_height, y));
                    w.log.clear();
                }
        const std::chrono::duration<double, std::milli> spent =
            std::chrono::steady_clock::now() - start;
        per_move.push_back(spent.count() / pointed);
        std::printf("seed %2u: %3d moves recorded, %.4f ms per pointer move\n", seed,
                    w.form.game().record_index(), per_move.back());
    }
    if (per_move.empty()) return 1;
    std::sort(per_move.begin(), per_move.end());
    std::printf("worst %.4f ms, median %.4f ms per pointer move (target < 2 ms)\n", per_move.back(),
                per_move[per_move.size() / 2]);
    return per_move.back() < 2.0 ? 0 : 1;
}

// Time of one computer search (no animations) at each level: the starting position, a middle
// game and a worst case with pieces of every kind in the computer's hand.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "computer/search.h"
#include "rules/game.h"

namespace {

using namespace banzuri;

// The starting position against the computer, the computer (upper side) to move.
GameState computer_game(int level) {
    Game game;
    game.start(MODE_COM, FIRST_PLAYER, SECOND_PLAYER);
    game.set_level(level);
    return game.position();
}

// Rows are given top (row 1) to bottom, columns 1..9 from the left; lower case is the human.
void lay_out(GameState& g, const std::vector<std::string>& rows) {
    for (int y = 1; y <= 9; ++y) {
        for (int x = 1; x <= 9; ++x) {
            const char c = rows[static_cast<std::size_t>(y - 1)][static_cast<std::size_t>(x - 1)];
            int code = EMPTY;
            switch (c) {
                case 'P':
                    code = UPPER_HU;
                    break;
                case 'L':
                    code = UPPER_KYOU;
                    break;
                case 'N':
                    code = UPPER_KEI;
                    break;
                case 'S':
                    code = UPPER_GIN;
                    break;
                case 'G':
                    code = UPPER_KIN;
                    break;
                case 'B':
                    code = UPPER_KAKU;
                    break;
                case 'R':
                    code = UPPER_SYA;
                    break;
                case 'K':
                    code = UPPER_OU;
                    break;
                case 'T':
                    code = UPPER_HU_NARI;
                    break;
                case 'D':
                    code = UPPER_SYA_NARI;
                    break;
                default:
                    break;
            }
            switch (c) {
                case 'p':
                    code = LOWER_HU;
                    break;
                case 'l':
                    code = LOWER_KYOU;
                    break;
                case 'n':
                    code = LOWER_KEI;
                    break;
                case 's':
                    code = LOWER_GIN;
                    break;
                case 'g':
                    code = LOWER_KIN;
                    break;
                case 'b':
                    code = LOWER_KAKU;
                    break;
                case 'r':
                    code = LOWER_SYA;
                    break;
                case 'k':
                    code = LOWER_OU;
                    break;
                default:
                    break;
            }
            g.set(x, y, code);
        }
    }
}

GameState middle_game(int level) {
    GameState g = computer_game(level);
    lay_out(g, {"LN.GK.SNL", ".R..SG.B.", "P.PP.PP.P", ".P..P..P.", "..p...p..", "pp.pp..bp",
                ".....pp..", "..g.s..r.", "ln.sk.gnl"});
    g.hand_enemy[KIND_HU] = 1;
    g.hand_own[KIND_HU] = 1;
    return g;
}

GameState full_hand(int level) {
    GameState g = middle_game(level);
    for (int kind = 1; kind <= 7; ++kind)
        g.hand_enemy[static_cast<std::size_t>(kind)] = 2;
    return g;
}

// Few pieces on the board, two of every kind in the computer's hand: the most drops to try.
GameState open_board_full_hand(int level) {
    GameState g = computer_game(level);
    lay_out(g, {"....K....", "..G...S..", "P...P...P", "...B.....", ".........", ".....r...",
                "p...p...p", "..s...g..", "....k...."});
    for (int kind = 1; kind <= 7; ++kind)
        g.hand_enemy[static_cast<std::size_t>(kind)] = 2;
    return g;
}

void measure(const char* name, GameState g, int runs) {
    std::vector<double> ms;
    ComputerState c;
    int found = 0;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const auto best = search_best_move(g, c, [] {});
        const auto end = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        found += best.has_value() ? 1 : 0;
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-24s level %d  median %7.3f ms  worst %7.3f ms  (%d runs%s)\n", name, g.level,
                ms[ms.size() / 2], ms.back(), runs, found == runs ? "" : ", no move");
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    for (int level = 1; level <= 3; ++level) {
        measure("start position", computer_game(level), runs);
        measure("middle game", middle_game(level), runs);
        measure("every kind in hand", full_hand(level), runs);
        measure("open board, full hand", open_board_full_hand(level), runs);
    }
    return 0;
}

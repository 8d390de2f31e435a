#include "rules/game_state.h"

namespace banzuri {

void 初期配置(GameState& g) {
    static constexpr std::array<int, 9> kBackRank = {UPPER_KYOU, UPPER_KEI, UPPER_GIN,
                                                     UPPER_KIN,  UPPER_OU,  UPPER_KIN,
                                                     UPPER_GIN,  UPPER_KEI, UPPER_KYOU};
    for (int x = 1; x <= 9; ++x) {
        const int code = kBackRank[static_cast<std::size_t>(x - 1)];
        g.set(x, 1, code);
        g.set(x, 3, UPPER_HU);
        g.set(x, 7, LOWER_HU);
        g.set(x, 9, -code);
    }
    g.set(2, 2, UPPER_SYA);
    g.set(8, 2, UPPER_KAKU);
    g.set(2, 8, LOWER_KAKU);
    g.set(8, 8, LOWER_SYA);
}

void 初期設定(GameState& g) {
    g.handicap_level = 0;
    g.game_mode = MODE_MAN;
    g.winner = TURN_NONE;
    g.turn = TURN_NONE;
    g.rec_index = 0;
    g.move_count = 0;
    g.time_upper = 0;
    g.time_lower = 0;
    for (int i = 1; i <= 7; ++i) {
        g.hand_own[static_cast<std::size_t>(i)] = 0;
        g.hand_enemy[static_cast<std::size_t>(i)] = 0;
    }
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            g.set(x, y, EMPTY);
    初期配置(g);
}

}  // namespace banzuri

#include "play/move_list.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>

#include "records/kif_format.h"
#include "render/time_text.h"

namespace banzuri {

namespace {

// Which side moved (or moves) first: the lower side unless the line's first move was the
// upper side's, or no move was made yet and the upper side is to move.
bool lower_first(const Game& game) {
    if (!game.moves().empty()) return game.moves().front().piece < 0;
    return !game.running() || game.lower_to_move();
}

std::string mark(bool lower, bool lower_is_first) {
    return lower == lower_is_first ? "▲先手" : "△後手";
}

std::string turn_line(const Game& game, bool lower_is_first) {
    if (game.decided()) return mark(game.winner() == game.lower_order(), lower_is_first) + "の勝ち";
    if (!game.running()) return "対局前";
    return mark(game.lower_to_move(), lower_is_first) + "の番";
}

// The computer plays the upper side of a game against it; people play everything else.
std::string player(const Game& game, bool lower) {
    if (game.mode() == MODE_COM && !lower) return "COM LEVEL" + std::to_string(game.level());
    return "人間";
}

std::string players_line(const Game& game, bool lower_is_first) {
    return mark(lower_is_first, lower_is_first) + "：" + player(game, lower_is_first) + "　" +
           mark(!lower_is_first, lower_is_first) + "：" + player(game, !lower_is_first);
}

std::string clocks_line(const Game& game, bool lower_is_first) {
    const double first = lower_is_first ? game.time_lower() : game.time_upper();
    const double second = lower_is_first ? game.time_upper() : game.time_lower();
    return "▲" + 調査_時間秒追加結果(first) + "　△" + 調査_時間秒追加結果(second);
}

std::string row(std::size_t number, const PlayedMove& m, bool lower_is_first) {
    std::array<char, 16> prefix{};
    std::snprintf(prefix.data(), prefix.size(), "%4zu ", number);
    const bool first = (m.piece < 0) == lower_is_first;
    return prefix.data() + std::string(first ? "▲" : "△") +
           records::move_text(m.move, m.piece, m.could_promote);
}

}  // namespace

MoveList move_list_of(const Game& game) {
    const bool lower_is_first = lower_first(game);
    MoveList list;
    list.turn = turn_line(game, lower_is_first);
    list.players = players_line(game, lower_is_first);
    list.clocks = clocks_line(game, lower_is_first);
    list.rows.emplace_back(START_ROW);
    const std::size_t end =
        std::min(game.moves().size(), static_cast<std::size_t>(std::max(0, game.line_end())));
    for (std::size_t n = 0; n < end; ++n)
        list.rows.push_back(row(n + 1, game.moves()[n], lower_is_first));
    list.shown = std::clamp(game.record_index(), 0, static_cast<int>(list.rows.size()) - 1);
    return list;
}

}  // namespace banzuri

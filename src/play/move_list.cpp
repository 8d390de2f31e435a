#include "play/move_list.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>

#include "records/kif_format.h"
#include "render/labels.h"
#include "render/time_text.h"
#include "settings/texts.h"

namespace banzuri {

namespace {

// Which side moved (or moves) first: the lower side unless the line's first move was the
// upper side's, or no move was made yet and the upper side is to move.
bool lower_first(const Game& game) {
    if (!game.moves().empty()) return game.moves().front().piece < 0;
    return !game.running() || game.lower_to_move();
}

std::string mark(bool lower, bool lower_is_first, Language language) {
    return text(lower == lower_is_first ? TextId::LIST_FIRST : TextId::LIST_SECOND, language);
}

std::string turn_line(const Game& game, bool lower_is_first, Language language) {
    if (game.decided())
        return mark(game.winner() == game.lower_order(), lower_is_first, language) +
               text(TextId::LIST_WINS, language);
    if (!game.running()) return text(TextId::LIST_NOT_STARTED, language);
    return mark(game.lower_to_move(), lower_is_first, language) +
           text(TextId::LIST_TO_MOVE, language);
}

// The computer plays the upper side of a game against it; people play everything else.
std::string player(const Game& game, bool lower, Language language) {
    if (game.mode() == MODE_COM && !lower) return "COM LEVEL" + std::to_string(game.level());
    return text(TextId::LIST_HUMAN, language);
}

std::string players_line(const Game& game, bool lower_is_first, Language language) {
    const std::string& colon = text(TextId::LIST_COLON, language);
    return mark(lower_is_first, lower_is_first, language) + colon +
           player(game, lower_is_first, language) + text(TextId::LIST_GAP, language) +
           mark(!lower_is_first, lower_is_first, language) + colon +
           player(game, !lower_is_first, language);
}

std::string clocks_line(const Game& game, bool lower_is_first, Language language) {
    const double first = lower_is_first ? game.time_lower() : game.time_upper();
    const double second = lower_is_first ? game.time_upper() : game.time_lower();
    return "▲" + 調査_時間秒追加結果(first) + text(TextId::LIST_GAP, language) + "△" +
           調査_時間秒追加結果(second);
}

std::string row(std::size_t number, const PlayedMove& m, bool lower_is_first, Language language) {
    std::array<char, 16> prefix{};
    std::snprintf(prefix.data(), prefix.size(), "%4zu ", number);
    const bool first = (m.piece < 0) == lower_is_first;
    return prefix.data() + std::string(first ? "▲" : "△") +
           (language == Language::ENGLISH
                ? western_move_text(m.move, m.piece, m.could_promote, m.origin_named)
                : records::move_text(m.move, m.piece, m.could_promote));
}

// The marks and the scores of a look over the game, row by row.
void add_analysis(MoveList& list, const GameAnalysis& analysis, Language language) {
    if (analysis.moves.empty()) return;
    list.scores.push_back(analysis.moves.front().before);
    for (std::size_t n = 0; n < analysis.moves.size(); ++n) {
        const MoveVerdict& verdict = analysis.moves[n];
        list.scores.push_back(verdict.after);
        if (verdict.mark != MoveMark::none && n + 1 < list.rows.size())
            list.rows[n + 1] += text(TextId::LIST_GAP, language) +
                                text(verdict.mark == MoveMark::blunder ? TextId::MARK_BLUNDER
                                                                       : TextId::MARK_DUBIOUS,
                                     language);
    }
}

}  // namespace

MoveList move_list_of(const Game& game, const GameAnalysis* analysis, Language language) {
    const bool lower_is_first = lower_first(game);
    MoveList list;
    list.turn = turn_line(game, lower_is_first, language);
    list.players = players_line(game, lower_is_first, language);
    list.clocks = clocks_line(game, lower_is_first, language);
    list.rows.emplace_back(text(TextId::LIST_START_ROW, language));
    const std::size_t end =
        std::min(game.moves().size(), static_cast<std::size_t>(std::max(0, game.line_end())));
    for (std::size_t n = 0; n < end; ++n)
        list.rows.push_back(row(n + 1, game.moves()[n], lower_is_first, language));
    if (analysis != nullptr) add_analysis(list, *analysis, language);
    list.shown = std::clamp(game.record_index(), 0, static_cast<int>(list.rows.size()) - 1);
    return list;
}

}  // namespace banzuri

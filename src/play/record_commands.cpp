// The game-record commands of the 局面 menu: saving the whole game to a KIF file, opening one
// in place of the game shown, and copying the position shown as SFEN.
#include <algorithm>

#include "play/main_form.h"
#include "records/entries.h"
#include "records/position_sfen.h"
#include "records/record_file.h"
#include "rules/movement.h"
#include "rules/promotion.h"

namespace banzuri {

namespace {}  // namespace

// The game up to its latest position (kept after stepping back), each position with its
// clocks.
std::vector<RecordEntry> MainForm::whole_line() const {
    return game_.line();
}

LineRecord MainForm::current_record() const {
    LineFacts facts;
    facts.resignation_winner = records_.resignation_winner;
    facts.started = records_.started ? records_.started : local_now();
    facts.now = local_now();
    return record_of_game_line(game_, facts);
}

// True when nothing would be lost by replacing the game shown with `replacement`; otherwise
// the player is asked.
bool MainForm::may_replace_game(const std::vector<RecordEntry>& replacement,
                                const std::string& title) {
    if (g.turn == TURN_NONE || g.winner != TURN_NONE) return true;
    const std::vector<RecordEntry> line = whole_line();
    if (line.size() < 2 || same_positions(line, records_.saved_line) ||
        same_positions(line, replacement))
        return true;
    // Enter keeps the game: discarding moves takes a deliberate はい.
    return p.dialogs.ask_yes_no(t(TextId::UNSAVED_MOVES), title, Answer::NO);
}

// The last move up to the position shown, as after a move just played.
void MainForm::show_last_move() {
    const std::vector<PlayedMove>& moves = game_.moves();
    const int n = std::min(g.rec_index, static_cast<int>(moves.size()));
    if (n < 1) return;
    const PlayedMove& m = moves[static_cast<std::size_t>(n - 1)];
    painter_.描画_移動結果(m.placed > 0 ? g.upper_order : g.lower_order, m, m.placed,
                           painter_.text_colour());
}

// Shows a checked record as a game just played: the final position, every earlier one in the
// record for 戻/進/最初, the same players, and play going on from here.
void MainForm::show_record(const records::GameRecord& r) {
    初期設定();
    Game loaded;
    records::replay(r, loaded);  // the record was checked before it came here
    loaded.set_level(game_.level());
    loaded.set_players(r.game_mode, r.start.lower_to_move ? FIRST_PLAYER : SECOND_PLAYER);
    // The window knows one way to lose with the king on the board: the side to move gives up.
    // Every ending the side to move lost is shown so; a draw or a win of the side to move
    // leaves the game open.
    const bool mover_lost = r.ending != records::Ending::none &&
                            r.winner == records::ending_winner(records::Ending::resignation,
                                                               records::lower_to_move_at_end(r));
    if (mover_lost) loaded.resign();
    game_ = std::move(loaded);
    if (r.game_mode == MODE_COM && r.level >= 1 && r.level <= 5) choose_level(r.level);
    show_game();

    records_.started = r.started;
    records_.resignation_winner = mover_lost ? r.winner : records::Side::none;

    painter_.画面_再描画();
    painter_.描画_手数(g.move_count, COLOUR_WHITE);
    show_last_move();
    clock_.turn_start_time = p.clock.time_of_day();
    clock_.move_seconds = 0;
    if (g.winner == TURN_NONE && checked(MenuItem::KEIKA)) p.timer.set_enabled(true);
    painter_.refresh();
}

void MainForm::KIFU_HOZON_Click() {
    if (g.turn == TURN_NONE) {
        sound_.play(sound_.snd_forbidden());
        p.dialogs.message(t(TextId::NOTHING_TO_SAVE), t(TextId::TITLE_SAVE_RECORD));
        return;
    }
    const LineRecord record = current_record();
    if (!record.record) {
        sound_.play(sound_.snd_forbidden());
        p.dialogs.warning(t(files::fill(message(TextId::NO_RECORD_OF_GAME), {record.problem})),
                          t(TextId::TITLE_SAVE_RECORD));
        return;
    }
    const records::DateTime named = record.record->started.value_or(local_now());
    const std::optional<std::filesystem::path> file =
        p.files.choose_file_to_save(t(TextId::TITLE_SAVE_RECORD), suggested_record_name(named));
    if (!file) return;
    const files::Message error = records::save_record(*record.record, *file);
    if (!error.empty()) {
        sound_.play(sound_.snd_forbidden());
        p.dialogs.warning(t(error) + t(TextId::GAME_GOES_ON), t(TextId::TITLE_SAVE_RECORD));
        return;
    }
    records_.saved_line = whole_line();
}

void MainForm::KIFU_HIRAKU_Click() {
    const std::optional<std::filesystem::path> file =
        p.files.choose_file_to_open(t(TextId::TITLE_OPEN_RECORD));
    if (!file) return;
    const records::LoadResult loaded = records::load_record(*file);
    const std::vector<RecordEntry> line =
        loaded.record ? records::to_entries(*loaded.record) : std::vector<RecordEntry>{};
    if (line.empty()) {
        sound_.play(sound_.snd_forbidden());
        const std::string why = loaded.record ? t(TextId::RECORD_DOES_NOT_REPLAY) : t(loaded.error);
        p.dialogs.warning(why + t(TextId::GAME_SHOWN_STAYS), t(TextId::TITLE_OPEN_RECORD));
        return;
    }
    if (!may_replace_game(line, t(TextId::TITLE_OPEN_RECORD))) return;
    show_record(*loaded.record);
    records_.saved_line = line;
}

void MainForm::KYOKUMEN_COPY_Click() {
    const bool lower_to_move = g.turn != g.upper_order;  // also before a game
    p.clipboard.set_text(
        records::position_sfen(g.board, g.hand_own, g.hand_enemy, lower_to_move, g.move_count + 1));
    sound_.play(sound_.snd_other());
}

}  // namespace banzuri

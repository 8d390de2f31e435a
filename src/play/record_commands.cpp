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

namespace {

const std::string kOpenTitle = "棋譜を開く";
const std::string kSaveTitle = "棋譜を保存";

}  // namespace

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
    return p.dialogs.ask_yes_no("保存していない指し手があります。\nこの対局をやめて開きますか？",
                                title, Answer::NO);
}

// The piece that arrived in the last move of the line, as after a move just played.
void MainForm::show_last_move(const std::vector<RecordEntry>& line) {
    if (line.size() < 2) return;
    const Board& before = line[line.size() - 2].board;
    const Board& after = line.back().board;
    for (std::size_t x = 1; x <= 9; ++x)
        for (std::size_t y = 1; y <= 9; ++y)
            if (after[x][y] != EMPTY && after[x][y] != before[x][y]) {
                const int code = after[x][y];
                painter_.描画_移動結果(code > 0 ? g.upper_order : g.lower_order,
                                       static_cast<int>(x), static_cast<int>(y), code,
                                       painter_.text_colour());
                return;
            }
}

// Shows a checked record as a game just played: the final position, every earlier one in the
// record for 戻/進/最初, the same players, and play going on from here.
void MainForm::show_record(const records::GameRecord& r, const std::vector<RecordEntry>& line) {
    初期設定();
    Game loaded;
    records::replay(r, loaded);  // the record was checked before it came here
    loaded.set_level(game_.level());
    loaded.set_players(r.game_mode, r.start.lower_to_move ? FIRST_PLAYER : SECOND_PLAYER);
    if (r.resigned) loaded.resign();
    game_ = std::move(loaded);
    if (r.game_mode == MODE_COM && r.level >= 1 && r.level <= 5) choose_level(r.level);
    show_game();

    records_.started = r.started;
    records_.resignation_winner = r.resigned ? r.winner : records::Side::none;

    painter_.画面_再描画();
    painter_.描画_手数(g.move_count, COLOUR_WHITE);
    show_last_move(line);
    clock_.turn_start_time = p.clock.time_of_day();
    clock_.move_seconds = 0;
    if (g.winner == TURN_NONE && checked(MenuItem::KEIKA)) p.timer.set_enabled(true);
    painter_.refresh();
}

void MainForm::KIFU_HOZON_Click() {
    if (g.turn == TURN_NONE) {
        sound_.play(sound_.snd_forbidden());
        p.dialogs.message("保存する対局がありません", kSaveTitle);
        return;
    }
    const LineRecord record = current_record();
    if (!record.record) {
        sound_.play(sound_.snd_forbidden());
        p.dialogs.warning("この対局は棋譜にできません（" + record.problem + "）", kSaveTitle);
        return;
    }
    const records::DateTime named = record.record->started.value_or(local_now());
    const std::optional<std::filesystem::path> file =
        p.files.choose_file_to_save(kSaveTitle, suggested_record_name(named));
    if (!file) return;
    const std::string error = records::save_record(*record.record, *file);
    if (!error.empty()) {
        sound_.play(sound_.snd_forbidden());
        p.dialogs.warning(error + "\n対局はそのまま続けられます。", kSaveTitle);
        return;
    }
    records_.saved_line = whole_line();
}

void MainForm::KIFU_HIRAKU_Click() {
    const std::optional<std::filesystem::path> file = p.files.choose_file_to_open(kOpenTitle);
    if (!file) return;
    const records::LoadResult loaded = records::load_record(*file);
    const std::vector<RecordEntry> line =
        loaded.record ? records::to_entries(*loaded.record) : std::vector<RecordEntry>{};
    if (line.empty()) {
        sound_.play(sound_.snd_forbidden());
        const std::string why = loaded.record ? "棋譜の指し手を再現できません" : loaded.error;
        p.dialogs.warning(why + "\n表示中の対局はそのままです。", kOpenTitle);
        return;
    }
    if (!may_replace_game(line, kOpenTitle)) return;
    show_record(*loaded.record, line);
    records_.saved_line = line;
}

void MainForm::KYOKUMEN_COPY_Click() {
    const bool lower_to_move = g.turn != g.upper_order;  // also before a game
    p.clipboard.set_text(
        records::position_sfen(g.board, g.hand_own, g.hand_enemy, lower_to_move, g.move_count + 1));
    sound_.play(sound_.snd_other());
}

}  // namespace banzuri

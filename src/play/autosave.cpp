// The game in progress is kept in the state folder after every move, written atomically, so
// that "前回の対局を再開" brings it back after the window was closed, the program crashed or
// the power failed. A damaged file is reported and set aside, never deleted. Each running
// window keeps its game in a place of its own (play/saved_games.h), and 前回の対局を再開 offers
// the kept games, the most recent first.
#include <system_error>

#include "files/atomic_file.h"
#include "files/private_folder.h"
#include "play/main_form.h"
#include "play/saved_games.h"
#include "records/entries.h"
#include "records/record_file.h"

namespace banzuri {

namespace {

// What happened to a damaged file: where it went, or that it stayed.
std::string aside_text(const std::filesystem::path& aside, Language language) {
    if (aside.empty()) return text(TextId::ASIDE_KEPT_IN_PLACE, language);
    const files::Message moved = message(TextId::ASIDE_MOVED_TO);
    return text(files::fill(moved, {files::verbatim(files::shown_path(aside.string()))}), language);
}

}  // namespace

// After a move: the line goes on, so an earlier resignation no longer ends it.
void MainForm::keep_game_after_move() {
    records_.resignation_winner = records::Side::none;
    keep_game();
}

// At start: the temporary files killed writes left in any place, a minute old at least. Nothing
// is made: a game only started writes nothing.
void MainForm::clear_stale_autosave_files() {
    if (records_.state_dir.empty()) return;
    for (int place = 1; place <= AUTOSAVE_PLACES; ++place)
        files::remove_stale_temporary_files(records_.state_dir / autosave_name(place));
}

// Before the first write: the first free place, taken for as long as the program runs. The
// folder is made (private) when missing.
void MainForm::choose_autosave_place() {
    if (records_.autosave_chosen) return;
    records_.autosave_chosen = true;
    files::make_private_folder(records_.state_dir);  // a failure shows in the first write
    for (int place = 1; place <= AUTOSAVE_PLACES; ++place) {
        files::FileLock lock(records_.state_dir / autosave_lock_name(place));
        if (lock.busy()) continue;  // another window's
        // Free, or not lockable at all (a folder that cannot be written, say: its write
        // reports the problem); never a place another window holds.
        records_.autosave_file = records_.state_dir / autosave_name(place);
        records_.autosave_lock = std::move(lock);
        return;
    }
}

void MainForm::warn_no_autosave_place() {
    if (records_.autosave_warned) return;
    records_.autosave_warned = true;
    p.dialogs.warning(t(TextId::TOO_MANY_WINDOWS), t(TextId::TITLE_AUTOSAVE));
}

void MainForm::keep_game() {
    if (records_.state_dir.empty()) return;
    if (!records_.started) records_.started = local_now();
    const LineRecord record = current_record();
    // A line that is no record (a position laid out by hand without a king, say) has nothing
    // to keep; the last game stays as it was.
    if (!record.record) return;
    choose_autosave_place();
    const std::filesystem::path file = records_.autosave_file;
    if (file.empty()) return warn_no_autosave_place();
    check_old_autosave(file);
    files::make_private_folder(records_.state_dir);
    const files::Message error = records::save_record(*record.record, file);
    if (error.empty()) {
        records_.autosave_warned = false;
        return;
    }
    if (records_.autosave_warned) return;  // once until it works again
    records_.autosave_warned = true;
    p.dialogs.warning(t(TextId::AUTOSAVE_FAILED) + t(error) + t(TextId::GAME_GOES_ON),
                      t(TextId::TITLE_AUTOSAVE));
}

// Before the first write of a run: an autosave that does not read is set aside, so that the
// new game never overwrites it.
void MainForm::check_old_autosave(const std::filesystem::path& file) {
    if (records_.autosave_checked) return;
    records_.autosave_checked = true;
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return;
    const records::LoadResult loaded = records::load_record(file);
    if (loaded.record) return;
    p.dialogs.warning(t(TextId::LAST_GAME_DAMAGED) + t(loaded.error) + "\n" +
                          aside_text(set_aside(file), view_.language),
                      t(TextId::TITLE_AUTOSAVE));
}

// The game to resume: the one kept, or the one chosen when several windows kept theirs;
// nothing when there is none (said here) or the choice was cancelled.
std::optional<std::filesystem::path> MainForm::choose_saved_game() {
    const std::vector<SavedGame> games =
        records_.state_dir.empty() ? std::vector<SavedGame>{} : saved_games(records_.state_dir);
    if (games.empty()) {
        sound_.play(sound_.snd_forbidden());
        p.dialogs.message(t(TextId::NO_LAST_GAME), t(TextId::TITLE_RESUME));
        return std::nullopt;
    }
    if (games.size() == 1) return games.front().file;
    std::vector<std::string> labels;
    for (const SavedGame& game : games)
        labels.push_back(saved_game_label(game, view_.language));
    const std::optional<std::size_t> chosen =
        p.dialogs.choose(t(TextId::CHOOSE_GAME), t(TextId::TITLE_RESUME), labels);
    if (!chosen || *chosen >= games.size()) return std::nullopt;
    return games[*chosen].file;
}

void MainForm::SAIKAI_Click() {
    if (const std::optional<std::filesystem::path> file = choose_saved_game()) resume_from(*file);
}

void MainForm::resume_from(const std::filesystem::path& file) {
    const records::LoadResult loaded = records::load_record(file);
    const std::vector<RecordEntry> line =
        loaded.record ? records::to_entries(*loaded.record) : std::vector<RecordEntry>{};
    if (line.empty()) {
        sound_.play(sound_.snd_forbidden());
        // Set aside now; when it was this window's own, its next move writes a new file.
        if (file == records_.autosave_file) records_.autosave_checked = true;
        const std::string why = loaded.record ? t(TextId::RECORD_DOES_NOT_REPLAY) : t(loaded.error);
        p.dialogs.warning(t(TextId::LAST_GAME_UNREADABLE) + why + "\n" +
                              aside_text(set_aside(file), view_.language),
                          t(TextId::TITLE_RESUME));
        return;
    }
    if (!may_replace_game(line, t(TextId::TITLE_RESUME))) return;
    show_record(*loaded.record);
    records_.saved_line = line;
}

}  // namespace banzuri

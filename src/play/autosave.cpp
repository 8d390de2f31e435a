// The game in progress is kept in the state folder after every move, written atomically, so
// that "前回の対局を再開" brings it back after the window was closed, the program crashed or
// the power failed. A damaged file is reported and set aside, never deleted.
#include <sys/stat.h>

#include <system_error>

#include "play/main_form.h"
#include "records/entries.h"
#include "records/record_file.h"

namespace banzuri {

namespace {

const std::string kResumeTitle = "前回の対局を再開";
const std::string kAutosaveTitle = "自動保存";

// What happened to a damaged file: where it went, or that it stayed.
std::string aside_text(const std::filesystem::path& aside) {
    if (aside.empty()) return "このファイルは移せなかったので、そのまま残してあります。";
    return "このファイルは「" + aside.string() + "」に移して残してあります。";
}

// The folder and its missing parents, new ones readable by the user alone.
void make_state_folder(const std::filesystem::path& folder) {
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) return;
    std::filesystem::create_directories(folder, error);
    ::chmod(folder.c_str(), 0700);  // a folder that stays as it was fails the write, reported there
}

}  // namespace

// After a move: the line goes on, so an earlier resignation no longer ends it.
void MainForm::keep_game_after_move() {
    records_.resignation_winner = records::Side::none;
    keep_game();
}

void MainForm::keep_game() {
    if (records_.state_dir.empty()) return;
    if (!records_.started) records_.started = local_now();
    const std::filesystem::path file = records_.state_dir / AUTOSAVE_FILE_NAME;
    check_old_autosave(file);
    const LineRecord record = current_record();
    // A line that is no record (a position laid out by hand without a king, say) has nothing
    // to keep; the last game stays as it was.
    if (!record.record) return;
    make_state_folder(records_.state_dir);
    const std::string error = records::save_record(*record.record, file);
    if (error.empty()) {
        records_.autosave_warned = false;
        return;
    }
    if (records_.autosave_warned) return;  // once until it works again
    records_.autosave_warned = true;
    p.dialogs.warning("対局を自動保存できません。\n" + error + "\n対局はそのまま続けられます。",
                      kAutosaveTitle);
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
    p.dialogs.warning("前回の対局のファイルが壊れていました。\n" + loaded.error + "\n" +
                          aside_text(set_aside(file)),
                      kAutosaveTitle);
}

void MainForm::SAIKAI_Click() {
    const std::filesystem::path file = records_.state_dir.empty()
                                           ? std::filesystem::path{}
                                           : records_.state_dir / AUTOSAVE_FILE_NAME;
    std::error_code error;
    if (file.empty() || !std::filesystem::exists(file, error)) {
        sound_.play(sound_.snd_forbidden());
        p.dialogs.message("前回の対局は残っていません", kResumeTitle);
        return;
    }
    const records::LoadResult loaded = records::load_record(file);
    const std::vector<RecordEntry> line =
        loaded.record ? records::to_entries(*loaded.record) : std::vector<RecordEntry>{};
    if (line.empty()) {
        sound_.play(sound_.snd_forbidden());
        records_.autosave_checked = true;  // set aside now; the next move writes a new file
        const std::string why = loaded.record ? "棋譜の指し手を再現できません" : loaded.error;
        p.dialogs.warning("前回の対局のファイルが壊れていて再開できません。\n" + why + "\n" +
                              aside_text(set_aside(file)),
                          kResumeTitle);
        return;
    }
    if (!may_replace_game(line, kResumeTitle)) return;
    show_record(*loaded.record);
    records_.saved_line = line;
}

}  // namespace banzuri

#include "play/saved_games.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "play/record_keeping.h"
#include "records/record_file.h"
#include "settings/texts.h"

namespace banzuri {

namespace {

records::DateTime local_time_of(std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

struct Found {
    SavedGame game;
    timespec written{};
};

bool newer(const Found& a, const Found& b) {
    if (a.written.tv_sec != b.written.tv_sec) return a.written.tv_sec > b.written.tv_sec;
    return a.written.tv_nsec > b.written.tv_nsec;
}

}  // namespace

std::string autosave_name(int place) {
    if (place <= 1) return AUTOSAVE_FILE_NAME;
    return "last-game-" + std::to_string(place) + ".kifu";
}

std::string autosave_lock_name(int place) {
    // Appended piece by piece: GCC 12's -O3 warns falsely of "." + std::string.
    std::string name(".");
    name += autosave_name(place);
    name += ".lock";
    return name;
}

std::vector<SavedGame> saved_games(const std::filesystem::path& state_dir) {
    std::vector<Found> found;
    for (int place = 1; place <= AUTOSAVE_PLACES; ++place) {
        const std::filesystem::path file = state_dir / autosave_name(place);
        struct stat info {};
        if (::stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        const records::LoadResult loaded = records::load_record(file);
        std::optional<std::size_t> moves;
        if (loaded.record) moves = loaded.record->moves.size();
        found.push_back({{file, local_time_of(info.st_mtim.tv_sec), moves}, info.st_mtim});
    }
    std::stable_sort(found.begin(), found.end(), newer);
    std::vector<SavedGame> games;
    for (Found& f : found)
        games.push_back(std::move(f.game));
    return games;
}

std::string saved_game_label(const SavedGame& game, Language language) {
    const records::DateTime& w = game.written;
    char when[64];
    std::snprintf(when, sizeof when, "%04d/%02d/%02d %02d:%02d", w.year % 10000, w.month % 100,
                  w.day % 100, w.hour % 100, w.minute % 100);
    const files::Message file = files::verbatim(game.file.filename().string());
    if (!game.moves)
        return text(
            files::fill(message(TextId::SAVED_GAME_UNREADABLE), {files::verbatim(when), file}),
            language);
    const files::Message moves = files::verbatim(std::to_string(*game.moves));
    return text(files::fill(message(TextId::SAVED_GAME), {moves, files::verbatim(when), file}),
                language);
}

}  // namespace banzuri

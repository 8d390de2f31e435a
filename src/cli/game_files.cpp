#include "cli/game_files.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "records/kif_reader.h"
#include "records/record_file.h"
#include "records/record_of_game.h"

namespace banzuri::cli {

std::string game_file(const std::string& dir, int n) {
    char name[32];
    std::snprintf(name, sizeof name, "game-%04d.kifu", n);
    return (std::filesystem::path(dir) / name).string();
}

std::string make_games_folder(const std::string& dir) {
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (!error && std::filesystem::is_directory(dir, error)) return {};
    return "「" + records::shown(dir, 200) + "」にフォルダを作れません" +
           (error ? "（" + error.message() + "）" : std::string("（フォルダではありません）"));
}

records::GameRecord played_record(const Game& game, std::string lower_name, std::string upper_name,
                                  std::string note) {
    records::GameRecord r = records::record_of_game(game, records::RecordEnd::LINE_END);
    r.lower_name = std::move(lower_name);
    r.upper_name = std::move(upper_name);
    r.note = std::move(note);
    return r;
}

std::string write_record(const records::GameRecord& r, const std::string& file) {
    return records::save_record(r, file).japanese;
}

}  // namespace banzuri::cli

#include "record_check.h"

#include <filesystem>
#include <optional>

#include "records/entries.h"
#include "records/kif_format.h"
#include "records/kif_reader.h"
#include "records/record_file.h"
#include "records/replay.h"

namespace banzuri::fuzz {

namespace {

std::string check_written_form(const records::GameRecord& read) {
    const records::KifResult again = records::read_kif(records::write_kif(read));
    if (!again.record) return "its written form is refused: " + again.problem.text().japanese;
    if (again.record->start != read.start) return "its written form starts elsewhere";
    if (again.record->moves != read.moves) return "its written form has other moves";
    if (again.record->winner != read.winner) return "its written form has another winner";
    return {};
}

}  // namespace

std::string check_record_bytes(std::string_view bytes, std::string_view name) {
    records::TextProblem problem;
    const std::optional<std::string> text =
        records::decode_record(bytes, std::filesystem::path(name), problem);
    if (!text) return problem.why.empty() ? "undecodable text without a reason" : "";
    const records::KifResult read = records::read_kif(*text);
    if (!read.record) return read.problem.why.empty() ? "refused without a reason" : "";
    if (const auto wrong = records::check_record(*read.record))
        return "a record was read that does not replay: " + wrong->why.japanese;
    if (records::to_entries(*read.record).size() != read.record->moves.size() + 1)
        return "its positions are not one per move and one more";
    return check_written_form(*read.record);
}

}  // namespace banzuri::fuzz

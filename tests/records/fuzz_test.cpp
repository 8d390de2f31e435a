// Damaged records: whatever happened to the file, reading it gives a checked record or one
// refusal with a line inside the text, never a crash.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "records/kif_format.h"
#include "records/kif_reader.h"
#include "records/random_records.h"
#include "records/record_file.h"
#include "records/replay.h"

namespace banzuri::records {
namespace {

const std::vector<std::string> kWords = {
    "同",     "成",     "不成",   "打", "(",  ")",    "：",      "/", "投了", "まで",
    "手で",   "の勝ち", "|",      "v",  "・", "+---", "\n",      " ", "　",   "１",
    "９",     "一",     "九",     "十", "歩", "龍",   "玉",      "9", "0",    "先手番",
    "上手番", "持駒：", "変化：", "*",  "\r", "\xff", "\xe3\x81"};

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start + 1));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line;
    return text;
}

std::string damaged(std::mt19937& rng, const std::string& text) {
    std::vector<std::string> lines = lines_of(text);
    const int edits = 1 + static_cast<int>(rng() % 4);
    for (int i = 0; i < edits && !lines.empty(); ++i) {
        std::string& line = lines[rng() % lines.size()];
        const std::size_t at = line.empty() ? 0 : rng() % line.size();
        switch (rng() % 6) {
            case 0:
                lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(rng() % lines.size()));
                break;
            case 1:
                lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(rng() % lines.size()),
                             line);
                break;
            case 2:
                std::swap(line, lines[rng() % lines.size()]);
                break;
            case 3:
                line.insert(at, kWords[rng() % kWords.size()]);
                break;
            case 4:
                if (!line.empty()) line[at] = static_cast<char>(rng() % 256);
                break;
            default:
                line.erase(at, 1 + rng() % 6);
                break;
        }
    }
    std::string out = joined(lines);
    if (rng() % 8 == 0) out.resize(rng() % (out.size() + 1));
    return out;
}

TEST(RecordFuzz, DamagedRecordsAreReadOrRefusedWithALineInsideTheText) {
    std::mt19937 rng(2024);
    int refused = 0;
    int read = 0;
    for (int i = 0; i < 600 && !::testing::Test::HasFailure(); ++i) {
        const GameRecord r = testing::random_record(static_cast<std::uint32_t>(i % 40), i % 40, 40);
        const std::string bytes = damaged(rng, write_kif(r));
        TextProblem problem;
        const std::optional<std::string> text =
            decode_record(bytes, i % 2 ? "x.kif" : "x.kifu", problem);
        const KifResult result = text ? read_kif(*text) : KifResult{std::nullopt, problem};
        const int lines = static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
        if (result.record) {
            ++read;
            EXPECT_EQ(check_record(*result.record), std::nullopt) << bytes;
            const KifResult again = read_kif(write_kif(*result.record));
            ASSERT_TRUE(again.record) << again.problem.text().japanese;
            EXPECT_EQ(*again.record, *result.record);
        } else {
            ++refused;
            EXPECT_FALSE(result.problem.why.empty());
            EXPECT_GE(result.problem.line, 0);
            EXPECT_LE(result.problem.line, lines) << bytes;
            EXPECT_EQ(result.problem.text().japanese.find('\n'), std::string::npos);
        }
    }
    EXPECT_GT(refused, 100);
    EXPECT_GT(read, 12);
}

TEST(RecordFuzz, RandomBytesNeverCrashTheReader) {
    std::mt19937 rng(7);
    for (int i = 0; i < 2000; ++i) {
        std::string text;
        const std::size_t words = rng() % 80;
        for (std::size_t w = 0; w < words; ++w)
            text += kWords[rng() % kWords.size()];
        const KifResult result = read_kif(text);
        if (!result.record) {
            EXPECT_FALSE(result.problem.why.empty());
        }
    }
}

}  // namespace
}  // namespace banzuri::records

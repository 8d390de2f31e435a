// Named handicaps: each removes the usual pieces of the upper side, which moves first; a named
// start is written by its 手合割 and read back from the name alone.
#include <gtest/gtest.h>

#include "records/kif_format.h"
#include "records/kif_handicaps.h"
#include "records/kif_reader.h"
#include "records/position_sfen.h"

namespace banzuri::records {
namespace {

const std::string kLowerRanks = "/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1";

const std::vector<std::pair<std::string, std::string>> kHandicaps = {
    {"香落ち", "lnsgkgsn1/1r5b1"}, {"右香落ち", "1nsgkgsnl/1r5b1"}, {"角落ち", "lnsgkgsnl/1r7"},
    {"飛車落ち", "lnsgkgsnl/7b1"}, {"飛香落ち", "lnsgkgsn1/7b1"},   {"二枚落ち", "lnsgkgsnl/9"},
    {"三枚落ち", "lnsgkgsn1/9"},   {"四枚落ち", "1nsgkgsn1/9"},     {"五枚落ち", "2sgkgsn1/9"},
    {"左五枚落ち", "1nsgkgs2/9"},  {"六枚落ち", "2sgkgs2/9"},       {"左七枚落ち", "2sgkg3/9"},
    {"右七枚落ち", "3gkgs2/9"},    {"八枚落ち", "3gkg3/9"},         {"十枚落ち", "4k4/9"},
};

std::string sfen_of(const StartPosition& s) {
    return position_sfen(s.board, s.hand_lower, s.hand_upper, s.lower_to_move, 1);
}

TEST(KifHandicaps, EachNameRemovesTheUsualPiecesOfTheUpperSide) {
    for (const auto& [name, upper_ranks] : kHandicaps) {
        const std::optional<StartPosition> start = named_start(name);
        ASSERT_TRUE(start) << name;
        EXPECT_EQ(sfen_of(*start), upper_ranks + kLowerRanks) << name;
        EXPECT_EQ(start_name(*start), name);
    }
    EXPECT_EQ(named_start("平手"), standard_start());
    EXPECT_EQ(start_name(standard_start()), "平手");
    EXPECT_FALSE(named_start("九枚落ち"));
    StartPosition lower_first = *named_start("角落ち");
    lower_first.lower_to_move = true;
    EXPECT_EQ(start_name(lower_first), "") << "a named handicap is the upper side's first move";
}

TEST(KifHandicaps, NamedStartsAreWrittenByNameAndReadFromItAlone) {
    for (const auto& [name, upper_ranks] : kHandicaps) {
        GameRecord r;
        r.start = *named_start(name);
        r.moves = {{Move::board(5, 1, 5, 2), UPPER_OU, false, 3, 3}};
        const std::string text = write_kif(r);
        EXPECT_NE(text.find("手合割：" + name + "\n"), std::string::npos) << text;
        EXPECT_NE(text.find("下手：下の対局者\n上手：上の対局者\n"), std::string::npos) << text;
        EXPECT_EQ(text.find("+---") != std::string::npos, !widely_known(name)) << text;
        const KifResult read = read_kif(text);
        ASSERT_TRUE(read.record) << read.problem.text().japanese;
        EXPECT_EQ(*read.record, r) << name;
        const KifResult name_only =
            read_kif("手合割：" + name + "\n手数----指手----\n   1 ５二玉(51)\n");
        ASSERT_TRUE(name_only.record) << name << ": " << name_only.problem.text().japanese;
        EXPECT_EQ(name_only.record->start, r.start) << name;
    }
    EXPECT_EQ(widely_known("三枚落ち"), false);
    EXPECT_EQ(widely_known("二枚落ち"), true);
}

TEST(KifHandicaps, OtherStartsKeepTheirDiagram) {
    GameRecord r;
    r.start = *named_start("香落ち");
    r.start.lower_to_move = true;
    const std::string text = write_kif(r);
    EXPECT_EQ(text.find("手合割"), std::string::npos) << text;
    EXPECT_NE(text.find("|v香v桂v銀v金v玉v金v銀v桂 ・|一\n"), std::string::npos) << text;
    EXPECT_EQ(read_kif(text).record, r);
}

}  // namespace
}  // namespace banzuri::records

// Records written by hand in the usual KIF layout are read; broken ones are refused with the
// line that is wrong and why.
#include <gtest/gtest.h>

#include "records/kif_format.h"
#include "records/kif_reader.h"
#include "records/record_file.h"
#include "records/text_encoding.h"

namespace banzuri::records {
namespace {

TEST(KifReader, HandWrittenRecordWithCommentsBlankLinesAndExtraKeys) {
    const std::string text =
        "# ---- 手で書いた棋譜 ----\r\n"
        "開始日時：2023/11/03(金) 13:05\r\n"
        "棋戦：練習会\r\n"
        "\r\n"
        "手合割：平手　\r\n"
        "先手：山田\r\n"
        "後手：コンピュータ LEVEL2\r\n"
        "手数----指手---------消費時間--\r\n"
        "*対局開始\r\n"
        "   1 ７六歩(77)   ( 0:10/00:00:10)\r\n"
        "   2 ３四歩(33)   ( 1:05/00:01:05)+\r\n"
        "\r\n"
        "   3 ３三角成(88)\r\n"
        "   4 ４二銀(31)   ( 0:02/00:01:07)\r\n"
        "   5 投了\r\n"
        "まで4手で後手の勝ち\r\n"
        "変化：3手\r\n"
        "   3 ６六歩(67)\r\n";
    const KifResult read = read_kif(text);
    ASSERT_TRUE(read.record) << read.problem.text().japanese;
    const GameRecord& r = *read.record;
    EXPECT_EQ(r.start, standard_start());
    ASSERT_EQ(r.moves.size(), 4u);
    EXPECT_EQ(r.game_mode, MODE_COM);
    EXPECT_EQ(r.level, 2);
    EXPECT_EQ(r.started, (DateTime{2023, 11, 3, 13, 5, 0}));
    EXPECT_EQ(r.moves[0].move, Move::board(3, 7, 3, 6));
    EXPECT_EQ(r.moves[0].piece, LOWER_HU);
    EXPECT_FALSE(r.moves[0].could_promote);
    EXPECT_EQ(r.moves[1].seconds, 65);
    EXPECT_EQ(r.moves[2].move, Move::board(2, 8, 7, 3, true));
    EXPECT_EQ(r.moves[2].piece, LOWER_KAKU);
    EXPECT_TRUE(r.moves[2].could_promote);
    EXPECT_EQ(r.moves[2].total, 10) << "no time given: 0 seconds, the total stays";
    EXPECT_EQ(r.moves[3].move, Move::board(7, 1, 6, 2));
    EXPECT_EQ(r.moves[3].piece, UPPER_GIN);
    EXPECT_TRUE(resigned(r));
    EXPECT_EQ(r.winner, Side::upper);
}

TEST(KifReader, BoardDiagramWithHandsAndTheUpperSideToMove) {
    const std::string text =
        "上手の持駒：歩二　金\n"
        "  ９ ８ ７ ６ ５ ４ ３ ２ １\n"
        "+---------------------------+\n"
        "| ・ ・ ・ ・v玉 ・ ・ ・ ・|一\n"
        "| ・ ・ ・ ・ ・ ・ ・ ・ ・|二\n"
        "| ・ ・ ・ ・ ・ ・ ・ ・ ・|三\n"
        "| ・ ・ ・ ・ ・ ・ ・ ・ ・|四\n"
        "| ・ ・ ・ ・ ・ ・ ・ ・ ・|五\n"
        "| ・ ・ ・ ・ ・ ・ ・ ・ ・|六\n"
        "| ・ ・ ・ ・ 龍 ・ ・ ・ ・|七\n"
        "| ・ ・ ・ ・ ・ ・ ・ ・ ・|八\n"
        "| ・ ・ ・ ・ 玉 ・ ・ ・ ・|九\n"
        "+---------------------------+\n"
        "下手の持駒：なし\n"
        "上手番\n"
        "   1 ５八金打\n"
        "   2 ５六龍(57)\n";
    const KifResult read = read_kif(text);
    ASSERT_TRUE(read.record) << read.problem.text().japanese;
    const GameRecord& r = *read.record;
    EXPECT_FALSE(r.start.lower_to_move);
    EXPECT_EQ(r.start.hand_upper[KIND_HU], 2);
    EXPECT_EQ(r.start.hand_upper[KIND_KIN], 1);
    EXPECT_EQ(r.start.board[5][7], LOWER_SYA_NARI);
    EXPECT_EQ(r.moves[0].move, Move::drop_of(KIND_KIN, 5, 8));
    EXPECT_EQ(r.moves[0].piece, UPPER_KIN);
    EXPECT_FALSE(r.moves[0].could_promote);
    EXPECT_EQ(r.game_mode, MODE_MAN);
    const std::string written = write_kif(r);
    EXPECT_NE(written.find("上手の持駒：金　歩二\n"), std::string::npos) << written;
    EXPECT_NE(written.find("   1 ５八金打"), std::string::npos);
    EXPECT_NE(written.find("   2 ５六龍(57)"), std::string::npos);
    EXPECT_NE(written.find("まで2手で中断\n"), std::string::npos);
}

TEST(KifReader, WrittenNotationOfPromotionsDropsAndResults) {
    GameRecord r;
    r.start = standard_start();
    r.game_mode = MODE_COM;
    r.level = 3;
    r.started = DateTime{2024, 1, 2, 3, 4, 5};
    const std::string written = write_kif(r);
    EXPECT_NE(written.find("開始日時：2024/01/02 03:04:05\n"), std::string::npos);
    EXPECT_NE(written.find("手合割：平手\n先手：あなた\n後手：コンピュータ LEVEL3\n"),
              std::string::npos);
    EXPECT_NE(written.find("ルール：ばんずり"), std::string::npos);
    EXPECT_NE(written.find("まで0手で中断\n"), std::string::npos);
    EXPECT_EQ(written.find("終了日時"), std::string::npos);

    EXPECT_EQ(move_text(Move::board(3, 3, 3, 2, true), LOWER_GIN, true), "７二銀成(73)");
    EXPECT_EQ(move_text(Move::board(3, 3, 3, 2), LOWER_GIN, true), "７二銀不成(73)");
    EXPECT_EQ(move_text(Move::board(3, 6, 3, 5), LOWER_GIN, false), "７五銀(76)");
    EXPECT_EQ(move_text(Move::drop_of(KIND_HU, 5, 5), LOWER_HU, false), "５五歩打");
    EXPECT_EQ(move_text(Move::board(1, 1, 1, 2), UPPER_KYOU_NARI, false), "９二成香(91)");
    EXPECT_EQ(move_text(Move::board(2, 2, 2, 3), UPPER_SYA_NARI, false), "８三龍(82)");
    EXPECT_EQ(move_text(Move::board(2, 2, 2, 3), UPPER_KAKU_NARI, false), "８三馬(82)");
    EXPECT_EQ(move_text(Move::board(2, 2, 2, 3), UPPER_HU_NARI, false), "８三と(82)");
    EXPECT_EQ(time_text(3, 3), "( 0:03/00:00:03)");
    EXPECT_EQ(time_text(3725, 36061), "(62:05/10:01:01)");
}

TEST(KifReader, ShiftJisFilesAreRead) {
    const std::string utf8 =
        "先手：あなた\n後手：コンピュータ LEVEL1\n1 ７六歩(77) ( 0:01/00:00:01)\n";
    const std::optional<std::string> sjis = utf8_to_cp932(utf8);
    ASSERT_TRUE(sjis);
    EXPECT_EQ(sjis->substr(0, 4), "\x90\xe6\x8e\xe8") << "先手 in Shift-JIS";
    TextProblem problem;
    const std::optional<std::string> text = decode_record(*sjis, "old.kif", problem);
    ASSERT_TRUE(text) << problem.text().japanese;
    EXPECT_EQ(*text, utf8);
    const KifResult read = read_kif(*text);
    ASSERT_TRUE(read.record) << read.problem.text().japanese;
    EXPECT_EQ(read.record->level, 1);

    EXPECT_FALSE(decode_record(*sjis, "new.kifu", problem)) << ".kifu is UTF-8 only";
    EXPECT_EQ(problem.line, 1);
    const std::string bom = "\xEF\xBB\xBF" + utf8;
    EXPECT_EQ(decode_record(bom, "x.kif", problem), utf8);
}

struct BadFile {
    std::string text;
    int line;
    std::string why;
};

TEST(KifReader, BadFilesAreRefusedWithTheLineAndWhy) {
    const std::string head = "先手：あなた\n後手：コンピュータ LEVEL1\n";
    const std::string rows =
        "+---------------------------+\n"
        "| ・ ・ ・ ・v玉 ・ ・ ・ ・|一\n"
        "| ・ ・ ・ ・ ・ ・ ・ ・ ・|二\n";
    const std::vector<BadFile> cases = {
        {head + "1 ７六歩(77)\n2 ７五歩(73)\n", 4,
         "2手目「７五歩(73)」: この局面では指せない手です"},
        {head + "1 ７六歩(77)\n3 ３四歩(33)\n", 4, "手数が続いていません（2手目のはず）"},
        {head + "1 ７六銀(77)\n", 3, "移動元にその駒がありません"},
        {head + "1 ７六歩\n", 3, "移動元「(77)」か「打」が必要です"},
        {head + "1 ５五歩打\n", 3, "1手目「５五歩打」: この局面では指せない手です"},
        {head + "1 ７六歩(77) (0:03)\n", 3, "消費時間が読めません"},
        {head + "1 ７六歩(77) ( 0:75/00:00:75)\n", 3, "消費時間が読めません"},
        {head + "1 ７六歩(77)\nまで2手で先手の勝ち\n", 4, "手数が指し手の数（1）と合いません"},
        {head + "1 ７六歩(77)\nまで1手で後手の勝ち\n", 4, "勝敗が指し手と合いません"},
        {head + "1 ７六歩(77)\nまで1手で引き分け\n", 4, "この終局には対応していません"},
        {head + "1 ７六歩(77)\nまで1手で先手の入玉負け\n", 4, "この終局には対応していません"},
        {head + "1 ７六歩(77)\nまで1手で時間切れにより先手の反則勝ち\n", 4,
         "この終局には対応していません"},
        {head + "1 ７六歩(77)\n2 中断\nまで1手で先手の勝ち\n", 5, "勝敗が指し手と合いません"},
        {head + "1 ７六歩(77)\n2 千日手\nまで1手で後手の勝ち\n", 5, "勝敗が指し手と合いません"},
        {head + "1 ７六歩(77)\n2 投了 (0:01)\n", 4, "消費時間が読めません"},
        {head + "1 ７六歩(77)\n2 詰み\n3 ３四歩(33)\n", 5, "終局の後に指し手があります"},
        {"手合割：香落ち\n1 ７六歩(77)\n", 2, "1手目「７六歩(77)」: この局面では指せない手です"},
        {"", 0, "棋譜がありません（指し手も盤面図もありません）"},
        {"\xEF\xBB\xBF", 0, "棋譜がありません（指し手も盤面図もありません）"},
        {"\xEF\xBB\xBF\n\n", 0, "棋譜がありません（指し手も盤面図もありません）"},
        {head, 0, "棋譜がありません（指し手も盤面図もありません）"},
        {"手合割：平手\n" + head + "手数----指手---------消費時間--\n", 0,
         "棋譜がありません（指し手も盤面図もありません）"},
        {head + "1 投了\n2 ７六歩(77)\n", 4, "終局の後に指し手があります"},
        {"開始日時：きのう\n", 1, "日時が読めません（2024/05/01 10:00:00 の形で書きます）"},
        {"手合割：九枚落ち\n1 ７六歩(77)\n", 1,
         "この手合割には対応していません（盤面図で書いて下さい）"},
        {head + "1 同　歩(77)\n", 3, "最初の指し手に「同」は使えません"},
        {"これは棋譜ではありません\n", 1, "読めない行です「これは棋譜ではありません」"},
        {head + rows + "| ・ ・ ・ ・ ・ ・ ・ ・|三\n", 6, "盤面の9列目の升が読めません"},
        {head + rows + "| ・ ・ ・ ・ ・ ・ ・ ・ ・|五\n", 6, "盤面の段の数字が三ではありません"},
        {head + rows + "+---------------------------+\n", 6, "盤面の段が9つありません"},
        {"先手の持駒：歩二十\n", 1, "持駒の数が多すぎます"},
        {"先手の持駒：歩　歩\n", 1, "持駒に同じ駒が二度書かれています"},
        {"後手の持駒：猫\n", 1, "持駒の駒の名前が読めません"},
        {std::string(2000, 'x') + "\n", 1, "行が長すぎます"},
    };
    for (const BadFile& c : cases) {
        const KifResult read = read_kif(c.text);
        ASSERT_FALSE(read.record) << c.text;
        EXPECT_EQ(read.problem.line, c.line) << c.text << read.problem.text().japanese;
        if (!c.why.empty()) {
            EXPECT_EQ(read.problem.why.japanese, c.why) << c.text;
        }
    }
    const TextProblem named{12, {"駒の名前が読めません", "the piece name cannot be read"}};
    EXPECT_EQ(named.text().japanese, "12行目: 駒の名前が読めません");
    EXPECT_EQ(named.text().english, "line 12: the piece name cannot be read");
}

// "同" names the square of the last move, its column and its row. Pieces only move onto empty
// squares, so a "同" move is never playable: the piece just moved still stands there. Read as
// any other square, each of these would be a legal pawn step (６四 and ２四).
TEST(KifReader, SameSquareIsTheLastMovesSquareAndIsTaken) {
    const std::string head = "先手：あなた\n後手：コンピュータ LEVEL1\n1 ６八銀(79)\n";
    for (const std::string pawn : {"同　歩(63)", "同　歩(23)", "同歩(63)"}) {
        const KifResult read = read_kif(head + "2 " + pawn + "\n");
        ASSERT_FALSE(read.record) << pawn;
        EXPECT_EQ(read.problem.line, 4);
        EXPECT_EQ(read.problem.why.japanese, "2手目「" + pawn + "」: この局面では指せない手です");
    }
    // After an upper move to ２四, read as ６八 this would be a gold's step.
    const std::string upper_last =
        "先手：あなた\n後手：コンピュータ LEVEL1\n1 ７六歩(77)\n2 ２四歩(23)\n";
    const KifResult after_upper = read_kif(upper_last + "3 同　金(69)\n");
    ASSERT_FALSE(after_upper.record);
    EXPECT_EQ(after_upper.problem.why.japanese, "3手目「同　金(69)」: この局面では指せない手です");
    ASSERT_TRUE(read_kif(upper_last + "3 ６八金(69)\n").record);
    EXPECT_TRUE(read_kif(head + "2 ６四歩(63)\n").record);
    EXPECT_TRUE(read_kif(head + "2 ２四歩(23)\n").record);
}

TEST(KifReader, StartPositionsThatCannotBeginAGameAreRefused) {
    std::string diagram = "+---------------------------+\n";
    for (int row = 1; row <= 9; ++row)
        diagram += std::string(row == 1   ? "| 歩 ・ ・ ・v玉 ・ ・ ・ ・|"
                               : row == 9 ? "| ・ ・ ・ ・ 玉 ・ ・ ・ ・|"
                                          : "| ・ ・ ・ ・ ・ ・ ・ ・ ・|") +
                   std::vector<std::string>{"",   "一", "二", "三", "四",
                                            "五", "六", "七", "八", "九"}[static_cast<std::size_t>(
                       row)] +
                   "\n";
    diagram += "+---------------------------+\n";
    KifResult read = read_kif(diagram + "1 ５八玉(59)\n");
    ASSERT_FALSE(read.record);
    EXPECT_EQ(read.problem.line, 12);
    EXPECT_EQ(read.problem.why.japanese, "開始局面: 動けない駒が盤上にあります");
    read = read_kif("先手の持駒：歩十八\n");
    ASSERT_FALSE(read.record);
    EXPECT_EQ(read.problem.why.japanese, "持駒はありますが盤面がありません");
}

}  // namespace
}  // namespace banzuri::records

#include <gtest/gtest.h>

#include "render/pictures.h"
#include "render/render_probe.h"
#include "rules/game_state.h"
#include "settings/backgrounds.h"

namespace banzuri {
namespace {

using testing::Probe;
using testing::X;
using testing::Y;

TEST(BoardView, EmptyBoardDrawsEightyOneSquaresWithOutlinesColumnByColumn) {
    Probe w;
    w.painter.描画_盤();
    const auto pictures = w.of_kind("picture");
    const auto boxes = w.of_kind("box");
    ASSERT_EQ(pictures.size(), 81u);
    ASSERT_EQ(boxes.size(), 81u);
    for (const auto& p : pictures)
        EXPECT_EQ(p.code, EMPTY);
    // Rows run inside columns: the second square drawn is (1, 2).
    EXPECT_EQ(w.log[0], "picture 0 1915 790");
    EXPECT_EQ(w.log[1], "box 2 1915 790 2530 1480");
    EXPECT_EQ(w.log[2], "picture 0 1915 1480");
    EXPECT_EQ(w.log.back(), "box 2 6835 6310 7450 7000");
}

TEST(BoardView, OccupiedSquareGetsPieceAndOutlineAfterTheEmptyPicture) {
    Probe w;
    初期配置(w.g);
    w.painter.描画_盤();
    EXPECT_EQ(std::vector<std::string>(w.log.begin(), w.log.begin() + 4),
              (testing::Log{"picture 0 1915 790", "picture 20 1915 790", "box 2 1915 790 2530 1480",
                            "box 2 1915 790 2530 1480"}));
    EXPECT_TRUE(w.has_picture(LOWER_SYA, 8, 8));
    EXPECT_TRUE(w.has_picture(UPPER_OU, 5, 1));
    EXPECT_TRUE(w.has_picture(LOWER_OU, 5, 9));
    EXPECT_EQ(w.of_kind("picture").size(), 81u + 40u);
}

TEST(BoardView, ReservedGoldPromotionShowsOnlyTheEmptySquare) {
    Probe w;
    w.g.set(4, 4, UPPER_KIN_NARI);
    w.g.set(6, 6, LOWER_KIN_NARI);
    w.painter.描画_盤();
    EXPECT_EQ(w.of_kind("picture").size(), 81u);
    EXPECT_EQ(w.of_kind("box").size(), 83u);
}

TEST(BoardView, GridOutlinesUseTheGridColour) {
    Probe w;
    w.painter.描画_将棋盤桝();
    const auto boxes = w.of_kind("box");
    ASSERT_EQ(boxes.size(), 81u);
    for (const auto& b : boxes)
        EXPECT_EQ(b.code, w.painter.grid_colour());
    EXPECT_EQ(w.log.size(), 81u);
}

TEST(BoardView, LowerHandShowsCountsAsTwoLayerNumbers) {
    Probe w;
    w.options.set_background(BG_TAKE);
    w.g.hand_own[KIND_HU] = 18;
    w.g.hand_own[KIND_SYA] = 1;
    w.painter.描画_自持盤();
    // Pawn slot in row 3: blank, tile of the count cell, outline, piece, outline, count.
    EXPECT_EQ(
        std::vector<std::string>(w.log.begin(), w.log.begin() + 5),
        (testing::Log{"picture 0 8065 2170", "picture 8 8680 2170", "box 2 8065 2170 8680 2860",
                      "picture -10 8065 2170", "box 2 8065 2170 8680 2860"}));
    const auto texts = w.layers();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_SHADOW_AT(texts[0], " 18", 12, 3.2, 14);
    EXPECT_TEXT_AT(texts[1], " 18", 12, 3.2, COLOUR_LIGHT_RED, 14);
    EXPECT_SHADOW_AT(texts[2], " 1", 12, 9.2, 14);
    EXPECT_TEXT_AT(texts[3], " 1", 12, 9.2, COLOUR_LIGHT_RED, 14);
    EXPECT_TRUE(w.has_picture(LOWER_SYA, 11, 9));
    // Empty slots keep the blank square and no number.
    for (int row = 4; row <= 8; ++row) {
        EXPECT_TRUE(w.has_picture(PIC_BLANK, 11, row));
        EXPECT_TRUE(w.has_picture(BG_TAKE, 12, row));
    }
    EXPECT_EQ(w.of_kind("picture").size(), 16u);
}

TEST(BoardView, UpperHandReadsRookToPawnDownwardsAndRestoresTheBoardEdge) {
    Probe w;
    w.g.hand_enemy[KIND_SYA] = 2;
    w.g.hand_enemy[KIND_HU] = 3;
    w.painter.描画_敵持盤();
    EXPECT_TRUE(w.has_picture(UPPER_SYA, -1, 1));
    EXPECT_TRUE(w.has_picture(UPPER_HU, -1, 7));
    EXPECT_FALSE(w.has_picture(UPPER_KIN, -1, 3));
    const auto texts = w.layers();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_SHADOW_AT(texts[0], " 2", 0, 1.2, 14);
    EXPECT_TEXT_AT(texts[1], " 2", 0, 1.2, COLOUR_LIGHT_RED, 14);
    EXPECT_TEXT_AT(texts[3], " 3", 0, 7.2, COLOUR_LIGHT_RED, 14);
    // Every row ends with the left edge of the board square beside the count cell.
    int edges = 0;
    for (std::size_t i = 0; i < w.log.size(); ++i)
        if (w.log[i].rfind("box 2 1915 ", 0) == 0) ++edges;
    EXPECT_EQ(edges, 7);
    EXPECT_EQ(w.log.back(), "box 2 1915 4930 2530 5620");
}

TEST(BoardView, BackgroundTilesEveryCellOutsideTheBoard) {
    Probe w;
    w.painter.描画_背景(BG_RENGA);
    const auto pictures = w.of_kind("picture");
    ASSERT_EQ(pictures.size(), 303u);
    for (const auto& p : pictures) {
        EXPECT_EQ(p.code, BG_RENGA);
        const double gx = (p.x - 1300) / 615;
        const double gy = (p.y - 100) / 690;
        EXPECT_TRUE(gx < 1 || gx > 9 || gy < 1 || gy > 9) << gx << "," << gy;
    }
    EXPECT_TRUE(w.has_picture(BG_RENGA, -3, -2));
    EXPECT_TRUE(w.has_picture(BG_RENGA, 20, 13));
    EXPECT_TRUE(w.has_picture(BG_RENGA, 11, 3));  // the hand slots are painted over
    EXPECT_FALSE(w.has_picture(BG_RENGA, 5, 5));
}

TEST(ScreenRedraw, PlainGameDrawsNoLevelNoHandicapAndNoClocks) {
    Probe w;
    初期配置(w.g);
    w.painter.画面_再描画();
    for (const auto& t : w.of_kind("text")) {
        EXPECT_NE(t.text, "LEVEL");
        EXPECT_EQ(t.text.find("ﾊﾝﾃﾞｨｷｬｯﾌﾟ"), std::string::npos);
        EXPECT_EQ(t.text.find(':'), std::string::npos);
    }
    // Background first, the title banner last.
    EXPECT_EQ(w.log.front(), "picture 6 -545 -1280");
    EXPECT_EQ(w.log.back(), "picture 5 8065 100");
    // Labels: 9 file numbers and 9 rank numerals, each with its shadow.
    EXPECT_EQ(w.layers().size(), 36u);
    EXPECT_TRUE(w.painter.font_bold());
}

TEST(ScreenRedraw, ComputerGameWithHandicapAndClocksShowsThemAllBeforeTheTitle) {
    Probe w;
    初期配置(w.g);
    w.g.game_mode = MODE_COM;
    w.g.level = 2;
    w.view.handicap_shown = true;
    w.g.handicap_level = -10;
    w.g.time_lower = 65;
    w.g.time_upper = 3600;
    w.options.set_elapsed(true);
    w.painter.画面_再描画();
    std::vector<std::string> texts;
    for (const auto& t : w.layers())
        if (t.text.find(':') != std::string::npos || t.text == "LEVEL" ||
            (t.text == " 2" && testing::near(t.x, X(-0.5))) ||
            t.text.find("ﾊﾝﾃﾞｨｷｬｯﾌﾟ") != std::string::npos)
            texts.push_back(t.text);
    EXPECT_EQ(texts,
              (std::vector<std::string>{"01:00:00", "01:00:00", "00:01:05", "00:01:05", "LEVEL",
                                        " 2", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"}));
    EXPECT_EQ(w.log.back(), "picture 5 8065 100");
}

}  // namespace
}  // namespace banzuri

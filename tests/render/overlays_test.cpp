#include <gtest/gtest.h>

#include "render/pictures.h"
#include "render/render_probe.h"
#include "rules/game_state.h"
#include "rules/movement.h"

namespace banzuri {
namespace {

using testing::Probe;
using testing::X;
using testing::Y;

// The label's row and the banner's row under the banner, tiled afresh, and the banner.
const testing::Log kHandicapPlace = {
    "picture 6 8065 790",  "picture 6 8680 790",  "picture 6 9295 790", "picture 6 9910 790",
    "picture 6 10525 790", "picture 6 8065 100",  "picture 6 8680 100", "picture 6 9295 100",
    "picture 6 9910 100",  "picture 6 10525 100", "picture 5 8065 100"};

TEST(SquareNumbers, FilesCountFromTheRightAndRanksInKanjiAllBold) {
    Probe w;
    EXPECT_FALSE(w.painter.font_bold());
    w.painter.描画_桝_数値();
    const auto texts = w.layers();
    ASSERT_EQ(texts.size(), 36u);
    EXPECT_SHADOW_AT(texts[0], " 9", 1.1, 0.4, 16);
    EXPECT_TEXT_AT(texts[1], " 9", 1.1, 0.4, COLOUR_LIGHT_YELLOW, 16);
    EXPECT_SHADOW_AT(texts[2], "一", 10.1, 1.3, 12);
    EXPECT_TEXT_AT(texts[3], "一", 10.1, 1.3, COLOUR_LIGHT_YELLOW, 12);
    EXPECT_TEXT_AT(texts[33], " 1", 9.1, 0.4, COLOUR_LIGHT_YELLOW, 16);
    EXPECT_TEXT_AT(texts[35], "九", 10.1, 9.3, COLOUR_LIGHT_YELLOW, 12);
    for (const auto& t : texts)
        EXPECT_TRUE(t.bold);
    EXPECT_TRUE(w.painter.font_bold());
    // The tile beside each row covers the board's right edge, which is drawn again.
    EXPECT_EQ(w.of_kind("box").size(), 9u);
    EXPECT_EQ(w.log.back(), "box 2 6835 6310 7450 7000");
}

TEST(MoveNumber, EndsAtAboutTheSamePlaceWhateverItsDigits) {
    for (auto [number, front] : {std::pair{9, 13.2}, {10, 13.1}, {99, 13.1}, {100, 13.0}}) {
        Probe w;
        w.painter.描画_手数(number, COLOUR_LIGHT_RED);
        EXPECT_EQ(
            std::vector<std::string>(w.log.begin(), w.log.begin() + 5),
            (testing::Log{"picture 6 9295 2170", "picture 6 9910 2170", "picture 6 10525 2170",
                          "picture 6 11140 2170", "box 2 8065 2170 8680 2860"}));
        const auto texts = w.layers();
        ASSERT_EQ(texts.size(), 4u);
        const std::string digits = std::string(" ").append(std::to_string(number));
        EXPECT_SHADOW_AT(texts[0], digits, front, 3.3, 12);
        EXPECT_TEXT_AT(texts[1], digits, front, 3.3, COLOUR_WHITE, 12);
        EXPECT_EQ(texts[2].text, "手目");
        EXPECT_EQ(texts[2].kind, "shadow");
        EXPECT_NEAR(texts[2].x, X(13.8) + 120, 0.01);
        EXPECT_NEAR(texts[2].y, Y(3.1) + 160, 0.01);
        EXPECT_NEAR(texts[3].x, X(13.8) + 120, 0.01);
        EXPECT_EQ(texts[3].code, COLOUR_WHITE);  // the caller's colour is not used
        EXPECT_EQ(texts[3].size, 10);
    }
}

TEST(LevelAndHandicap, LevelIsOneLayerAndHandicapLabelsFollowTheLadder) {
    Probe w;
    w.painter.描画_レベル(3);
    auto texts = w.of_kind("text");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_TEXT_AT(texts[0], "LEVEL", -1.5, 0.1, COLOUR_WHITE, 10);
    EXPECT_TEXT_AT(texts[1], " 3", -0.5, 0, COLOUR_WHITE, 12);
    // The cells of "LEVEL" and the digit are cleared first: a new level is never drawn over
    // the old one.
    EXPECT_EQ(w.log.front(), "picture 6 70 100");
    EXPECT_EQ(w.of_kind("picture").size(), 2u);

    w.clear();
    w.painter.描画_ハンデレベル(-10);
    ASSERT_EQ(w.log.size(), 13u);
    // The label is about two and a half cells wide: its whole row is tiled first, and the
    // banner above goes back on fresh tiles.
    EXPECT_EQ(std::vector<std::string>(w.log.begin(), w.log.begin() + 11), kHandicapPlace);
    texts = w.layers();
    EXPECT_EQ(texts[0].kind, "shadow");
    EXPECT_EQ(texts[0].text, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人");
    EXPECT_NEAR(texts[0].x, X(11) + 120, 0.01);
    EXPECT_NEAR(texts[0].y, Y(1) + 160, 0.01);
    EXPECT_NEAR(texts[1].x, X(11) + 120, 0.01);
    EXPECT_EQ(texts[1].code, COLOUR_WHITE);

    w.clear();
    w.painter.描画_ハンデレベル(10);
    EXPECT_EQ(w.of_kind("text")[0].text, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級");
    w.clear();
    w.painter.描画_ハンデレベル(11);
    EXPECT_EQ(w.log, kHandicapPlace);
}

TEST(Clocks, DrawNothingWhileElapsedTimeIsUnchecked) {
    Probe w;
    w.painter.描画_所有時間(w.g.lower_order, 65);
    w.painter.描画_所有時間(w.g.upper_order, 65);
    EXPECT_TRUE(w.log.empty());
}

TEST(Clocks, EachSideErasesItsPlaceThenDrawsTwoLayers) {
    Probe w;
    w.options.set_elapsed(true);
    w.painter.描画_所有時間(w.g.lower_order, 3725);
    EXPECT_EQ(std::vector<std::string>(w.log.begin(), w.log.begin() + 3),
              (testing::Log{"picture 6 9295 6310", "picture 6 9910 6310", "picture 6 10525 6310"}));
    auto texts = w.layers();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_SHADOW_AT(texts[0], "01:02:05", 13, 9.2, 12);
    EXPECT_TEXT_AT(texts[1], "01:02:05", 13, 9.2, COLOUR_WHITE, 12);

    w.clear();
    w.painter.描画_所有時間(w.g.upper_order, 0);
    EXPECT_EQ(std::vector<std::string>(w.log.begin(), w.log.begin() + 3),
              (testing::Log{"picture 6 70 6310", "picture 6 685 6310", "picture 6 1300 6310"}));
    texts = w.layers();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_SHADOW_AT(texts[0], "00:00:00", -1.6, 9.2, 12);
    EXPECT_TEXT_AT(texts[1], "00:00:00", -1.6, 9.2, COLOUR_WHITE, 12);
    EXPECT_EQ(w.log.back(), "box 2 1915 6310 2530 7000");

    w.clear();
    w.painter.描画_所有時間(TURN_NONE, 10);  // no side: erased nowhere, drawn nowhere
    EXPECT_TRUE(w.log.empty());
}

TEST(MoveText, LowerSidesMoveAppearsAtTheUpperRight) {
    Probe w;
    w.painter.描画_移動結果(w.g.lower_order, 7, 6, LOWER_HU, w.painter.text_colour());
    EXPECT_EQ(std::vector<std::string>(w.log.begin(), w.log.begin() + 3),
              (testing::Log{"picture 6 8680 1480", "picture 6 9295 1480", "picture 6 9910 1480"}));
    const auto texts = w.layers();
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_SHADOW_AT(texts[0], "３", 12.4, 2.4, 12);
    EXPECT_TEXT_AT(texts[1], "３", 12.4, 2.4, COLOUR_WHITE, 12);
    EXPECT_SHADOW_AT(texts[2], "六", 12.8, 2.4, 12);
    EXPECT_TEXT_AT(texts[3], "六", 12.8, 2.4, COLOUR_WHITE, 12);
    EXPECT_SHADOW_AT(texts[4], "歩", 13.4, 2.4, 12);
    EXPECT_TEXT_AT(texts[5], "歩", 13.4, 2.4, COLOUR_WHITE, 12);
    EXPECT_EQ(w.of_kind("box").size(), 0u);
}

TEST(MoveText, UpperSidesMoveAppearsAtTheLowerLeftAndMendsTheBoardEdge) {
    Probe w;
    w.painter.描画_移動結果(w.g.upper_order, 1, 9, UPPER_SYA_NARI, COLOUR_LIGHT_YELLOW);
    // The file digit starts inside cell -2: the three cells go first.
    EXPECT_EQ(std::vector<std::string>(w.log.begin(), w.log.begin() + 5),
              (testing::Log{"picture 6 70 5620", "picture 6 685 5620", "picture 6 1300 5620",
                            "box 2 685 4930 1300 5620", "box 2 1915 5620 2530 6310"}));
    const auto texts = w.layers();
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_SHADOW_AT(texts[0], "９", -1.6, 8.4, 12);
    EXPECT_TEXT_AT(texts[1], "９", -1.6, 8.4, COLOUR_LIGHT_YELLOW, 12);
    EXPECT_TEXT_AT(texts[3], "九", -1.2, 8.4, COLOUR_LIGHT_YELLOW, 12);
    EXPECT_TEXT_AT(texts[5], "飛成", -0.6, 8.4, COLOUR_LIGHT_YELLOW, 12);
    EXPECT_EQ(w.log.back(), "box 2 1915 5620 2530 6310");
}

TEST(MoveText, UnknownSideDrawsNothing) {
    Probe w;
    w.painter.描画_移動結果(TURN_NONE, 7, 6, LOWER_HU, COLOUR_WHITE);
    EXPECT_TRUE(w.log.empty());
}

TEST(ThinkingLabel, ErasedByTheTilesOfBothCellsItCoversAndTheHandSlotEdge) {
    Probe w;
    w.painter.消去_思考中();
    EXPECT_EQ(w.log, (testing::Log{"picture 6 70 5620", "picture 6 685 5620",
                                   "box 2 685 4930 1300 5620"}));
}

TEST(Reach, GuidanceOffOnlyRedrawsTheEightyOneOutlines) {
    Probe w;
    初期配置(w.g);
    w.options.set_guidance(OFF);
    w.painter.描画_移動可能桝色(5, 7, COLOUR_WHITE, LOWER_HU);
    const auto boxes = w.of_kind("box");
    ASSERT_EQ(boxes.size(), 81u);
    for (const auto& b : boxes)
        EXPECT_EQ(b.code, w.painter.grid_colour());
    EXPECT_EQ(w.log.size(), 81u);
}

TEST(Reach, GuidanceOnOutlinesEveryLegalDestinationAfterTheGrid) {
    Probe w;
    初期配置(w.g);
    w.options.set_guidance(ON);
    w.painter.描画_移動可能桝色(5, 7, COLOUR_MARK_GUIDANCE, LOWER_HU);
    ASSERT_EQ(w.log.size(), 81u + MARK_LINES);  // a mark: three outlines one pixel apart
    EXPECT_EQ(w.log[81], "box 1 4405 4270 4960 4900");
    EXPECT_EQ(w.log[82], "box 1 4390 4255 4975 4915");
    EXPECT_EQ(w.log.back(), "box 1 4375 4240 4990 4930");  // square (5, 6), its outer line last

    w.clear();
    w.painter.描画_移動可能桝色(2, 8, COLOUR_WHITE, LOWER_KAKU);  // boxed in by its own pawns
    // Only the marked square (5, 6) is given its picture back before its grid outline.
    EXPECT_EQ(w.log.size(), 82u);
    EXPECT_EQ(w.of_kind("picture").size(), 1u);
}

TEST(Reach, DropsFromTheHandAskTheRules) {
    Probe w;
    w.options.set_guidance(ON);
    w.painter.描画_移動可能桝色(HAND_LOWER_COLUMN, 3 + 3, COLOUR_MARK_GUIDANCE, LOWER_GIN);
    EXPECT_EQ(w.of_kind("box").size(),
              81u + 81u * MARK_LINES);  // a silver may be dropped anywhere empty

    // The upper hand's pawn slot: never onto the last row, never beside a pawn of its own.
    w.clear();
    w.g.set(5, 2, UPPER_HU);
    調査_2歩フラグ設定(w.g);
    w.painter.描画_移動可能桝色(HAND_UPPER_COLUMN, 8 - KIND_HU, COLOUR_MARK_GUIDANCE, UPPER_HU);
    // The grid outlines give back the pictures under the silver's marks first.
    EXPECT_EQ(w.of_kind("box").size(), 81u + (81u - 9u - 8u) * MARK_LINES);

    // The hand slots are drops of their kind for the rules; a square stays a square.
    EXPECT_EQ(rules_source(HAND_LOWER_COLUMN, KIND_GIN + 2), (Square{DROP_COLUMN, KIND_GIN}));
    EXPECT_EQ(rules_source(HAND_UPPER_COLUMN, 8 - KIND_SYA), (Square{DROP_COLUMN, KIND_SYA}));
    EXPECT_EQ(rules_source(4, 7), (Square{4, 7}));
}

TEST(Blink, AFrameShowsThePieceOrNothingOutlinedAtOnce) {
    Probe w;
    w.painter.blink_frame(PIC_BLANK, 4, 1);
    w.painter.blink_frame(UPPER_KIN, 4, 1);
    EXPECT_EQ(w.log, (testing::Log{"picture 0 3760 790", "box 2 3760 790 4375 1480", "refresh",
                                   "picture 110 3760 790", "box 2 3760 790 4375 1480", "refresh"}));
}

TEST(Blink, GuidanceAddsTheMarkOfThePiecePickedUp) {
    Probe w;
    w.options.set_guidance(true);
    w.painter.blink_frame(UPPER_KIN, HAND_UPPER_COLUMN, 3);
    EXPECT_EQ(w.log, (testing::Log{"picture 110 685 2170", "box 2 685 2170 1300 2860",
                                   "box 4 715 2200 1270 2830", "box 4 700 2185 1285 2845",
                                   "box 4 685 2170 1300 2860", "refresh"}));
}

TEST(StripBelowTheBoard, LabelsThenTilesWithTheBottomEdgeRestored) {
    Probe w;
    w.painter.描画_棋譜読込み部分消去();
    const std::size_t labels = 9 * 2 + 36 + 9;  // tiles, texts, right-edge outlines
    ASSERT_EQ(w.log.size(), labels + 2 + 18);
    EXPECT_EQ(w.log[labels], "picture 6 685 7000");
    EXPECT_EQ(w.log[labels + 1], "picture 6 1300 7000");
    EXPECT_EQ(w.log[labels + 2], "picture 6 1915 7000");
    EXPECT_EQ(w.log[labels + 3], "box 2 1915 6310 2530 7000");
    EXPECT_EQ(w.log.back(), "box 2 6835 6310 7450 7000");
}

}  // namespace
}  // namespace banzuri

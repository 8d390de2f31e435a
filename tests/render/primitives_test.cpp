#include <gtest/gtest.h>

#include "render/labels.h"
#include "render/render_probe.h"

namespace banzuri {
namespace {

using testing::FakeWindow;

TEST(Primitives, PicturesLandOnTheirGridCornerInTwips) {
    FakeWindow w;
    w.painter.描画_絵(UPPER_KAKU_NARI, 8, 2);
    EXPECT_EQ(w.log.back(), "picture 801 6220 1480");
}

TEST(Primitives, CodesWithoutAPictureDrawNothing) {
    FakeWindow w;
    for (int code : {111, -111, 13, 10000, 10, 11})
        w.painter.描画_絵(code, 1, 1);
    EXPECT_EQ(w.log, (testing::Log{"picture 10 1915 790", "picture 11 1915 790"}));
}

TEST(Primitives, OutlinesAndFilledRectangles) {
    FakeWindow w;
    w.painter.描画_桝輪郭(2, -1, 7);
    w.painter.描画_四角形(12, 3, 490, 500, 2);
    EXPECT_EQ(w.log, (testing::Log{"box 2 685 4930 1300 5620", "fill 2 8680 2170 9170 2670"}));
}

TEST(Primitives, NumbersPrintWithALeadingBlankOrAsKanji) {
    FakeWindow w;
    w.painter.描画_数値(0, 0, 7, 15, 0, 12);
    w.painter.描画_数値(0, 0, 0, 15, 1, 12);
    w.painter.描画_数値(0, 0, 10, 15, 1, 12);
    w.painter.描画_数値(0, 0, 3, 14, 1, 16);
    w.painter.描画_数値(1, 1, "思考中", 0, 0, 12);
    EXPECT_EQ(w.log, (testing::Log{"text \" 7\" 1300 100 c15 s12", "text \"三\" 1300 100 c14 s16",
                                   "text \"思考中\" 1915 790 c0 s12"}));
}

TEST(Primitives, NegativeNumbersPrintTheirSignInsteadOfTheBlank) {
    FakeWindow w;
    w.painter.描画_数値(0, 0, -5, 15, 0, 12);
    w.painter.描画_数値(0, 0, 0, 15, 0, 12);
    EXPECT_EQ(w.log,
              (testing::Log{"text \"-5\" 1300 100 c15 s12", "text \" 0\" 1300 100 c15 s12"}));
}

TEST(Primitives, LabelsAreOffsetInsideTheirCell) {
    FakeWindow w;
    w.painter.描画_文字列(11, 1, 0, 15, 10);
    w.painter.描画_文字列(11, 1, 11, 15, 10);
    w.painter.描画_文字列(11, 1, -11, 15, 10);
    w.painter.描画_文字列(13.8, 3.1, 99, 15, 10);
    ASSERT_EQ(w.log.size(), 2u);
    EXPECT_EQ(w.log[0], "text \"ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級\" 8185 950 c15 s10");
    EXPECT_EQ(w.log[1], "text \"手目\" 9907 2399 c15 s10");
}

TEST(TextConversion, DigitsNumeralsAndPieceNames) {
    EXPECT_EQ(文字列変換(3), "３");
    EXPECT_EQ(文字列変換(1006), "六");
    EXPECT_EQ(文字列変換(-901), "飛成");
    EXPECT_EQ(文字列変換(901), "飛成");
    EXPECT_EQ(文字列変換(10), "歩");
    EXPECT_EQ(文字列変換(1000), "");
    EXPECT_EQ(文字列変換(-11), "と");
    EXPECT_EQ(文字列変換(111), "");
    EXPECT_EQ(label_text(-10), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人");
    EXPECT_EQ(label_text(8), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級");
    EXPECT_EQ(label_text(11), "");
}

}  // namespace
}  // namespace banzuri

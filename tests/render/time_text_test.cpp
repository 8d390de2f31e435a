#include "render/time_text.h"

#include <gtest/gtest.h>

namespace banzuri {
namespace {

TEST(ClockText, FormatsHoursMinutesAndWholeSeconds) {
    EXPECT_EQ(調査_時間秒追加結果(59.9), "00:00:59");
    EXPECT_EQ(調査_時間秒追加結果(60), "00:01:00");
    EXPECT_EQ(調査_時間秒追加結果(3600), "01:00:00");
    EXPECT_EQ(調査_時間秒追加結果(3725.4), "01:02:05");
    EXPECT_EQ(調査_時間秒追加結果(0), "00:00:00");
    EXPECT_EQ(調査_時間秒追加結果(100 * 3600 + 61), ":01:01") << "100 hours: empty hour field";
}

TEST(ClockText, TwoDigitFields) {
    EXPECT_EQ(変換_数字から文字(0), "00");
    EXPECT_EQ(変換_数字から文字(7), "07");
    EXPECT_EQ(変換_数字から文字(42), "42");
    EXPECT_EQ(変換_数字から文字(100), "");
}

TEST(ElapsedSeconds, CrossesMidnight) {
    EXPECT_DOUBLE_EQ(調査_経過秒(10, 12.5), 2.5);
    EXPECT_DOUBLE_EQ(調査_経過秒(86399.5, 1.5), 2.0);
    EXPECT_DOUBLE_EQ(調査_経過秒(5, 5), 0.0);
}

}  // namespace
}  // namespace banzuri

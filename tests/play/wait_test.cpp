#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/recording_platform.h"

namespace banzuri {
namespace {

TEST(Wait, SleepsForTheWholeDurationEvenAcrossMidnight) {
    testing::FakeWindow w;
    w.clock.now = 86399.95;
    w.待ち時間(0.15);
    EXPECT_EQ(w.lines("sleep"), std::vector<std::string>{"sleep 0.15"});
    EXPECT_NEAR(w.clock.now, 0.1, 1e-9);
}

}  // namespace
}  // namespace banzuri

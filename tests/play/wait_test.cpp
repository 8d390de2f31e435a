#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/recording_fakes.h"
#include "play/pacing.h"

namespace banzuri {
namespace {

TEST(Wait, SleepsForTheWholeDurationEvenAcrossMidnight) {
    testing::Log log;
    testing::FakeClock clock{log};
    clock.now = 86399.95;
    待ち時間(clock, 0.15);
    EXPECT_EQ(log, std::vector<std::string>{"sleep 0.15"});
    EXPECT_NEAR(clock.now, 0.1, 1e-9);
}

}  // namespace
}  // namespace banzuri

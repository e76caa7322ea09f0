#include "protocol/gtp/GtpTimeControl.h"

#include <gtest/gtest.h>

#include "engine/Board.h"

namespace flipstone::protocol {
namespace {

constexpr double kMoveSeconds = 1000;
// What each move costs beyond its budget: the pipes, the start of the search.
constexpr double kOverhead = 0.01;

TEST(GtpTimeControlTest, AGameOnTheClockNeverRunsOutOfTime) {
    for (const double mainTime : {1.0, 10.0, 60.0, 300.0}) {
        GtpTimeControl clock(kMoveSeconds);
        clock.SetTimeSettings(mainTime, 0, 0);
        double left = mainTime;
        for (int empties = 60; empties > 0; empties -= 2) {
            clock.SetTimeLeft(kWhite, left, 0);
            const double budget = clock.MoveBudget(kWhite, empties);
            EXPECT_LT(budget, left / 2) << mainTime << " s, " << empties << " empty";
            left -= budget + kOverhead;
        }
        EXPECT_GT(left, 0) << mainTime;
    }
}

TEST(GtpTimeControlTest, AClockOverridesTheMoveTime) {
    GtpTimeControl clock(1.0);
    clock.SetTimeSettings(300, 0, 0);
    EXPECT_GT(clock.MoveBudget(kBlack, 60), 5.0);
}

TEST(GtpTimeControlTest, ByoYomiSharesItsPeriodAndNoLimitKeepsTheMoveTime) {
    GtpTimeControl clock(kMoveSeconds);
    EXPECT_EQ(clock.MoveBudget(kBlack, 40), kMoveSeconds);
    clock.SetTimeSettings(0, 10, 5);
    EXPECT_LE(clock.MoveBudget(kBlack, 40), 2.0);
    clock.SetTimeLeft(kBlack, 4, 4);
    EXPECT_LE(clock.MoveBudget(kBlack, 40), 1.0);
    clock.SetTimeSettings(0, 1, 0);  // GTP's "no time limit"
    EXPECT_EQ(clock.MoveBudget(kBlack, 40), kMoveSeconds);
}

}  // namespace
}  // namespace flipstone::protocol

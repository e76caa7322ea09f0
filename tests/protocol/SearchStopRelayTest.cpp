#include "protocol/SearchStopRelay.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "protocol/StrongPlayer.h"

namespace flipstone::protocol {
namespace {

struct FlagSignal : StopSignal {
    bool StopRequested() const override { return raised.load(); }
    std::atomic<bool> raised{false};
};

// Ten minutes of hint end at once, every opening move valued, when asked before or meanwhile.
TEST(SearchStopRelayTest, AStopAskedBeforeOrWhileTheMovesAreValuedEndsIt) {
    StrongPlayer player(1);
    for (const bool before : {true, false}) {
        FlagSignal stop;
        stop.raised = before;
        std::jthread asker([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            stop.raised = true;
        });
        const auto began = std::chrono::steady_clock::now();
        const std::vector<MoveChoice> values = player.ValueEveryMove(Position::Start(), 600, stop);
        EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(60)) << before;
        ASSERT_EQ(values.size(), 4u);
        EXPECT_TRUE(values.back().value.has_value());
    }
}

}  // namespace
}  // namespace flipstone::protocol

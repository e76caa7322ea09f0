#include "protocol/ChildProcess.h"

#include <gtest/gtest.h>

#include <string>

namespace flipstone::protocol {
namespace {

EngineChannel::Clock::time_point InSeconds(int seconds) {
    return EngineChannel::Clock::now() + std::chrono::seconds(seconds);
}

TEST(ChildProcessTest, AnEngineThatExitsMakesSendFailWithoutASignal) {
    ChildProcess engine("exit 0");
    EXPECT_EQ(engine.ReadLine(InSeconds(10)).status, LineStatus::kClosed);
    EXPECT_FALSE(engine.Send(std::string(1 << 20, 'x')));
    EXPECT_FALSE(engine.Send("name"));
}

TEST(ChildProcessTest, ALineLongerThan64KiBIsReportedAndSkipped) {
    ChildProcess engine("head -c 70000 /dev/zero | tr '\\0' x; echo; echo = ok");
    EXPECT_EQ(engine.ReadLine(InSeconds(10)).status, LineStatus::kTooLong);
    const ChannelLine line = engine.ReadLine(InSeconds(10));
    EXPECT_EQ(line.status, LineStatus::kLine);
    EXPECT_EQ(line.text, "= ok");
    EXPECT_EQ(engine.ReadLine(InSeconds(10)).status, LineStatus::kClosed);
}

}  // namespace
}  // namespace flipstone::protocol

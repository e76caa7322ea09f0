#pragma once

#include <chrono>
#include <string>

namespace flipstone::protocol {

// How a line from an engine came, or why none did.
enum class LineStatus { kLine, kClosed, kTimedOut, kTooLong };

struct ChannelLine {
    LineStatus status = LineStatus::kClosed;
    std::string text;
};

// The lines between the referee and one engine, whatever runs the engine.
class EngineChannel {
public:
    using Clock = std::chrono::steady_clock;

    virtual ~EngineChannel() = default;

    // Writes one line to the engine; false when the engine no longer reads.
    virtual bool Send(const std::string& line) = 0;
    // The engine's next line, waiting for it until `deadline` at most.
    virtual ChannelLine ReadLine(Clock::time_point deadline) = 0;
};

}  // namespace flipstone::protocol

#pragma once

#include <deque>
#include <functional>
#include <string>

#include "protocol/EngineChannel.h"

namespace flipstone::testing {

// An engine inside the test program: each line sent is answered at once, and the reply's lines
// are read back. An engine that answers nothing leaves the reader waiting in vain (timed out);
// one told to end after some lines is closed from then on.
class InProcessChannel : public protocol::EngineChannel {
public:
    using Answer = std::function<std::string(const std::string& line)>;

    explicit InProcessChannel(Answer answer) : answer_(std::move(answer)) {}

    bool Send(const std::string& line) override;
    protocol::ChannelLine ReadLine(Clock::time_point deadline) override;
    // The engine ends once it has read `lines` more lines.
    void EndAfter(int lines) { linesLeft_ = lines; }

private:
    Answer answer_;
    std::deque<std::string> lines_;
    int linesLeft_ = -1;
};

}  // namespace flipstone::testing

#include "support/InProcessChannel.h"

#include <sstream>

namespace flipstone::testing {

bool InProcessChannel::Send(const std::string& line) {
    if (linesLeft_ == 0) {
        return false;
    }
    linesLeft_ -= linesLeft_ > 0 ? 1 : 0;
    std::istringstream reply(answer_(line));
    for (std::string text; std::getline(reply, text);) {
        lines_.push_back(text);
    }
    return true;
}

protocol::ChannelLine InProcessChannel::ReadLine(Clock::time_point) {
    if (lines_.empty()) {
        return {linesLeft_ == 0 ? protocol::LineStatus::kClosed : protocol::LineStatus::kTimedOut,
                ""};
    }
    const std::string line = lines_.front();
    lines_.pop_front();
    return {protocol::LineStatus::kLine, line};
}

}  // namespace flipstone::testing

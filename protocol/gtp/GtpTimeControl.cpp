#include "protocol/gtp/GtpTimeControl.h"

#include <algorithm>

#include "engine/Board.h"

namespace flipstone::protocol {

namespace {

// Kept back on every move for the pipes and the start of the search.
constexpr double kLatencySeconds = 0.05;
// The share of an even split of the time left that a move may take.
constexpr double kSafeShare = 0.8;
constexpr double kShortestMove = 0.01;

int ClockIndex(std::uint8_t colour) {
    return colour == kBlack ? 0 : 1;
}

}  // namespace

void GtpTimeControl::SetTimeSettings(double mainTime, double byoYomi, int stones) {
    mainTime_ = std::max(mainTime, 0.0);
    byoYomi_ = std::max(byoYomi, 0.0);
    stones_ = std::max(stones, 0);
    // Byo-yomi time without stones is GTP's way of saying there is no limit.
    limited_ = !(byoYomi_ > 0 && stones_ == 0) && (mainTime_ > 0 || byoYomi_ > 0);
    left_[0] = left_[1] = ClockLeft{};
}

void GtpTimeControl::SetTimeLeft(std::uint8_t colour, double seconds, int stones) {
    left_[ClockIndex(colour)] = {std::max(seconds, 0.0), std::max(stones, 0), true};
}

double GtpTimeControl::ClockBudget(const ClockLeft& clock, int empties) const {
    if (clock.stones > 0) {
        return clock.seconds / clock.stones * kSafeShare;
    }
    const int ownMovesLeft = std::max(1, (empties + 1) / 2);
    const double byoYomiPerMove = stones_ > 0 ? byoYomi_ / stones_ : 0.0;
    return clock.seconds / (ownMovesLeft + 1) * kSafeShare + byoYomiPerMove * kSafeShare;
}

double GtpTimeControl::MoveBudget(std::uint8_t colour, int empties) const {
    const ClockLeft& told = left_[ClockIndex(colour)];
    if (!limited_ && !told.known) {
        return moveSeconds_;
    }
    const ClockLeft clock = told.known ? told : ClockLeft{mainTime_, 0, true};
    return std::max(ClockBudget(clock, empties) - kLatencySeconds, kShortestMove);
}

}  // namespace flipstone::protocol

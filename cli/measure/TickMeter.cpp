#include "cli/measure/TickMeter.h"

#include <algorithm>
#include <cmath>
#include <thread>

#include "game/CFlipstoneDoc.h"

namespace flipstone::cli {

namespace {

double MillisecondsBetween(TickMeter::Clock::time_point start, TickMeter::Clock::time_point end) {
    return std::chrono::duration<double, std::milli>(end - start).count();
}

}  // namespace

TickMeter::TickMeter(std::chrono::milliseconds period) : period_(period) {}

void TickMeter::Start(const CFlipstoneDoc& document) {
    nextTick_ = Clock::now() + period_;
    computerMoving_ = document.sideToMove == kComputerSide;
    moveStart_ = Clock::now();
}

void TickMeter::WaitForTick() {
    std::this_thread::sleep_until(nextTick_);
    const Clock::time_point now = Clock::now();
    nextTick_ += period_;
    if (nextTick_ < now) {
        nextTick_ = now + period_;
    }
}

void TickMeter::Step(CFlipstoneDoc& document) {
    WaitForTick();
    const int sideBefore = document.sideToMove;
    const int movesBefore = document.moveCount;
    const Clock::time_point start = Clock::now();
    document.TurnStep();
    const Clock::time_point end = Clock::now();

    ++figures_.ticks;
    figures_.longestStepMs = std::max(figures_.longestStepMs, MillisecondsBetween(start, end));
    waitingTicks_ = document.StepWaited() ? waitingTicks_ + 1 : 0;
    figures_.longestWaitTicks = std::max(figures_.longestWaitTicks, waitingTicks_);

    if (sideBefore != kComputerSide && document.sideToMove == kComputerSide) {
        computerMoving_ = true;
        moveStart_ = end;
    } else if (computerMoving_ && document.moveCount != movesBefore) {
        computerMoving_ = false;
        const double moveMs = MillisecondsBetween(moveStart_, end);
        figures_.longestMoveMs = std::max(figures_.longestMoveMs, moveMs);
        const auto periods =
            static_cast<std::int64_t>(std::ceil(moveMs / static_cast<double>(period_.count())));
        figures_.longestMoveTicks = std::max(figures_.longestMoveTicks, periods);
    } else if (document.sideToMove != kComputerSide) {
        computerMoving_ = false;  // the computer passed
    }
}

}  // namespace flipstone::cli

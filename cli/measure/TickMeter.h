#pragma once

#include <chrono>
#include <cstdint>

namespace flipstone {
class CFlipstoneDoc;
}  // namespace flipstone

namespace flipstone::cli {

// What stepping a game on the window's timer showed.
struct TickFigures {
    std::int64_t ticks = 0;
    // The longest single step: the longest the window's thread is busy at once.
    double longestStepMs = 0;
    // The most steps in a row whose root move was not ready yet.
    std::int64_t longestWaitTicks = 0;
    // The longest computer move: from the end of the step that gives the computer the turn to
    // the end of the step that plays its move, in milliseconds and in timer periods.
    double longestMoveMs = 0;
    std::int64_t longestMoveTicks = 0;
};

// Steps a game document as the board view's timer does: a tick every period of real time; a
// step that runs past the next tick is followed by that tick at once, and the timer then counts
// its period from that moment (as a Qt timer does). Measures every step.
class TickMeter {
public:
    using Clock = std::chrono::steady_clock;

    explicit TickMeter(std::chrono::milliseconds period);

    // A game starts: the timer starts, and a computer that opens starts its move now.
    void Start(const CFlipstoneDoc& document);
    // Waits for the next tick and runs one TurnStep on it.
    void Step(CFlipstoneDoc& document);
    const TickFigures& Figures() const { return figures_; }

private:
    void WaitForTick();

    std::chrono::milliseconds period_;
    Clock::time_point nextTick_;
    TickFigures figures_;
    std::int64_t waitingTicks_ = 0;
    bool computerMoving_ = false;
    Clock::time_point moveStart_;
};

}  // namespace flipstone::cli

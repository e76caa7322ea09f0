#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Square.h"

namespace flipstone::protocol {

// What an engine answered the referee: the text of its last reply (its move, when it was asked
// for one), or, when it broke the protocol, what it did ("answered 'genmove black' with '? ...'").
struct EngineAnswer {
    bool ok = true;
    std::string text;
    std::string fault;
};

// An engine as the referee plays it, whichever protocol it speaks. What the engine is told is
// held back until it is next asked for something, as Quarry does.
class MatchEngine {
public:
    using Milliseconds = std::chrono::milliseconds;

    virtual ~MatchEngine() = default;

    // The engine's name and version as it gives them; throws std::runtime_error when it does not.
    virtual std::string Label(Milliseconds timeout) = 0;
    // A new game from the start position, with `gameSeconds` on each side's clock (0: none).
    virtual void NewGame(double gameSeconds) = 0;
    // A move on the board that this engine did not choose: the opening's, or its opponent's.
    virtual void Tell(std::uint8_t colour, Square square) = 0;
    // Tells the engine everything held back and waits until it has taken it.
    virtual EngineAnswer Sync(Milliseconds timeout) = 0;
    // The engine's move for `colour`, with `secondsLeft` on its clock; the text is the move.
    virtual EngineAnswer Move(std::uint8_t colour, double secondsLeft, Milliseconds timeout) = 0;
    // Whether the engine plays this game on the clock; one that does not know the clock
    // commands plays untimed.
    virtual bool KeepsTime() const = 0;
    // What the referee should know of how the engine plays this game ("plays untimed: ...").
    virtual const std::vector<std::string>& Notes() const = 0;
};

}  // namespace flipstone::protocol

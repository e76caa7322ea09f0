#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "protocol/EngineChannel.h"
#include "protocol/referee/MatchEngine.h"

namespace flipstone::protocol {

// The referee's end of NBoard's protocol: a new game is set as GGF, every move (its own, the
// opponent's, and a pass where a side had to pass) is told with `move`, and `go` asks for the
// engine's move, which comes back as '=== F5/eval/time' among lines the referee passes over.
// A ping that gets its pong shows the engine has taken what it was told. NBoard's engines keep
// no clock the referee can set: they play untimed.
class NBoardPeer : public MatchEngine {
public:
    // The midgame depth the engine is asked to search to.
    static constexpr int kSearchDepth = 12;

    explicit NBoardPeer(EngineChannel& channel) : channel_(channel) {}

    std::string Label(Milliseconds timeout) override;
    void NewGame(double gameSeconds) override;
    void Tell(std::uint8_t colour, Square square) override;
    EngineAnswer Sync(Milliseconds timeout) override;
    EngineAnswer Move(std::uint8_t colour, double secondsLeft, Milliseconds timeout) override;
    bool KeepsTime() const override { return false; }
    const std::vector<std::string>& Notes() const override { return notes_; }

private:
    // Sends what is held back and `last`, then reads lines until one begins with `awaited`; its
    // rest is the answer's text.
    EngineAnswer Exchange(const std::string& last, std::string_view awaited, Milliseconds timeout);
    // Tells a pass first when the colour moves twice in a row.
    void TellMove(std::uint8_t colour, const std::string& move);

    EngineChannel& channel_;
    std::vector<std::string> unsent_;
    std::uint8_t lastMover_ = 0;
    int pings_ = 0;
    std::string name_;
    std::vector<std::string> notes_;
};

}  // namespace flipstone::protocol

#pragma once

#include "engine/strong/StrongSearch.h"
#include "protocol/EnginePlayer.h"

namespace flipstone::protocol {

// The strongest player: deepening searches on the time it is given, and the exact endgame.
class StrongPlayer : public EnginePlayer {
public:
    std::string Mode() const override { return "max"; }
    Square ChooseMove(const Board& board, std::uint8_t side, double seconds) override;

private:
    strong::StrongSearch search_;
};

}  // namespace flipstone::protocol

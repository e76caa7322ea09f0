#pragma once

#include <string>

#include "engine/strong/StrongSearch.h"
#include "protocol/EnginePlayer.h"

namespace flipstone::protocol {

// The strongest player: deepening searches on the time it is given, and the exact endgame.
class StrongPlayer : public EnginePlayer {
public:
    std::string Mode() const override { return "max"; }
    MoveChoice ChooseMove(const Position& position, double seconds) override;

private:
    strong::StrongSearch search_;
};

}  // namespace flipstone::protocol

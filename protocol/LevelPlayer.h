#pragma once

#include <string>

#include "protocol/EnginePlayer.h"

namespace flipstone::protocol {

// The game's computer at one of its four levels: every move is the one the game would play. Its
// values are the level's own, not discs, so it gives none.
class LevelPlayer : public EnginePlayer {
public:
    explicit LevelPlayer(int level) : level_(level) {}

    std::string Mode() const override { return "level " + std::to_string(level_); }
    MoveChoice ChooseMove(const Position& position, double seconds) override;

private:
    int level_;
};

}  // namespace flipstone::protocol

#pragma once

#include "protocol/EnginePlayer.h"

namespace flipstone::protocol {

// The game's computer at one of its four levels: every move is the one the game would play.
class LevelPlayer : public EnginePlayer {
public:
    explicit LevelPlayer(int level) : level_(level) {}

    std::string Mode() const override { return "level " + std::to_string(level_); }
    Square ChooseMove(const Board& board, std::uint8_t side, double seconds) override;

private:
    int level_;
};

}  // namespace flipstone::protocol

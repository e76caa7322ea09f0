#include "protocol/LevelPlayer.h"

#include "game/LevelAnalysis.h"

namespace flipstone::protocol {

MoveChoice LevelPlayer::ChooseMove(const Position& position, double /*seconds*/) {
    MoveChoice choice;
    choice.square = GameMove(position.GetBoard(), position.ToMove(), level_);
    return choice;
}

}  // namespace flipstone::protocol

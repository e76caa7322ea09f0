#include "protocol/LevelPlayer.h"

#include "game/LevelAnalysis.h"

namespace flipstone::protocol {

Square LevelPlayer::ChooseMove(const Board& board, std::uint8_t side, double /*seconds*/) {
    return GameMove(board, side, level_);
}

}  // namespace flipstone::protocol

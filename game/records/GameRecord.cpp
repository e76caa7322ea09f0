#include "game/records/GameRecord.h"

namespace flipstone {

bool GameRecord::StartsAtTheStandardPosition() const {
    return StartPosition() == Position::Start();
}

Position GameRecord::StartPosition() const {
    return Position::FromBoard(start, firstToMove);
}

Position GameRecord::PositionAfter(std::size_t count) const {
    Position position = StartPosition();
    for (std::size_t i = 0; i < count && i < moves.size() && position.Play(moves[i]); ++i) {
    }
    return position;
}

}  // namespace flipstone

#include "game/review/ReviewPositions.h"

namespace flipstone {

std::vector<ReviewPosition> ReviewPositionsOf(const GameRecord& record) {
    std::vector<ReviewPosition> positions;
    Position position = record.StartPosition();
    for (const Square move : record.moves) {
        positions.push_back({position.GetBoard(), position.ToMove(), move});
        if (!position.Play(move)) {
            break;
        }
    }
    positions.push_back({position.GetBoard(), position.ToMove(), Square{}});
    return positions;
}

}  // namespace flipstone

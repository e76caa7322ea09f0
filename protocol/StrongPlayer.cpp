#include "protocol/StrongPlayer.h"

#include "engine/BitBoard.h"

namespace flipstone::protocol {

MoveChoice StrongPlayer::ChooseMove(const Position& position, double seconds) {
    const std::uint8_t side = position.ToMove();
    const BitBoard bits = BitBoard::FromBoard(position.GetBoard());
    const strong::ThinkResult result = search_.Think(bits.Discs(side), bits.Discs(Opponent(side)),
                                                     std::chrono::duration<double>(seconds));
    if (result.bit < 0) {
        return {};
    }
    return {{BitBoard::ColumnOf(result.bit), BitBoard::RowOf(result.bit)},
            result.value,
            result.solved,
            result.depth};
}

}  // namespace flipstone::protocol

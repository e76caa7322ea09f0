#include "protocol/StrongPlayer.h"

#include "engine/BitBoard.h"

namespace flipstone::protocol {

Square StrongPlayer::ChooseMove(const Board& board, std::uint8_t side, double seconds) {
    const BitBoard bits = BitBoard::FromBoard(board);
    const strong::ThinkResult result = search_.Think(bits.Discs(side), bits.Discs(Opponent(side)),
                                                     std::chrono::duration<double>(seconds));
    if (result.bit < 0) {
        return {};
    }
    return {BitBoard::ColumnOf(result.bit), BitBoard::RowOf(result.bit)};
}

}  // namespace flipstone::protocol

#include "protocol/StrongPlayer.h"

#include "engine/BitBoard.h"
#include "engine/book/BookMove.h"

namespace flipstone::protocol {

MoveChoice StrongPlayer::ChooseMove(const Position& position, double seconds) {
    const std::uint8_t side = position.ToMove();
    const BitBoard bits = BitBoard::FromBoard(position.GetBoard());
    const strong::ThinkResult result =
        book::ThinkWithBook(search_, book_, bits.Discs(side), bits.Discs(Opponent(side)),
                            std::chrono::duration<double>(seconds), draws_());
    if (result.bit < 0) {
        return {};
    }
    MoveChoice choice;
    choice.square = {BitBoard::ColumnOf(result.bit), BitBoard::RowOf(result.bit)};
    // A forced move is played without a search, and so without a value.
    if (result.depth > 0 || result.solved || result.fromBook) {
        choice.value = result.value;
    }
    choice.exact = result.solved;
    choice.depth = result.depth;
    return choice;
}

}  // namespace flipstone::protocol

#include "protocol/StrongPlayer.h"

#include "engine/BitBoard.h"
#include "protocol/SearchStopRelay.h"

namespace flipstone::protocol {

strong::ThinkResult StrongPlayer::Think(const Position& position, double seconds) {
    const std::uint8_t side = position.ToMove();
    const BitBoard bits = BitBoard::FromBoard(position.GetBoard());
    return search_.Think(bits.Discs(side), bits.Discs(Opponent(side)),
                         std::chrono::duration<double>(seconds));
}

MoveChoice StrongPlayer::ChooseMove(const Position& position, double seconds) {
    const strong::ThinkResult result = Think(position, seconds);
    if (result.bit < 0) {
        return {};
    }
    MoveChoice choice;
    choice.square = {BitBoard::ColumnOf(result.bit), BitBoard::RowOf(result.bit)};
    // A forced move is played without a search, and so without a value.
    if (result.depth > 0 || result.solved) {
        choice.value = result.value;
    }
    choice.exact = result.solved;
    choice.depth = result.depth;
    return choice;
}

std::vector<MoveChoice> StrongPlayer::ValueEveryMove(const Position& position, double seconds,
                                                     const StopSignal& stop) {
    const std::uint8_t side = position.ToMove();
    const BitBoard bits = BitBoard::FromBoard(position.GetBoard());
    std::vector<strong::MoveValue> found;
    {
        const SearchStopRelay relay(stop, search_);
        found = search_.ValueEveryMove(bits.Discs(side), bits.Discs(Opponent(side)),
                                       std::chrono::duration<double>(seconds));
    }
    std::vector<MoveChoice> values;
    for (const strong::MoveValue& move : found) {
        MoveChoice value;
        value.square = {BitBoard::ColumnOf(move.bit), BitBoard::RowOf(move.bit)};
        value.value = move.value;
        value.exact = move.exact;
        value.depth = move.depth;
        values.push_back(value);
    }
    return values;
}

}  // namespace flipstone::protocol

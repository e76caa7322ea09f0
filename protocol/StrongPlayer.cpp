#include "protocol/StrongPlayer.h"

#include <algorithm>

#include "engine/BitBoard.h"

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
    const std::vector<Square> squares = position.LegalSquares();
    const double share = seconds / static_cast<double>(std::max<std::size_t>(squares.size(), 1));
    std::vector<MoveChoice> values;
    for (const Square square : squares) {
        if (!values.empty() && stop.StopRequested()) {
            break;
        }
        Position after = position;
        after.Play(square);
        MoveChoice value = ValueFor(after, position.ToMove(), share);
        value.square = square;
        ++value.depth;
        values.push_back(value);
    }
    std::stable_sort(values.begin(), values.end(), [](const MoveChoice& a, const MoveChoice& b) {
        return a.value.value_or(0) > b.value.value_or(0);
    });
    return values;
}

MoveChoice StrongPlayer::ValueFor(Position position, std::uint8_t side, double seconds) {
    MoveChoice choice;
    // A single legal move is played without a search, which would give it no value.
    while (!position.IsOver() && position.LegalSquares().size() == 1) {
        position.Play(position.LegalSquares().front());
        ++choice.depth;
    }
    if (position.IsOver()) {
        choice.value = position.GetBoard().FinalDifference(side);
        choice.exact = true;
        return choice;
    }
    const strong::ThinkResult result = Think(position, seconds);
    choice.value = position.ToMove() == side ? result.value : -result.value;
    choice.exact = result.solved;
    choice.depth += result.depth;
    return choice;
}

}  // namespace flipstone::protocol

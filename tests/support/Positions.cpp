#include "support/Positions.h"

#include <algorithm>
#include <random>
#include <stdexcept>
#include <string>

#include "engine/BitBoard.h"
#include "engine/BoardText.h"
#include "engine/Position.h"

namespace flipstone::testing {

Board BoardFrom(std::string_view text) {
    std::string error;
    auto board = BoardText::Parse(text, error);
    if (!board) {
        throw std::invalid_argument("bad board literal: " + error);
    }
    return *board;
}

Board CornerPairBoard() {
    return BoardFrom("X-------O-------" + std::string(48, '-'));
}

Board FiveDiscBoard() {
    return BoardFrom(
        "X-X-----"
        "-OOO----"
        "XO-O----"
        "-OOO----"
        "X---X---"
        "--------"
        "--------"
        "--------");
}

RandomPosition RandomGamePosition(std::uint32_t seed, int emptySquares) {
    std::mt19937 random(seed);
    Position position = Position::Start();
    std::uint8_t lastMover = kWhite;
    while (64 - position.GetBoard().CountDiscs() > emptySquares && !position.IsOver()) {
        std::vector<Square> moves;  // column by column
        for (int i = 0; i < 64; ++i) {
            if (position.CanPlay({i / 8, i % 8})) {
                moves.push_back({i / 8, i % 8});
            }
        }
        lastMover = position.ToMove();
        position.Play(moves[random() % moves.size()]);
    }
    const std::uint8_t toMove = position.IsOver() ? Opponent(lastMover) : position.ToMove();
    return {position.GetBoard(), toMove};
}

RandomPosition MirroredGamePosition(std::uint32_t seed, int emptySquares,
                                    const std::function<int(int)>& image) {
    RandomPosition position = RandomGamePosition(seed, emptySquares);
    const Board given = position.board;
    for (int bit = 0; bit < 64; ++bit) {
        const int first = std::min(bit, image(bit));
        position.board.Set(BitBoard::ColumnOf(bit), BitBoard::RowOf(bit),
                           given.At(BitBoard::ColumnOf(first), BitBoard::RowOf(first)));
    }
    return position;
}

std::vector<RandomPosition> RandomPositions(std::uint32_t seed, int count, int minEmpty,
                                            int maxEmpty) {
    std::vector<RandomPosition> positions;
    std::mt19937 random(seed);
    for (int i = 0; i < count; ++i) {
        const int empty = minEmpty + static_cast<int>(random() % (maxEmpty - minEmpty + 1));
        positions.push_back(RandomGamePosition(random(), empty));
    }
    return positions;
}

}  // namespace flipstone::testing

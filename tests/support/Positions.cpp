#include "support/Positions.h"

#include <random>
#include <stdexcept>
#include <string>

#include "engine/BoardText.h"

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
    Board board;
    board.Reset();
    std::uint8_t toMove = kBlack;
    while (64 - board.CountDiscs() > emptySquares) {
        std::vector<int> moves;
        for (int i = 0; i < 64; ++i) {
            if (board.CanPlace(i / 8, i % 8, toMove)) {
                moves.push_back(i);
            }
        }
        if (moves.empty()) {
            if (!board.HasLegalMove(Opponent(toMove))) {
                break;
            }
            toMove = Opponent(toMove);
            continue;
        }
        const int move = moves[random() % moves.size()];
        board.Place(move / 8, move % 8, toMove);
        toMove = Opponent(toMove);
    }
    return {board, toMove};
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

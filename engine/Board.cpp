#include "engine/Board.h"

#include <algorithm>
#include <iterator>

namespace flipstone {

namespace {

// The eight directions as (column step, row step): row step in the outer loop, column step in
// the inner one, each running -1, 0, +1. This order fixes the order of turned discs.
constexpr int kDirections[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                   {1, 0},   {-1, 1}, {0, 1},  {1, 1}};

}  // namespace

std::uint8_t Opponent(unsigned colour) {
    return (colour & 0xFFu) == kBlack ? kWhite : kBlack;
}

int Board::BracketLength(int column, int row, int dc, int dr, std::uint8_t colour) const {
    const std::uint8_t opponent = Opponent(colour);
    if (!OnBoard(column + dc, row + dr) || At(column + dc, row + dr) != opponent) {
        return 0;
    }
    for (int distance = 2; distance <= 7; ++distance) {
        const int c = column + distance * dc;
        const int r = row + distance * dr;
        if (!OnBoard(c, r)) {
            return 0;
        }
        const std::uint8_t code = At(c, r);
        if (code == colour) {
            return distance - 1;
        }
        if (code != opponent) {
            return 0;
        }
    }
    return 0;
}

bool Board::Place(int column, int row, std::uint8_t colour) {
    if (!OnBoard(column, row) || At(column, row) != kEmpty) {
        return false;
    }
    bool turned = false;
    for (const auto& [dc, dr] : kDirections) {
        const int length = BracketLength(column, row, dc, dr, colour);
        for (int distance = 1; distance <= length; ++distance) {
            Set(column + distance * dc, row + distance * dr, colour);
        }
        turned = turned || length > 0;
    }
    if (!turned) {
        return false;
    }
    Set(column, row, colour);
    return true;
}

bool Board::CanPlace(int column, int row, std::uint8_t colour) const {
    if (!OnBoard(column, row) || At(column, row) != kEmpty) {
        return false;
    }
    for (const auto& [dc, dr] : kDirections) {
        if (BracketLength(column, row, dc, dr, colour) > 0) {
            return true;
        }
    }
    return false;
}

bool Board::CollectFlips(int column, int row, std::uint8_t colour, FlipList& list) const {
    list.count = 0;
    if (!OnBoard(column, row)) {
        return false;
    }
    for (const auto& [dc, dr] : kDirections) {
        const int length = BracketLength(column, row, dc, dr, colour);
        for (int distance = 1; distance <= length; ++distance) {
            list.rows[list.count + 1] = row + distance * dr;
            list.columns[list.count + 1] = column + distance * dc;
            ++list.count;
        }
    }
    if (list.count == 0) {
        return false;
    }
    list.rows[0] = row;
    list.columns[0] = column;
    return true;
}

void Board::Reset() {
    for (auto& square : squares) {
        square = kEmpty;
    }
    Set(3, 3, kWhite);
    Set(4, 3, kBlack);
    Set(3, 4, kBlack);
    Set(4, 4, kWhite);
}

int Board::CountCode(std::uint8_t code) const {
    return static_cast<int>(std::count(std::begin(squares), std::end(squares), code));
}

int Board::CountBlack() const {
    return CountCode(kBlack);
}

int Board::CountWhite() const {
    return CountCode(kWhite);
}

int Board::CountDiscs() const {
    return 64 - CountCode(kEmpty);
}

int Board::FinalDifference(std::uint8_t colour) const {
    const int black = CountBlack() - CountWhite();
    const int empty = CountCode(kEmpty);
    const int final = black > 0 ? black + empty : black < 0 ? black - empty : 0;
    return colour == kWhite ? -final : final;
}

bool Board::HasLegalMove(std::uint8_t colour) const {
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            if (CanPlace(column, row, colour)) {
                return true;
            }
        }
    }
    return false;
}

std::vector<Square> Board::LegalSquares(std::uint8_t colour) const {
    std::vector<Square> squares;
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            if (CanPlace(column, row, colour)) {
                squares.push_back(Square{column, row});
            }
        }
    }
    return squares;
}

}  // namespace flipstone

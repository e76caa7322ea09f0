#include "game/review/OpeningNames.h"

#include <string_view>

#include "engine/BitBoard.h"
#include "engine/BoardText.h"
#include "engine/Position.h"
#include "engine/strong/BoardSymmetry.h"
#include "game/TranslatableText.h"

namespace flipstone {

namespace {

// Only names whose lines every Othello player agrees on.
constexpr NamedOpening kOpenings[] = {
    // White's reply flips along a diagonal, across black's line of flips, or beside it.
    {FLIPSTONE_TRANSLATABLE("Openings", "Diagonal opening"), "f5f6"},
    {FLIPSTONE_TRANSLATABLE("Openings", "Perpendicular opening"), "f5d6"},
    {FLIPSTONE_TRANSLATABLE("Openings", "Parallel opening"), "f5f4"},
    {FLIPSTONE_TRANSLATABLE("Openings", "Tiger"), "f5d6c3d3c4"},
};

bool KeepsStart(int symmetry) {
    const BitBoard start = BitBoard::FromBoard(Position::Start().GetBoard());
    return strong::symmetry::Transform(start.black, symmetry) == start.black &&
           strong::symmetry::Transform(start.white, symmetry) == start.white;
}

Square Turned(Square square, int symmetry) {
    const int bit =
        strong::symmetry::TransformBit(BitBoard::BitOf(square.column, square.row), symmetry);
    return {BitBoard::ColumnOf(bit), BitBoard::RowOf(bit)};
}

// Whether the game's moves, turned by the symmetry, begin with the opening's.
bool Follows(const std::vector<Square>& moves, std::string_view line, int symmetry) {
    const std::size_t length = line.size() / 2;
    if (moves.size() < length) {
        return false;
    }
    for (std::size_t i = 0; i < length; ++i) {
        if (Turned(moves[i], symmetry) != BoardText::ParseSquare(line.substr(2 * i, 2))) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::span<const NamedOpening> NamedOpenings() {
    return kOpenings;
}

const char* OpeningNameOf(const std::vector<Square>& moves) {
    const char* name = nullptr;
    std::size_t longest = 0;
    for (const NamedOpening& opening : kOpenings) {
        const std::string_view line = opening.moves;
        for (int symmetry = 0; symmetry < strong::symmetry::kCount; ++symmetry) {
            if (line.size() > longest && KeepsStart(symmetry) && Follows(moves, line, symmetry)) {
                name = opening.name;
                longest = line.size();
            }
        }
    }
    return name;
}

const char* OpeningNameOf(const GameRecord& record) {
    return record.StartsAtTheStandardPosition() ? OpeningNameOf(record.moves) : nullptr;
}

}  // namespace flipstone

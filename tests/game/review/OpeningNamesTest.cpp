#include "game/review/OpeningNames.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/BoardText.h"
#include "engine/Position.h"

namespace flipstone {
namespace {

std::vector<Square> MovesOf(const std::string& line) {
    std::vector<Square> moves;
    for (std::size_t i = 0; i + 1 < line.size(); i += 2) {
        moves.push_back(*BoardText::ParseSquare(line.substr(i, 2)));
    }
    return moves;
}

// Each named line is legal from the start, and names the games that follow it in any
// orientation; a game off every line has no name.
TEST(OpeningNamesTest, EveryLineIsLegalAndNamesItsGamesInEveryOrientation) {
    for (const NamedOpening& opening : NamedOpenings()) {
        Position position = Position::Start();
        for (const Square move : MovesOf(opening.moves)) {
            EXPECT_TRUE(position.Play(move)) << opening.name;
        }
        EXPECT_STREQ(OpeningNameOf(MovesOf(opening.moves)), opening.name);
    }
    EXPECT_STREQ(OpeningNameOf(MovesOf("f5d6c3d3c4f4")), "Tiger");
    EXPECT_STREQ(OpeningNameOf(MovesOf("e6f4c3c4d3")), "Tiger");  // turned in a1-h8
    EXPECT_STREQ(OpeningNameOf(MovesOf("d3c5")), "Perpendicular opening");
    EXPECT_STREQ(OpeningNameOf(MovesOf("c4c3")), "Diagonal opening");
    EXPECT_STREQ(OpeningNameOf(MovesOf("e6d6")), "Parallel opening");  // both flip along a column
    EXPECT_EQ(OpeningNameOf(MovesOf("f5")), nullptr);
}

}  // namespace
}  // namespace flipstone

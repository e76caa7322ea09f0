#include "protocol/referee/Openings.h"

#include <random>

#include "engine/BoardText.h"
#include "engine/Position.h"

namespace flipstone::protocol {

std::vector<MoveList> RandomOpenings(int count, int plies, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<MoveList> openings;
    for (int game = 0; game < count; ++game) {
        Position position = Position::Start();
        MoveList moves;
        for (int ply = 0; ply < plies && !position.IsOver(); ++ply) {
            const std::vector<Square> legal = position.LegalSquares();
            std::uniform_int_distribution<std::size_t> pick(0, legal.size() - 1);
            moves.push_back(legal[pick(random)]);
            position.Play(moves.back());
        }
        openings.push_back(moves);
    }
    return openings;
}

std::optional<MoveList> ParseMoveList(std::string_view text) {
    MoveList moves;
    std::string letters;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\r') {
            letters += c;
        }
    }
    if (letters.size() % 2 != 0) {
        return std::nullopt;
    }
    for (std::size_t at = 0; at < letters.size(); at += 2) {
        const auto square = BoardText::ParseSquare(std::string_view(letters).substr(at, 2));
        if (!square) {
            return std::nullopt;
        }
        moves.push_back(*square);
    }
    return moves;
}

}  // namespace flipstone::protocol

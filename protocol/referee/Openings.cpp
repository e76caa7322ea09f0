#include "protocol/referee/Openings.h"

#include <random>

#include "engine/Position.h"
#include "game/records/RecordReader.h"
#include "protocol/InputLines.h"
#include "protocol/Vocabulary.h"

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

std::vector<MoveList> ReadOpenings(std::istream& in, const std::string& fileName) {
    std::vector<MoveList> openings;
    int number = 0;
    while (const auto line = ReadInputLine(in)) {
        const std::string where = fileName + ":" + std::to_string(++number) + ": ";
        if (line->tooLong) {
            throw OpeningError(where + "the line is longer than " + std::to_string(kLongestLine) +
                               " bytes");
        }
        if (Trimmed(line->text).empty()) {
            continue;
        }
        const RecordReading reading = ReadGameRecord(line->text);
        if (!reading.record) {
            throw OpeningError(where + reading.error.message);
        }
        if (!reading.record->StartsAtTheStandardPosition()) {
            throw OpeningError(where + "the opening does not start from the standard position.");
        }
        openings.push_back(reading.record->moves);
    }
    return openings;
}

}  // namespace flipstone::protocol

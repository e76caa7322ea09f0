#pragma once

#include <cstdint>
#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/Square.h"

namespace flipstone::protocol {

using MoveList = std::vector<Square>;

// An opening that cannot be played: the line and what is wrong with it.
class OpeningError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// `count` openings of `plies` moves each from the start position, every move drawn at random
// among the legal ones (a side without a move passes); the same seed gives the same openings.
std::vector<MoveList> RandomOpenings(int count, int plies, std::uint32_t seed);

// The openings of a file, one game record a line (a transcript such as "f5d6c3", or a GGF game),
// blank lines skipped. Throws OpeningError, naming the file's line and the move, for a line that
// is no record, has an illegal move or does not start from the standard position.
std::vector<MoveList> ReadOpenings(std::istream& in, const std::string& fileName);

}  // namespace flipstone::protocol

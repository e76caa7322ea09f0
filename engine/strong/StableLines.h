#pragma once

#include <cstdint>

namespace flipstone::strong {

// The discs on a line of eight squares that no sequence of moves along it can turn, for every
// line: entry mover byte * 256 + other byte (bit i the line's square i) holds them, of both
// colours. Each edge of the board is such a line, and a disc on an edge can be turned only along
// its edge.
const std::uint8_t* StableLineTable();

}  // namespace flipstone::strong

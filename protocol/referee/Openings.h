#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/Square.h"

namespace flipstone::protocol {

using MoveList = std::vector<Square>;

// `count` openings of `plies` moves each from the start position, every move drawn at random
// among the legal ones (a side without a move passes); the same seed gives the same openings.
std::vector<MoveList> RandomOpenings(int count, int plies, std::uint32_t seed);

// A move list written as squares one after another ("f5d6c3", either case, spaces allowed);
// nothing when a square is not one. Whether the moves are legal is the referee's to check.
std::optional<MoveList> ParseMoveList(std::string_view text);

}  // namespace flipstone::protocol

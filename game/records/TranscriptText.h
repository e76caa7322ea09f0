#pragma once

#include <string_view>

#include "game/records/ParsedGame.h"

namespace flipstone {

// Reads a transcript: squares a1 to h8 in either case, with spaces, commas, dashes, full stops
// or move numbers ("1. f5 2. d6", "1.f5") between them, and passes ("pass", "PA") that are
// dropped. The game starts at the standard position.
ParsedGame ReadTranscript(std::string_view text);

}  // namespace flipstone

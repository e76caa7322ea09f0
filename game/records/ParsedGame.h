#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/Board.h"
#include "engine/Square.h"
#include "game/records/GameRecord.h"

namespace flipstone {

// A move as a record's text gives it, with the colour the text names (kEmpty where it names
// none, as in a transcript).
struct RecordedMove {
    Square square;
    std::uint8_t colour = kEmpty;
};

// A record's text read but not yet replayed: the set-up and fields (no moves yet), each move with
// its colour, passes left out; or, in `error`, why the text is not a record of its form.
struct ParsedGame {
    GameRecord header;
    std::vector<RecordedMove> moves;
    std::string error;
};

}  // namespace flipstone

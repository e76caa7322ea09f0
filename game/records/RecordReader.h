#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Square.h"
#include "game/records/GameRecord.h"

namespace flipstone {

// Why a text gave no record.
enum class RecordProblem {
    kNone,
    kNotARecord,   // neither a transcript, a GGF game nor a board with the side to move
    kIllegalMove,  // a record whose move `moveNumber`, on `square`, cannot be played
};

struct RecordError {
    RecordProblem problem = RecordProblem::kNone;
    int moveNumber = 0;  // 1-based, passes not counted
    Square square;
    std::string message;  // one English sentence: "Move 5, c4, is not legal."
};

struct RecordReading {
    std::optional<GameRecord> record;
    RecordError error;
};

// The longest text read as a record; anything longer is refused unread.
constexpr std::size_t kLongestRecordText = 1 << 20;

// Reads a game record in whichever form the text has: a transcript ("f5d6c3", either case, with
// spaces, commas, dashes or move numbers between the moves, "pass" or "PA" allowed), a GGF game
// (8x8 only, the first one in the text), or a board of 64 characters and the side to move as
// flipstone-cli writes them ("...OX... X", anything after a ';' ignored). Every move is replayed
// and must be legal.
RecordReading ReadGameRecord(std::string_view text);

}  // namespace flipstone

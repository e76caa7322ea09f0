// Fuzzes the game record reader: whatever the bytes, it gives a record or an error that says in
// plain text what is wrong; a record's transcript and GGF game read back to the same moves.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/FuzzInput.h"
#include "game/records/RecordReader.h"
#include "game/records/RecordWriter.h"

namespace {

using flipstone::GameRecord;
using flipstone::ReadGameRecord;
using flipstone::RecordProblem;
using flipstone::RecordReading;
using flipstone::fuzz::Printable;
using flipstone::fuzz::Require;

void CheckRefusal(const RecordReading& reading) {
    const flipstone::RecordError& error = reading.error;
    Require(error.problem != RecordProblem::kNone, "a refusal names its problem");
    Require(!error.message.empty() && Printable(error.message), "a refusal says why in plain text");
    if (error.problem == RecordProblem::kIllegalMove) {
        Require(error.moveNumber >= 1 && error.moveNumber <= 61, "an illegal move has a number");
    }
}

void CheckRoundTrips(const GameRecord& record) {
    Require(record.moves.size() <= 60, "a game has at most 60 moves");
    Require(record.FinalPosition() == record.PositionAfter(record.moves.size()),
            "every move of a record replays");
    const RecordReading ggf = ReadGameRecord(flipstone::WriteGgf(record));
    Require(ggf.record.has_value(), "a record's GGF game reads back");
    Require(ggf.record->moves == record.moves, "a GGF game reads back to the same moves");
    Require(ggf.record->StartPosition() == record.StartPosition(), "... from the same start");
    if (record.StartsAtTheStandardPosition() && !record.moves.empty()) {
        const std::string transcript = flipstone::WriteTranscript(record);
        const RecordReading again = ReadGameRecord(transcript);
        Require(again.record && again.record->moves == record.moves,
                "a transcript reads back to the same moves");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const RecordReading reading =
        ReadGameRecord(std::string_view(reinterpret_cast<const char*>(data), size));
    if (reading.record) {
        Require(reading.error.problem == RecordProblem::kNone, "a record comes without an error");
        CheckRoundTrips(*reading.record);
    } else {
        CheckRefusal(reading);
    }
    return 0;
}

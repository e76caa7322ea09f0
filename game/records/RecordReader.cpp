#include "game/records/RecordReader.h"

#include <cctype>

#include "engine/BoardText.h"
#include "engine/Position.h"
#include "game/records/BoardLineText.h"
#include "game/records/GgfText.h"
#include "game/records/ParsedGame.h"
#include "game/records/TranscriptText.h"

namespace flipstone {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view WithoutLeadingSpace(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())) != 0) {
        text.remove_prefix(1);
    }
    return text;
}

RecordReading NotARecord(const std::string& why) {
    RecordReading reading;
    reading.error.problem = RecordProblem::kNotARecord;
    reading.error.message = "This is not a game record: " + why + ".";
    return reading;
}

RecordReading IllegalMove(int number, Square square) {
    RecordReading reading;
    reading.error = {RecordProblem::kIllegalMove, number, square,
                     "Move " + std::to_string(number) + ", " + BoardText::SquareName(square) +
                         ", is not legal."};
    return reading;
}

ParsedGame Parse(std::string_view text) {
    if (LooksLikeGgf(text)) {
        return ReadGgf(text);
    }
    if (LooksLikeBoardLine(text)) {
        return ReadBoardLine(text);
    }
    return ReadTranscript(text);
}

// Plays the moves from the set-up; each must be legal, and by the colour the text names if it
// names one.
RecordReading Replay(const ParsedGame& game) {
    GameRecord record = game.header;
    Position position = record.StartPosition();
    int number = 0;
    for (const RecordedMove& move : game.moves) {
        ++number;
        const bool turn = move.colour == kEmpty || move.colour == position.ToMove();
        if (!turn || !position.Play(move.square)) {
            return IllegalMove(number, move.square);
        }
        record.moves.push_back(move.square);
    }
    RecordReading reading;
    reading.record = std::move(record);
    return reading;
}

}  // namespace

RecordReading ReadGameRecord(std::string_view text) {
    if (text.size() > kLongestRecordText) {
        return NotARecord("it is longer than " + std::to_string(kLongestRecordText) +
                          " characters");
    }
    text = WithoutLeadingSpace(text);
    if (text.empty()) {
        return NotARecord("the text is empty");
    }
    const ParsedGame game = Parse(text);
    if (!game.error.empty()) {
        return NotARecord(game.error);
    }
    return Replay(game);
}

}  // namespace flipstone

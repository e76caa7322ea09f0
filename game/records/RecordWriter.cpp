#include "game/records/RecordWriter.h"

#include <cctype>
#include <cstdlib>

#include "engine/BoardText.h"
#include "engine/Position.h"
#include "game/records/GgfText.h"

namespace flipstone {

namespace {

// A field's text inside GGF's brackets: no brackets, backslashes or control characters.
std::string GgfValue(const std::string& text) {
    std::string value;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F && c != '[' && c != ']' && c != '\\') {
            value += c;
        }
    }
    return value;
}

std::string Property(const char* name, const std::string& value) {
    return std::string(name) + "[" + GgfValue(value) + "]";
}

std::string OptionalProperty(const char* name, const std::string& value) {
    return value.empty() ? "" : Property(name, value);
}

const char* ColourProperty(std::uint8_t colour) {
    return colour == kBlack ? "B" : "W";
}

// The result from black's side as GGF writes it: the disc difference of a finished game, "?"
// for one still going.
std::string Result(const GameRecord& record) {
    if (!record.result.empty()) {
        return record.result;
    }
    const Position end = record.FinalPosition();
    if (!end.IsOver()) {
        return "?";
    }
    const int difference = end.GetBoard().CountBlack() - end.GetBoard().CountWhite();
    return (difference > 0   ? "+"
            : difference < 0 ? "-"
                             : "") +
           std::to_string(std::abs(difference)) + ".00";
}

std::string UpperName(Square square) {
    std::string name = BoardText::SquareName(square);
    name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

// Each move with its colour, and a PA for each side that had to pass.
std::string GgfMoves(const GameRecord& record) {
    std::string moves;
    Position position = record.StartPosition();
    std::uint8_t expected = record.firstToMove == kWhite ? kWhite : kBlack;
    for (const Square square : record.moves) {
        const std::uint8_t mover = position.ToMove();
        if (!position.Play(square)) {
            break;
        }
        if (mover != expected) {
            moves += Property(ColourProperty(expected), "PA");
        }
        moves += Property(ColourProperty(mover), UpperName(square));
        expected = Opponent(mover);
    }
    return moves;
}

}  // namespace

std::string WriteTranscript(const GameRecord& record) {
    std::string transcript;
    for (const Square square : record.moves) {
        transcript += BoardText::SquareName(square);
    }
    return transcript;
}

std::string WriteGgf(const GameRecord& record) {
    return "(;GM[Othello]" + Property("PC", record.place.empty() ? "Flipstone" : record.place) +
           OptionalProperty("DT", record.date) + OptionalProperty("PB", record.blackName) +
           OptionalProperty("PW", record.whiteName) + Property("RE", Result(record)) + "TY[8]" +
           Property("BO", GgfBoard(record.start, record.firstToMove)) + GgfMoves(record) + ";)";
}

}  // namespace flipstone

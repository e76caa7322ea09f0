#include "game/records/GgfText.h"

#include <algorithm>
#include <cctype>

#include "engine/BoardText.h"

namespace flipstone {

namespace {

// What a kept field (a name, the result, the date, the place) may hold at most.
constexpr std::size_t kLongestField = 200;
constexpr std::size_t kLongestPropertyName = 16;

bool IsSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A field as kept: without control characters, and not longer than a field may be.
std::string Field(std::string_view value) {
    std::string field;
    for (const char c : Trimmed(value)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F && field.size() < kLongestField) {
            field += c;
        }
    }
    return field;
}

// A value as an error message shows it: its start, in printable ASCII.
std::string Quoted(std::string_view text) {
    std::string shown;
    for (const char c : text.substr(0, 20)) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte >= 0x20 && byte < 0x7F ? c : '?';
    }
    return "'" + shown + (text.size() > 20 ? "...'" : "'");
}

// Reads the text of one GGF game, property by property.
class GgfReader {
public:
    explicit GgfReader(std::string_view text) : text_(text) {}

    ParsedGame Read();

private:
    bool ReadProperty();
    bool ReadValue(std::string& value);
    void Take(const std::string& name, const std::string& value);
    void TakeType(const std::string& value);
    void TakeBoard(const std::string& value);
    void TakeMove(std::uint8_t colour, const std::string& value);
    void SkipSpace();
    void Fail(const std::string& error) {
        if (game_.error.empty()) {
            game_.error = error;
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
    ParsedGame game_;
};

ParsedGame GgfReader::Read() {
    at_ = 2;  // "(;"
    for (;;) {
        SkipSpace();
        if (at_ >= text_.size()) {
            Fail("the GGF game does not end with ';)'");
        } else if (text_.substr(at_, 2) == ";)") {
            break;
        } else if (text_[at_] == ';') {
            ++at_;
            continue;
        } else {
            ReadProperty();
        }
        if (!game_.error.empty()) {
            break;
        }
    }
    return std::move(game_);
}

bool GgfReader::ReadProperty() {
    const std::size_t start = at_;
    while (at_ < text_.size() && std::isupper(static_cast<unsigned char>(text_[at_])) != 0) {
        ++at_;
    }
    if (at_ == start || at_ - start > kLongestPropertyName) {
        Fail("character " + std::to_string(start + 1) + " of the GGF game, " +
             Quoted(text_.substr(start, 1)) + ", begins no property");
        return false;
    }
    const std::string name(text_.substr(start, at_ - start));
    SkipSpace();
    std::string value;
    if (!ReadValue(value)) {
        return false;
    }
    Take(name, value);
    return game_.error.empty();
}

bool GgfReader::ReadValue(std::string& value) {
    if (at_ >= text_.size() || text_[at_] != '[') {
        Fail("a GGF property has no value in brackets");
        return false;
    }
    for (++at_; at_ < text_.size() && text_[at_] != ']'; ++at_) {
        if (text_[at_] == '\\' && at_ + 1 < text_.size()) {
            ++at_;
        }
        value += text_[at_];
    }
    if (at_ >= text_.size()) {
        Fail("a GGF value has no closing ']'");
        return false;
    }
    ++at_;
    return true;
}

void GgfReader::Take(const std::string& name, const std::string& value) {
    if (name == "GM") {
        if (Lower(Trimmed(value)) != "othello") {
            Fail("the GGF game is of " + Quoted(value) + ", not Othello");
        }
    } else if (name == "TY") {
        TakeType(value);
    } else if (name == "BO") {
        TakeBoard(value);
    } else if (name == "B" || name == "W") {
        TakeMove(name == "B" ? kBlack : kWhite, value);
    } else if (name == "PB") {
        game_.header.blackName = Field(value);
    } else if (name == "PW") {
        game_.header.whiteName = Field(value);
    } else if (name == "RE") {
        game_.header.result = Field(value);
    } else if (name == "DT") {
        game_.header.date = Field(value);
    } else if (name == "PC") {
        game_.header.place = Field(value);
    }
}

void GgfReader::TakeType(const std::string& value) {
    std::string size;
    for (const char c : value) {
        if (std::isdigit(static_cast<unsigned char>(c)) != 0) {
            size += c;
        }
    }
    if (!size.empty() && size != "8") {
        Fail("only 8x8 games are read, and this GGF game's type is " + Quoted(value));
    }
}

void GgfReader::TakeBoard(const std::string& value) {
    if (!game_.moves.empty()) {
        Fail("the GGF game's board (BO) comes after a move");
        return;
    }
    const std::string_view text = Trimmed(value);
    if (!text.starts_with("8") || text.size() < 2 || !IsSpace(text[1])) {
        Fail("only 8x8 boards are read, and this GGF board is " + Quoted(value));
        return;
    }
    std::string squares;
    std::size_t at = 1;
    for (; at < text.size() && squares.size() < 64; ++at) {
        if (!IsSpace(text[at])) {
            squares += text[at] == '*' ? 'X' : text[at];
        }
    }
    const std::string_view side = Trimmed(text.substr(at));
    std::string error;
    const auto board = BoardText::Parse(squares, error);
    if (!board || (side != "*" && side != "O")) {
        Fail("the GGF board is not 64 squares of '*', 'O' or '-' and the side to move, '*' or 'O'");
        return;
    }
    game_.header.start = *board;
    game_.header.firstToMove = side == "*" ? kBlack : kWhite;
}

void GgfReader::TakeMove(std::uint8_t colour, const std::string& value) {
    const std::string_view move = Trimmed(std::string_view(value).substr(0, value.find('/')));
    const std::string name = Lower(move);
    if (name == "pa" || name == "pass") {
        return;
    }
    const auto square = BoardText::ParseSquare(name);
    if (!square) {
        Fail("move " + std::to_string(game_.moves.size() + 1) + " of the GGF game, " +
             Quoted(move) + ", is not a square");
        return;
    }
    game_.moves.push_back({*square, colour});
}

void GgfReader::SkipSpace() {
    while (at_ < text_.size() && IsSpace(text_[at_])) {
        ++at_;
    }
}

}  // namespace

bool LooksLikeGgf(std::string_view text) {
    return text.starts_with("(;");
}

ParsedGame ReadGgf(std::string_view text) {
    return GgfReader(text).Read();
}

std::string GgfBoard(const Board& board, std::uint8_t toMove) {
    std::string text = "8 ";
    for (const char c : BoardText::Format(board)) {
        text += c == 'X' ? '*' : c;
    }
    return text + (toMove == kWhite ? " O" : " *");
}

}  // namespace flipstone

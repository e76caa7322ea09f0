#include "game/records/BoardLineText.h"

#include <cctype>
#include <string>

#include "engine/BoardText.h"

namespace flipstone {

namespace {

constexpr std::size_t kBoardLength = 64;

bool IsSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

bool IsBoardCharacter(char c) {
    return std::string_view("XxOo*-.").find(c) != std::string_view::npos;
}

std::size_t SkipSpace(std::string_view text, std::size_t at) {
    while (at < text.size() && IsSpace(text[at])) {
        ++at;
    }
    return at;
}

}  // namespace

bool LooksLikeBoardLine(std::string_view text) {
    if (text.size() < kBoardLength ||
        (text.size() > kBoardLength && !IsSpace(text[kBoardLength]))) {
        return false;
    }
    for (std::size_t i = 0; i < kBoardLength; ++i) {
        if (!IsBoardCharacter(text[i])) {
            return false;
        }
    }
    return true;
}

ParsedGame ReadBoardLine(std::string_view text) {
    ParsedGame game;
    std::string error;
    const auto board = BoardText::Parse(text.substr(0, kBoardLength), error);
    if (!board) {
        game.error = error;
        return game;
    }
    std::size_t at = SkipSpace(text, kBoardLength);
    const char side = at < text.size() ? text[at] : '\0';
    if (side != 'X' && side != 'x' && side != '*' && side != 'O' && side != 'o') {
        game.error = "the board is not followed by the side to move, X or O";
        return game;
    }
    at = SkipSpace(text, at + 1);
    if (at < text.size() && text[at] != ';') {
        game.error = "the side to move is followed by more than a ';' comment";
        return game;
    }
    game.header.start = *board;
    game.header.firstToMove = side == 'O' || side == 'o' ? kWhite : kBlack;
    return game;
}

}  // namespace flipstone

#include "game/records/TranscriptText.h"

#include <cctype>
#include <string>

namespace flipstone {

namespace {

bool IsSeparator(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0 || c == ',' || c == '-' || c == '.' ||
           c == ';';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// The length of a pass word at the start of `text` ("pass", "pa"), or 0.
std::size_t PassLength(std::string_view text) {
    for (const std::string_view word : {"pass", "pa"}) {
        if (text.size() < word.size()) {
            continue;
        }
        bool same = true;
        for (std::size_t i = 0; i < word.size(); ++i) {
            same = same && Lower(text[i]) == word[i];
        }
        const bool wordEnds = text.size() == word.size() ||
                              !std::isalpha(static_cast<unsigned char>(text[word.size()]));
        if (same && wordEnds) {
            return word.size();
        }
    }
    return 0;
}

std::string Shown(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte < 0x7F ? "'" + std::string(1, c) + "'"
                                       : "the byte " + std::to_string(byte);
}

}  // namespace

ParsedGame ReadTranscript(std::string_view text) {
    ParsedGame game;
    bool afterSeparator = true;
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        if (IsSeparator(c)) {
            afterSeparator = true;
            ++at;
            continue;
        }
        if (IsDigit(c) && afterSeparator) {
            while (at < text.size() && IsDigit(text[at])) {
                ++at;
            }
            if (at < text.size() && !IsSeparator(text[at])) {
                game.error = "a move number runs into " + Shown(text[at]);
                return game;
            }
            continue;
        }
        afterSeparator = false;
        if (const std::size_t pass = PassLength(text.substr(at))) {
            at += pass;
            continue;
        }
        const char column = Lower(c);
        const char row = at + 1 < text.size() ? text[at + 1] : '\0';
        if (column < 'a' || column > 'h' || row < '1' || row > '8') {
            game.error = "character " + std::to_string(at + 1) + ", " + Shown(c) +
                         ", begins neither a square a1 to h8 nor a move number";
            return game;
        }
        game.moves.push_back({{column - 'a', row - '1'}, kEmpty});
        at += 2;
    }
    if (game.moves.empty()) {
        game.error = "it names no move";
    }
    return game;
}

}  // namespace flipstone

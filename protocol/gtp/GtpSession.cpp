#include "protocol/gtp/GtpSession.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "protocol/InputLines.h"
#include "protocol/Vocabulary.h"
#include "protocol/gtp/GtpWords.h"

namespace flipstone::protocol {

namespace {

bool AllDigits(const std::string& word) {
    return !word.empty() && std::all_of(word.begin(), word.end(),
                                        [](unsigned char c) { return std::isdigit(c) != 0; });
}

std::optional<double> ReadNumber(const std::string& word) {
    double value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc{} || end != word.data() + word.size() || std::isnan(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ReadCount(const std::string& word) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc{} || end != word.data() + word.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

const std::array<GtpSession::Command, 18> GtpSession::kCommands = {{
    {gtp::kProtocolVersion, &GtpSession::ProtocolVersion},
    {gtp::kName, &GtpSession::Name},
    {gtp::kVersion, &GtpSession::Version},
    {gtp::kKnownCommand, &GtpSession::KnownCommand},
    {gtp::kListCommands, &GtpSession::ListCommands},
    {gtp::kListGames, &GtpSession::ListGames},
    {gtp::kSetGame, &GtpSession::SetGame},
    {gtp::kBoardSize, &GtpSession::BoardSize},
    {gtp::kClearBoard, &GtpSession::ClearBoard},
    {gtp::kKomi, &GtpSession::Komi},
    {gtp::kPlay, &GtpSession::Play},
    {gtp::kGenmove, &GtpSession::GenMove},
    {gtp::kUndo, &GtpSession::Undo},
    {gtp::kFinalScore, &GtpSession::FinalScore},
    {gtp::kShowBoard, &GtpSession::ShowBoard},
    {gtp::kTimeSettings, &GtpSession::TimeSettings},
    {gtp::kTimeLeft, &GtpSession::TimeLeft},
    {gtp::kQuit, &GtpSession::Quit},
}};

GtpSession::GtpSession(EnginePlayer& player, double moveSeconds)
    : player_(player), clock_(moveSeconds) {}

void GtpSession::Serve(std::istream& in, std::ostream& out) {
    while (!QuitAsked()) {
        const std::optional<InputLine> line = ReadInputLine(in);
        if (!line) {
            return;
        }
        const std::string reply =
            line->tooLong
                ? FormatGtpReply(false, "",
                                 "line longer than " + std::to_string(kLongestLine) + " bytes")
                : Answer(line->text);
        if (!reply.empty()) {
            out << reply << std::flush;
        }
    }
}

std::string GtpSession::Answer(std::string_view line) {
    Words words = GtpLineWords(line);
    std::string id;
    if (!words.empty() && AllDigits(words.front())) {
        id = words.front();
        words.erase(words.begin());
    }
    if (words.empty()) {
        return id.empty() ? "" : FormatGtpReply(false, id, "unknown command");
    }
    const auto command = std::find_if(kCommands.begin(), kCommands.end(),
                                      [&](const Command& c) { return c.name == words.front(); });
    if (command == kCommands.end()) {
        return FormatGtpReply(false, id, "unknown command");
    }
    words.erase(words.begin());
    const Outcome outcome = (this->*command->run)(words);
    return FormatGtpReply(outcome.success, id, outcome.text);
}

GtpSession::Outcome GtpSession::ProtocolVersion(const Words&) {
    return {true, "2"};
}

GtpSession::Outcome GtpSession::Name(const Words&) {
    return {true, "Flipstone"};
}

GtpSession::Outcome GtpSession::Version(const Words&) {
    return {true, std::string(FLIPSTONE_VERSION) + " " + player_.Mode()};
}

GtpSession::Outcome GtpSession::KnownCommand(const Words& arguments) {
    const bool known =
        arguments.size() == 1 && std::any_of(kCommands.begin(), kCommands.end(),
                                             [&](auto& c) { return c.name == arguments[0]; });
    return {true, known ? "true" : "false"};
}

GtpSession::Outcome GtpSession::ListCommands(const Words&) {
    std::string list;
    for (const Command& command : kCommands) {
        list += (list.empty() ? "" : "\n") + std::string(command.name);
    }
    return {true, list};
}

GtpSession::Outcome GtpSession::ListGames(const Words&) {
    return {true, std::string(kGameName)};
}

GtpSession::Outcome GtpSession::SetGame(const Words& arguments) {
    const bool othello = arguments.size() == 1 && LowerCase(arguments[0]) == LowerCase(kGameName);
    return othello ? Outcome{true, ""} : Outcome{false, "unsupported game"};
}

GtpSession::Outcome GtpSession::ClearBoard(const Words&) {
    NewGame();
    return {true, ""};
}

GtpSession::Outcome GtpSession::Komi(const Words& arguments) {
    const bool number = arguments.size() == 1 && ReadNumber(arguments[0]);
    return number ? Outcome{true, ""} : Outcome{false, "komi is not a number"};
}

GtpSession::Outcome GtpSession::Quit(const Words&) {
    quitAsked_ = true;
    return {true, ""};
}

GtpSession::Outcome GtpSession::BoardSize(const Words& arguments) {
    const bool negative = arguments.size() == 1 && arguments[0].size() > 1 &&
                          arguments[0][0] == '-' && AllDigits(arguments[0].substr(1));
    if (negative) {
        return {false, "unacceptable size"};
    }
    if (arguments.size() != 1 || !AllDigits(arguments[0])) {
        return {false, "boardsize is not an integer"};
    }
    if (arguments[0].find_first_not_of('0') == std::string::npos ||
        arguments[0].substr(arguments[0].find_first_not_of('0')) != "8") {
        return {false, "unacceptable size"};
    }
    NewGame();
    return {true, ""};
}

GtpSession::Outcome GtpSession::Play(const Words& arguments) {
    const auto colour = arguments.size() == 2 ? ReadColourWord(arguments[0]) : std::nullopt;
    if (!colour) {
        return {false, "syntax error"};
    }
    const Board& board = position_.GetBoard();
    if (LowerCase(arguments[1]) == gtp::kPass) {
        const bool mayPass = !board.HasLegalMove(*colour);
        return mayPass ? Outcome{true, ""} : Outcome{false, "illegal move"};
    }
    const auto square = ReadSquareWord(arguments[1]);
    if (!square) {
        return {false, "invalid coordinate"};
    }
    if (*colour != position_.ToMove() || !position_.CanPlay(*square)) {
        return {false, "illegal move"};
    }
    PlayMove(*square);
    return {true, ""};
}

GtpSession::Outcome GtpSession::GenMove(const Words& arguments) {
    const auto colour = arguments.size() == 1 ? ReadColourWord(arguments[0]) : std::nullopt;
    if (!colour) {
        return {false, "syntax error"};
    }
    const Board& board = position_.GetBoard();
    if (!board.HasLegalMove(*colour)) {
        return {true, std::string(gtp::kPass)};
    }
    if (*colour != position_.ToMove()) {
        return {false, "the other colour is to move"};
    }
    const double seconds = clock_.MoveBudget(*colour, 64 - board.CountDiscs());
    const Square square = player_.ChooseMove(position_, seconds).square;
    if (!position_.CanPlay(square)) {
        const std::string chosen = SquareWord(square);
        return {false, "the player chose the illegal move " + (chosen.empty() ? "none" : chosen)};
    }
    PlayMove(square);
    return {true, SquareWord(square)};
}

GtpSession::Outcome GtpSession::Undo(const Words&) {
    if (history_.empty()) {
        return {false, "cannot undo"};
    }
    position_ = history_.back();
    history_.pop_back();
    return {true, ""};
}

GtpSession::Outcome GtpSession::FinalScore(const Words&) {
    const Board& board = position_.GetBoard();
    return {true, ResultWord(board.CountBlack() - board.CountWhite())};
}

GtpSession::Outcome GtpSession::ShowBoard(const Words&) {
    std::string text = "\n   A B C D E F G H";
    for (int row = 0; row < 8; ++row) {
        text += "\n " + std::to_string(row + 1);
        for (int column = 0; column < 8; ++column) {
            const std::uint8_t code = position_.GetBoard().At(column, row);
            text += code == kBlack ? " X" : code == kWhite ? " O" : " .";
        }
    }
    const std::uint8_t toMove = position_.ToMove();
    const char* turn = toMove == kBlack   ? "black to move"
                       : toMove == kWhite ? "white to move"
                                          : "game over";
    return {true, text + "\n " + turn};
}

GtpSession::Outcome GtpSession::TimeSettings(const Words& arguments) {
    const auto main = arguments.size() == 3 ? ReadNumber(arguments[0]) : std::nullopt;
    const auto byoYomi = arguments.size() == 3 ? ReadNumber(arguments[1]) : std::nullopt;
    const auto stones = arguments.size() == 3 ? ReadCount(arguments[2]) : std::nullopt;
    if (!main || !byoYomi || !stones) {
        return {false, "syntax error"};
    }
    clock_.SetTimeSettings(*main, *byoYomi, *stones);
    return {true, ""};
}

GtpSession::Outcome GtpSession::TimeLeft(const Words& arguments) {
    const auto colour = arguments.size() == 3 ? ReadColourWord(arguments[0]) : std::nullopt;
    const auto seconds = arguments.size() == 3 ? ReadNumber(arguments[1]) : std::nullopt;
    const auto stones = arguments.size() == 3 ? ReadCount(arguments[2]) : std::nullopt;
    if (!colour || !seconds || !stones) {
        return {false, "syntax error"};
    }
    clock_.SetTimeLeft(*colour, *seconds, *stones);
    return {true, ""};
}

void GtpSession::NewGame() {
    position_ = Position::Start();
    history_.clear();
}

void GtpSession::PlayMove(Square square) {
    history_.push_back(position_);
    position_.Play(square);
}

}  // namespace flipstone::protocol

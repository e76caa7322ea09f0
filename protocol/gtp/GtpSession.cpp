#include "protocol/gtp/GtpSession.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <sstream>

#include "engine/BoardText.h"

namespace flipstone::protocol {

namespace {

constexpr std::array<const char*, 18> kCommands = {"protocol_version",
                                                   "name",
                                                   "version",
                                                   "known_command",
                                                   "list_commands",
                                                   "list_games",
                                                   "set_game",
                                                   "boardsize",
                                                   "clear_board",
                                                   "komi",
                                                   "play",
                                                   "genmove",
                                                   "undo",
                                                   "final_score",
                                                   "showboard",
                                                   "time_settings",
                                                   "time_left",
                                                   "quit"};

constexpr const char* kGame = "Othello";

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// GTP's clean-up of a line: control characters dropped, tabs as spaces, comments cut off.
std::string CleanLine(std::string_view line) {
    std::string clean;
    for (const char c : line.substr(0, line.find('#'))) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\t') {
            clean += ' ';
        } else if (byte >= 0x20 && byte != 0x7F) {
            clean += c;
        }
    }
    return clean;
}

std::vector<std::string> SplitWords(const std::string& line) {
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

bool AllDigits(const std::string& word) {
    return !word.empty() && std::all_of(word.begin(), word.end(),
                                        [](unsigned char c) { return std::isdigit(c) != 0; });
}

std::optional<std::uint8_t> ReadColour(const std::string& word) {
    const std::string colour = Lower(word);
    if (colour == "b" || colour == "black") {
        return kBlack;
    }
    if (colour == "w" || colour == "white") {
        return kWhite;
    }
    return std::nullopt;
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

std::string VertexText(Square square) {
    std::string name = BoardText::SquareName(square);
    name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

bool Known(const std::string& command) {
    return std::find(kCommands.begin(), kCommands.end(), command) != kCommands.end();
}

std::string CommandList() {
    std::string list;
    for (const char* command : kCommands) {
        list += (list.empty() ? "" : "\n") + std::string(command);
    }
    return list;
}

}  // namespace

GtpSession::GtpSession(EnginePlayer& player, double moveSeconds)
    : player_(player), clock_(moveSeconds) {
    ClearBoard();
}

void GtpSession::Serve(std::istream& in, std::ostream& out) {
    for (std::string line; !QuitAsked() && std::getline(in, line);) {
        const std::string reply = Answer(line);
        if (!reply.empty()) {
            out << reply << std::flush;
        }
    }
}

std::string GtpSession::Answer(std::string_view line) {
    Words words = SplitWords(CleanLine(line));
    std::string id;
    if (!words.empty() && AllDigits(words.front())) {
        id = words.front();
        words.erase(words.begin());
    }
    if (words.empty()) {
        return id.empty() ? "" : "?" + id + " unknown command\n\n";
    }
    const std::string command = words.front();
    words.erase(words.begin());
    const Outcome outcome = Run(command, words);
    const std::string text = outcome.text.empty() ? "" : " " + outcome.text;
    return (outcome.success ? "=" : "?") + id + text + "\n\n";
}

GtpSession::Outcome GtpSession::Run(const std::string& command, const Words& arguments) {
    if (command == "play" || command == "genmove" || command == "undo" ||
        command == "final_score" || command == "showboard") {
        return RunGame(command, arguments);
    }
    if (command == "time_settings" || command == "time_left") {
        return RunClock(command, arguments);
    }
    return RunSetUp(command, arguments);
}

GtpSession::Outcome GtpSession::RunSetUp(const std::string& command, const Words& arguments) {
    if (command == "protocol_version") {
        return {true, "2"};
    }
    if (command == "name") {
        return {true, "Flipstone"};
    }
    if (command == "version") {
        return {true, std::string(FLIPSTONE_VERSION) + " " + player_.Mode()};
    }
    if (command == "known_command") {
        return {true, arguments.size() == 1 && Known(arguments[0]) ? "true" : "false"};
    }
    if (command == "list_commands") {
        return {true, CommandList()};
    }
    if (command == "list_games") {
        return {true, kGame};
    }
    if (command == "set_game") {
        const bool othello = arguments.size() == 1 && Lower(arguments[0]) == Lower(kGame);
        return othello ? Outcome{true, ""} : Outcome{false, "unsupported game"};
    }
    if (command == "boardsize") {
        return BoardSize(arguments);
    }
    if (command == "clear_board") {
        ClearBoard();
        return {true, ""};
    }
    if (command == "komi") {
        const bool number = arguments.size() == 1 && ReadNumber(arguments[0]);
        return number ? Outcome{true, ""} : Outcome{false, "komi is not a number"};
    }
    if (command == "quit") {
        quitAsked_ = true;
        return {true, ""};
    }
    return {false, "unknown command"};
}

GtpSession::Outcome GtpSession::RunGame(const std::string& command, const Words& arguments) {
    if (command == "play") {
        return Play(arguments);
    }
    if (command == "genmove") {
        return GenMove(arguments);
    }
    if (command == "undo") {
        return Undo();
    }
    if (command == "final_score") {
        return FinalScore();
    }
    return ShowBoard();
}

GtpSession::Outcome GtpSession::RunClock(const std::string& command, const Words& arguments) {
    return command == "time_settings" ? TimeSettings(arguments) : TimeLeft(arguments);
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
    ClearBoard();
    return {true, ""};
}

GtpSession::Outcome GtpSession::Play(const Words& arguments) {
    const auto colour = arguments.size() == 2 ? ReadColour(arguments[0]) : std::nullopt;
    if (!colour) {
        return {false, "syntax error"};
    }
    const Board& board = position_.GetBoard();
    if (Lower(arguments[1]) == "pass") {
        const bool mayPass = !board.HasLegalMove(*colour);
        return mayPass ? Outcome{true, ""} : Outcome{false, "illegal move"};
    }
    const auto square = BoardText::ParseSquare(arguments[1]);
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
    const auto colour = arguments.size() == 1 ? ReadColour(arguments[0]) : std::nullopt;
    if (!colour) {
        return {false, "syntax error"};
    }
    const Board& board = position_.GetBoard();
    if (!board.HasLegalMove(*colour)) {
        return {true, "pass"};
    }
    if (*colour != position_.ToMove()) {
        return {false, "the other colour is to move"};
    }
    const double seconds = clock_.MoveBudget(*colour, 64 - board.CountDiscs());
    Square square = player_.ChooseMove(position_, seconds).square;
    if (!position_.CanPlay(square)) {
        square = position_.LegalSquares().front();
    }
    PlayMove(square);
    return {true, VertexText(square)};
}

GtpSession::Outcome GtpSession::Undo() {
    if (history_.empty()) {
        return {false, "cannot undo"};
    }
    position_ = history_.back();
    history_.pop_back();
    return {true, ""};
}

GtpSession::Outcome GtpSession::FinalScore() const {
    const Board& board = position_.GetBoard();
    const int difference = board.CountBlack() - board.CountWhite();
    if (difference == 0) {
        return {true, "0"};
    }
    return {true, (difference > 0 ? "B+" : "W+") + std::to_string(std::abs(difference))};
}

GtpSession::Outcome GtpSession::ShowBoard() const {
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
    const auto colour = arguments.size() == 3 ? ReadColour(arguments[0]) : std::nullopt;
    const auto seconds = arguments.size() == 3 ? ReadNumber(arguments[1]) : std::nullopt;
    const auto stones = arguments.size() == 3 ? ReadCount(arguments[2]) : std::nullopt;
    if (!colour || !seconds || !stones) {
        return {false, "syntax error"};
    }
    clock_.SetTimeLeft(*colour, *seconds, *stones);
    return {true, ""};
}

void GtpSession::ClearBoard() {
    position_ = Position::Start();
    history_.clear();
}

void GtpSession::PlayMove(Square square) {
    history_.push_back(position_);
    position_.Play(square);
}

}  // namespace flipstone::protocol

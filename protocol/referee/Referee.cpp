#include "protocol/referee/Referee.h"

#include <chrono>
#include <cmath>

#include "engine/BoardText.h"
#include "protocol/Vocabulary.h"
#include "protocol/gtp/GtpWords.h"

namespace flipstone::protocol {

namespace {

using Clock = std::chrono::steady_clock;

// The longest any reply may take when the game has no clock.
constexpr double kUntimedReplySeconds = 120;
// Time over the clock that a reply may take before the engine is taken to have hung.
constexpr double kClockGraceSeconds = 5;
constexpr int kWholeBoard = 64;

int ColourIndex(std::uint8_t colour) {
    return colour == kBlack ? 0 : 1;
}

std::chrono::milliseconds Milliseconds(double seconds) {
    return std::chrono::milliseconds(static_cast<long long>(std::ceil(seconds * 1000)));
}

}  // namespace

int GameRecord::BlackMargin() const {
    if (forfeited == kBlack) {
        return -kWholeBoard;
    }
    if (forfeited == kWhite) {
        return kWholeBoard;
    }
    return blackDiscs - whiteDiscs;
}

Referee::Referee(GtpPeer& black, GtpPeer& white, double gameSeconds)
    : black_{black, {}, gameSeconds}, white_{white, {}, gameSeconds}, gameSeconds_(gameSeconds) {}

GameRecord Referee::Play(const std::vector<Square>& opening) {
    GameRecord record;
    position_ = Position::Start();
    black_.secondsLeft = white_.secondsLeft = gameSeconds_;
    if (StartGame(opening, record)) {
        while (!position_.IsOver() && PlayTurn(position_.ToMove(), record)) {
        }
    }
    record.blackDiscs = position_.GetBoard().CountBlack();
    record.whiteDiscs = position_.GetBoard().CountWhite();
    return record;
}

bool Referee::StartGame(const std::vector<Square>& opening, GameRecord& record) {
    for (Side* side : {&black_, &white_}) {
        side->unsent = {std::string(gtp::kSetGame) + " " + std::string(kGameName),
                        std::string(gtp::kBoardSize) + " 8", std::string(gtp::kClearBoard)};
        if (gameSeconds_ > 0) {
            side->unsent.push_back(std::string(gtp::kTimeSettings) + " " +
                                   std::to_string(std::lround(gameSeconds_)) + " 0 0");
        }
    }
    for (const Square square : opening) {
        if (!position_.CanPlay(square)) {
            record.fault = "the opening's move " + BoardText::SquareName(square) + " is illegal";
            return false;
        }
        Record(position_.ToMove(), square, record, true);
    }
    std::string answer;
    return Exchange(kBlack, "", kUntimedReplySeconds, answer, record) &&
           Exchange(kWhite, "", kUntimedReplySeconds, answer, record);
}

bool Referee::PlayTurn(std::uint8_t colour, GameRecord& record) {
    Side& side = SideOf(colour);
    const bool timed = gameSeconds_ > 0;
    if (timed) {
        side.unsent.push_back(std::string(gtp::kTimeLeft) + " " + ColourWord(colour) + " " +
                              std::to_string(std::lround(std::floor(side.secondsLeft))) + " 0");
    }
    const auto start = Clock::now();
    std::string answer;
    const double timeout = timed ? side.secondsLeft + kClockGraceSeconds : kUntimedReplySeconds;
    if (!Exchange(colour, std::string(gtp::kGenmove) + " " + ColourWord(colour), timeout, answer,
                  record)) {
        return false;
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    record.seconds[ColourIndex(colour)] += seconds;
    ++record.moveCount[ColourIndex(colour)];
    side.secondsLeft -= seconds;
    const auto square = ReadSquareWord(answer);
    if (timed && side.secondsLeft < 0) {
        record.fault = std::string(ColourWord(colour)) + " ran out of time";
    } else if (!square || !position_.CanPlay(*square)) {
        record.fault =
            std::string(ColourWord(colour)) + " played the illegal move '" + answer + "'";
    } else {
        Record(colour, *square, record, false);
        return true;
    }
    record.forfeited = colour;
    return false;
}

bool Referee::Exchange(std::uint8_t colour, const std::string& last, double timeoutSeconds,
                       std::string& answer, GameRecord& record) {
    Side& side = SideOf(colour);
    std::vector<std::string> commands;
    commands.swap(side.unsent);
    if (!last.empty()) {
        commands.push_back(last);
    }
    bool written = true;
    for (const std::string& command : commands) {
        written = written && side.peer.Send(command);
    }
    for (const std::string& command : commands) {
        const auto reply = side.peer.Receive(Milliseconds(timeoutSeconds));
        if (!written || !reply || !reply->success) {
            record.forfeited = colour;
            record.fault = std::string(ColourWord(colour)) + " answered '" + command + "' " +
                           (reply ? "with '? " + reply->text + "'"
                                  : "with no reply within " +
                                        std::to_string(static_cast<int>(timeoutSeconds)) + " s");
            return false;
        }
        answer = reply->text;
    }
    return true;
}

void Referee::Record(std::uint8_t colour, Square square, GameRecord& record, bool tellMover) {
    position_.Play(square);
    record.moves += BoardText::SquareName(square);
    const std::string play =
        std::string(gtp::kPlay) + " " + ColourWord(colour) + " " + SquareWord(square);
    black_.unsent.push_back(play);
    white_.unsent.push_back(play);
    if (!tellMover) {
        SideOf(colour).unsent.pop_back();
    }
}

}  // namespace flipstone::protocol

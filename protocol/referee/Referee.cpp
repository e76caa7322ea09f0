#include "protocol/referee/Referee.h"

#include <chrono>
#include <cmath>
#include <stdexcept>

#include "engine/BoardText.h"
#include "protocol/Vocabulary.h"

namespace flipstone::protocol {

namespace {

using Clock = std::chrono::steady_clock;

// The longest any reply may take when the engine plays without a clock.
constexpr double kUntimedReplySeconds = 120;
// Time over the clock that a reply may take before the engine is taken to have hung.
constexpr double kClockGraceSeconds = 5;
constexpr int kWholeBoard = 64;

int ColourIndex(std::uint8_t colour) {
    return colour == kBlack ? 0 : 1;
}

MatchEngine::Milliseconds Milliseconds(double seconds) {
    return MatchEngine::Milliseconds(static_cast<long long>(std::ceil(seconds * 1000)));
}

}  // namespace

int RefereedGame::BlackMargin() const {
    if (forfeited == kBlack) {
        return -kWholeBoard;
    }
    if (forfeited == kWhite) {
        return kWholeBoard;
    }
    return blackDiscs - whiteDiscs;
}

Referee::Referee(MatchEngine& black, MatchEngine& white, double gameSeconds)
    : black_(black), white_(white), gameSeconds_(gameSeconds) {}

RefereedGame Referee::Play(const std::vector<Square>& opening) {
    RefereedGame game;
    position_ = Position::Start();
    secondsLeft_ = {gameSeconds_, gameSeconds_};
    if (StartGame(opening, game)) {
        while (!position_.IsOver() && PlayTurn(position_.ToMove(), game)) {
        }
    }
    for (const std::uint8_t colour : {kBlack, kWhite}) {
        for (const std::string& note : EngineOf(colour).Notes()) {
            game.notes.push_back(ColourWord(colour) + " " + note);
        }
    }
    game.blackDiscs = position_.GetBoard().CountBlack();
    game.whiteDiscs = position_.GetBoard().CountWhite();
    return game;
}

bool Referee::StartGame(const std::vector<Square>& opening, RefereedGame& game) {
    black_.NewGame(gameSeconds_);
    white_.NewGame(gameSeconds_);
    for (const Square square : opening) {
        const std::uint8_t colour = position_.ToMove();
        if (!position_.Play(square)) {
            throw std::invalid_argument("the opening's move " + BoardText::SquareName(square) +
                                        " is not legal");
        }
        game.moves += BoardText::SquareName(square);
        black_.Tell(colour, square);
        white_.Tell(colour, square);
    }
    for (const std::uint8_t colour : {kBlack, kWhite}) {
        const EngineAnswer answer = EngineOf(colour).Sync(Milliseconds(kUntimedReplySeconds));
        if (!answer.ok) {
            return Forfeit(colour, answer.fault, game);
        }
    }
    return true;
}

bool Referee::PlayTurn(std::uint8_t colour, RefereedGame& game) {
    MatchEngine& engine = EngineOf(colour);
    double& secondsLeft = secondsLeft_[ColourIndex(colour)];
    const bool timed = gameSeconds_ > 0 && engine.KeepsTime();
    const double timeout = timed ? secondsLeft + kClockGraceSeconds : kUntimedReplySeconds;
    const auto start = Clock::now();
    const EngineAnswer answer = engine.Move(colour, secondsLeft, Milliseconds(timeout));
    if (!answer.ok) {
        return Forfeit(colour, answer.fault, game);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    game.seconds[ColourIndex(colour)] += seconds;
    ++game.moveCount[ColourIndex(colour)];
    secondsLeft -= seconds;
    const auto square = ReadSquareWord(answer.text);
    if (timed && engine.KeepsTime() && secondsLeft < 0) {
        return Forfeit(colour, "ran out of time", game);
    }
    if (!square || !position_.Play(*square)) {
        return Forfeit(colour, "played the illegal move '" + answer.text + "'", game);
    }
    game.moves += BoardText::SquareName(*square);
    EngineOf(Opponent(colour)).Tell(colour, *square);
    return true;
}

bool Referee::Forfeit(std::uint8_t colour, const std::string& fault, RefereedGame& game) {
    game.forfeited = colour;
    game.fault = ColourWord(colour) + " " + fault;
    return false;
}

}  // namespace flipstone::protocol

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Board.h"
#include "engine/Position.h"
#include "engine/Square.h"
#include "protocol/referee/MatchEngine.h"

namespace flipstone::protocol {

// One refereed game: its moves, the discs at the end, who broke the rules or the protocol, and
// what the referee noted of how the engines played.
struct RefereedGame {
    std::string moves;  // "f5d6c3...", the opening included
    int blackDiscs = 0;
    int whiteDiscs = 0;
    std::uint8_t forfeited = kEmpty;  // the colour that lost by a fault, if one did
    std::string fault;
    std::vector<std::string> notes;   // "white plays untimed: ..."
    std::array<double, 2> seconds{};  // thinking time, black then white
    std::array<int, 2> moveCount{};

    // The disc difference for black; a fault loses by the whole board.
    int BlackMargin() const;
};

// Plays one game between two engines from an opening, checking every move: an illegal move, a
// broken protocol or an engine that ends loses the game.
class Referee {
public:
    // With gameSeconds above 0 each side has that much time for the game, and losing on time
    // loses the game, unless the engine plays untimed.
    Referee(MatchEngine& black, MatchEngine& white, double gameSeconds);

    // `opening` must be legal from the standard start (std::invalid_argument otherwise).
    RefereedGame Play(const std::vector<Square>& opening);

private:
    bool StartGame(const std::vector<Square>& opening, RefereedGame& game);
    bool PlayTurn(std::uint8_t colour, RefereedGame& game);
    bool Forfeit(std::uint8_t colour, const std::string& fault, RefereedGame& game);
    MatchEngine& EngineOf(std::uint8_t colour) { return colour == kBlack ? black_ : white_; }

    MatchEngine& black_;
    MatchEngine& white_;
    double gameSeconds_;
    std::array<double, 2> secondsLeft_{};
    Position position_ = Position::Start();
};

}  // namespace flipstone::protocol

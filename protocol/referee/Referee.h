#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Board.h"
#include "engine/Position.h"
#include "engine/Square.h"
#include "protocol/gtp/GtpPeer.h"

namespace flipstone::protocol {

// One refereed game: its moves, the discs at the end, and who broke the rules or the protocol.
struct GameRecord {
    std::string moves;  // "f5d6c3...", the opening included
    int blackDiscs = 0;
    int whiteDiscs = 0;
    std::uint8_t forfeited = kEmpty;  // the colour that lost by a fault, if one did
    std::string fault;
    std::array<double, 2> seconds{};  // thinking time, black then white
    std::array<int, 2> moveCount{};

    // The disc difference for black; a fault loses by the whole board.
    int BlackMargin() const;
};

// Plays one game between two GTP engines as Quarry does: passes are never sent (a side without a
// move is skipped, and the other side's next play or genmove is its pass), and each engine is
// told the moves it missed just before its genmove, all written before any reply is read. Every
// reply is checked; an illegal move or a protocol error loses the game.
class Referee {
public:
    // With gameSeconds above 0 each side has that much time for the game, told by time_settings
    // and time_left, and losing on time loses the game.
    Referee(GtpPeer& black, GtpPeer& white, double gameSeconds);

    GameRecord Play(const std::vector<Square>& opening);

private:
    struct Side {
        GtpPeer& peer;
        std::vector<std::string> unsent;
        double secondsLeft = 0;
    };

    bool StartGame(const std::vector<Square>& opening, GameRecord& record);
    bool PlayTurn(std::uint8_t colour, GameRecord& record);
    // Sends what the side has not been told, then `last`; reads every reply. The last reply's
    // text goes to `answer`. False (and a fault recorded) when a reply fails or never comes.
    bool Exchange(std::uint8_t colour, const std::string& last, double timeoutSeconds,
                  std::string& answer, GameRecord& record);
    // Plays the move on the referee's board and queues it for the engines: for both in the
    // opening, for the opponent only when the mover chose it.
    void Record(std::uint8_t colour, Square square, GameRecord& record, bool tellMover);
    Side& SideOf(std::uint8_t colour) { return colour == kBlack ? black_ : white_; }

    Side black_;
    Side white_;
    double gameSeconds_;
    Position position_ = Position::Start();
};

}  // namespace flipstone::protocol

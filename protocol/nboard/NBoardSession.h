#pragma once

#include <array>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "engine/Position.h"
#include "game/records/GameRecord.h"
#include "game/review/PositionAnalyst.h"
#include "protocol/EnginePlayer.h"
#include "protocol/StopSignal.h"

namespace flipstone::protocol {

// One conversation with NBoard (protocol version 2): NBoard sets the game (GGF) and its moves,
// and asks for the engine's move (go), the values of the best moves (hint), a ping, or the value
// of every position of the game (analyze), which the game review works out. The engine
// never plays a move of its own accord: NBoard tells it which moves were made. A line it does not
// know, a game it cannot read and a move that is not legal leave the game as it was; the last two
// are told in a status line.
class NBoardSession {
public:
    // `player` chooses the moves for go, thinking about `moveSeconds` a move; `analyst` values
    // them for hint and every position for analyze, as the game's review does. Lines go to
    // `out`, each one flushed.
    NBoardSession(EnginePlayer& player, PositionAnalyst& analyst, double moveSeconds,
                  std::ostream& out);

    // Answers the lines of `in` until its end or quit; a ping that arrives stops the thinking.
    void Serve(std::istream& in);
    // Answers one line; `stop` tells the thinking when to stop early.
    void Handle(std::string_view line, const StopSignal& stop);
    bool QuitAsked() const { return quitAsked_; }
    const GameRecord& Game() const { return game_; }
    const Position& CurrentPosition() const { return position_; }

private:
    // The command table: each command's name and what runs it with the rest of the line.
    struct Command {
        std::string_view name;
        void (NBoardSession::*run)(std::string_view arguments, const StopSignal& stop);
    };
    static const std::array<Command, 9> kCommands;

    void NBoard(std::string_view arguments, const StopSignal& stop);
    void Set(std::string_view arguments, const StopSignal& stop);
    void Move(std::string_view arguments, const StopSignal& stop);
    void Hint(std::string_view arguments, const StopSignal& stop);
    void Go(std::string_view arguments, const StopSignal& stop);
    void Ping(std::string_view arguments, const StopSignal& stop);
    void Learn(std::string_view arguments, const StopSignal& stop);
    void Analyze(std::string_view arguments, const StopSignal& stop);
    void Quit(std::string_view arguments, const StopSignal& stop);

    void SetGame(std::string_view text);
    void Say(std::string_view word, const std::string& text = "");

    EnginePlayer& player_;
    PositionAnalyst& analyst_;
    double moveSeconds_;
    std::ostream& out_;
    GameRecord game_;
    Position position_ = Position::Start();
    bool quitAsked_ = false;
};

}  // namespace flipstone::protocol

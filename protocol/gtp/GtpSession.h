#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Board.h"
#include "engine/Position.h"
#include "protocol/EnginePlayer.h"
#include "protocol/gtp/GtpTimeControl.h"

namespace flipstone::protocol {

// One GTP conversation in the Othello dialect: each line read gets its reply, the position moves
// with play and genmove, and a side with no legal move passes without a word (the next play or
// genmove for the other colour is its pass).
class GtpSession {
public:
    GtpSession(EnginePlayer& player, double moveSeconds);

    // Answers the lines of `in` on `out`, each reply flushed, until quit or the end of the input.
    void Serve(std::istream& in, std::ostream& out);
    // The reply to one line, ending in its blank line; empty for a line that gets none.
    std::string Answer(std::string_view line);
    bool QuitAsked() const { return quitAsked_; }
    const Position& CurrentPosition() const { return position_; }

private:
    using Words = std::vector<std::string>;
    // What a command answers: the text of a success, or the message of a failure.
    struct Outcome {
        bool success;
        std::string text;
    };

    Outcome Run(const std::string& command, const Words& arguments);
    Outcome RunSetUp(const std::string& command, const Words& arguments);
    Outcome RunGame(const std::string& command, const Words& arguments);
    Outcome RunClock(const std::string& command, const Words& arguments);
    Outcome BoardSize(const Words& arguments);
    Outcome Play(const Words& arguments);
    Outcome GenMove(const Words& arguments);
    Outcome Undo();
    Outcome FinalScore() const;
    Outcome ShowBoard() const;
    Outcome TimeSettings(const Words& arguments);
    Outcome TimeLeft(const Words& arguments);

    void ClearBoard();
    void PlayMove(Square square);

    EnginePlayer& player_;
    GtpTimeControl clock_;
    Position position_ = Position::Start();
    std::vector<Position> history_;
    bool quitAsked_ = false;
};

}  // namespace flipstone::protocol

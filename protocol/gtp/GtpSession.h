#pragma once

#include <array>
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

    // Answers the lines of `in` on `out`, each reply flushed, until quit or the end of the input;
    // a line longer than kLongestLine is answered with a failure and skipped.
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
    // The command table: each command's name and what runs it.
    struct Command {
        std::string_view name;
        Outcome (GtpSession::*run)(const Words& arguments);
    };
    static const std::array<Command, 18> kCommands;

    Outcome ProtocolVersion(const Words& arguments);
    Outcome Name(const Words& arguments);
    Outcome Version(const Words& arguments);
    Outcome KnownCommand(const Words& arguments);
    Outcome ListCommands(const Words& arguments);
    Outcome ListGames(const Words& arguments);
    Outcome SetGame(const Words& arguments);
    Outcome BoardSize(const Words& arguments);
    Outcome ClearBoard(const Words& arguments);
    Outcome Komi(const Words& arguments);
    Outcome Play(const Words& arguments);
    Outcome GenMove(const Words& arguments);
    Outcome Undo(const Words& arguments);
    Outcome FinalScore(const Words& arguments);
    Outcome ShowBoard(const Words& arguments);
    Outcome TimeSettings(const Words& arguments);
    Outcome TimeLeft(const Words& arguments);
    Outcome Quit(const Words& arguments);

    void NewGame();
    void PlayMove(Square square);

    EnginePlayer& player_;
    GtpTimeControl clock_;
    Position position_ = Position::Start();
    std::vector<Position> history_;
    bool quitAsked_ = false;
};

}  // namespace flipstone::protocol

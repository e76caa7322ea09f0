#pragma once

#include <cstdint>
#include <vector>

#include "engine/Board.h"
#include "engine/Position.h"
#include "engine/Square.h"
#include "game/records/GameRecord.h"

namespace flipstone {

// The moves of the game so far, and the line of moves taken back that Redo plays again. Undo
// and Redo step from one turn of the human to the next: the human's move together with the
// replies and passes after it.
class GameHistory {
public:
    GameHistory();

    // A new game from the board, `firstToMove` moving first; nothing to undo or redo.
    void Start(const Board& start, std::uint8_t firstToMove);
    // A game read from a record: its moves so far; nothing to redo.
    void Start(const GameRecord& record);
    // A move played: the redo line is dropped.
    void Add(Square move);

    bool CanUndo(std::uint8_t human) const;
    bool CanRedo() const { return !redo_.empty(); }
    // Takes back the human's last move and every move after it; returns them in the order played.
    std::vector<Square> Undo(std::uint8_t human);
    // Plays again the next move taken back and the replies after it, up to the human's next
    // turn; returns them in the order played.
    std::vector<Square> Redo(std::uint8_t human);
    // One move at a time, whoever played it: for a player who plays both colours.
    bool CanUndoMove() const { return !record_.moves.empty(); }
    std::vector<Square> UndoMove();
    std::vector<Square> RedoMove();

    const GameRecord& Record() const { return record_; }
    // How many games have started, counting the first: a new, loaded or set-up game each.
    std::uint64_t GamesStarted() const { return gamesStarted_; }
    // The position after the moves so far.
    Position Current() const { return record_.FinalPosition(); }
    // The colour of each move so far, by the pass rule.
    std::vector<std::uint8_t> Movers() const;

private:
    // Plays the next move taken back on the position and keeps it; false when there is none or
    // it is not legal there, when the moves taken back are dropped.
    bool RedoNext(Position& position, std::vector<Square>& replayed);

    GameRecord record_;
    // The moves taken back, the next to play again last.
    std::vector<Square> redo_;
    std::uint64_t gamesStarted_ = 0;
};

}  // namespace flipstone

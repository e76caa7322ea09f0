#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "engine/FlipList.h"
#include "engine/Square.h"

namespace flipstone {

class Announcer;
class CFlipstoneDoc;

// Tells the screen reader, in a short sentence, what happens on the board without a key press:
// each move with the discs it turns, passes, the end of the game, a hint and a change of level.
// The view calls it as these show.
class BoardNarrator {
public:
    BoardNarrator(const CFlipstoneDoc& document, Announcer& announcer);

    // The move's own disc is shown.
    void MoveShown();
    // The hint is shown, or found to be none.
    void HintShown();
    // After each step of the game: passes, the end of the game, the level.
    void StepTaken();
    // Undo took these moves back, or Redo played them again ("Took back d3 and c3"); nothing
    // is told when there were none.
    void MovesTakenBack(const std::vector<Square>& moves);
    void MovesReplayed(const std::vector<Square>& moves);

    // "Black d3, turns d4 and e4".
    static QString MoveSentence(std::uint8_t colour, const FlipList& move);

private:
    void TellPassOrEnd();
    // "Level 3", or "Strongest".
    void TellLevel();
    // The game jumped to another position: what it shows now is not news.
    void TellJump(const char* sentence, const std::vector<Square>& moves);

    const CFlipstoneDoc& document_;
    Announcer& announcer_;
    std::int32_t passCount_;
    std::int32_t levelIndex_;
    // The game whose passes are told, by the history's count of games started.
    std::uint64_t game_;
    bool hintTold_ = false;
};

}  // namespace flipstone

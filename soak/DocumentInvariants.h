#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/Board.h"
#include "engine/FlipList.h"

namespace flipstone {
class CFlipstoneDoc;
class HeadlessHost;
}  // namespace flipstone

namespace flipstone::soak {

// Watches one game document through a long run of steps, clicks and commands and checks its
// invariants after every one of them: the animation index and the flip list, the pass count
// after an accepted move, the squares and the disc counts, the end of the game, the move count
// against the moves seen accepted, and the discs each move puts on the board.
class DocumentInvariants {
public:
    // The game fields an action may change, the process-wide step counter left out.
    struct Snapshot {
        Board board{};
        FlipList flips;
        std::int32_t moveCount = 0;
        std::int32_t passCount = 0;
        std::int32_t sideToMove = 0;
        std::int32_t animationIndex = 0;
        std::int32_t markerState = 0;
        std::int32_t hintState = 0;
        std::int32_t levelIndex = 0;
        std::uint8_t thinking = 0;
        std::uint8_t humanColour = 0;
        std::uint8_t computerColour = 0;
    };

    DocumentInvariants(const CFlipstoneDoc& document, const HeadlessHost& host);

    // A new game has been set up (Start with OK, or New): checks that it is fresh and starts the
    // tally of accepted moves again.
    void GameStarted(const std::string& action);
    // Checks the document after one action. Actions nest (a modal box runs steps inside the
    // step that opened it); each is observed when it returns, the innermost first.
    void Observe(const std::string& action);
    // As Observe, for a TurnStep: also counts the steps on which neither side can move.
    void ObserveStep(const std::string& action);
    // As Observe, for a human click that TryMove answered with accepted.
    void ObserveClick(bool accepted);
    // The game-over box has just opened with this text.
    void ObserveGameOver(const std::string& text);

    // Counts one check and records a failure when it does not hold.
    void Expect(bool holds, const std::string& what);

    Snapshot Take() const;
    // Checks that nothing but the step counter changed since the snapshot.
    void ExpectUnchangedSince(const Snapshot& before, const std::string& what);

    long long ChecksMade() const { return checks_; }
    long long FailureCount() const { return failures_; }
    // The first failures, each with the action and the game it happened in.
    const std::vector<std::string>& Failures() const { return failureTexts_; }
    void SetGameNumber(long long game) { gameNumber_ = game; }

private:
    void CheckState();
    void CheckFieldRanges();
    void CheckSquaresAndCounts();
    void CheckAnimation();
    void CheckShownDiscs();
    void CheckEndOfGame();
    void CheckTransition(std::optional<bool> clickAccepted);
    void MoveAccepted();
    void MoveHandedOver();
    std::uint8_t MoverColour() const;

    const CFlipstoneDoc& document_;
    const HeadlessHost& host_;
    std::string action_;
    Snapshot last_;
    Board beforeMove_{};
    Board afterMove_{};
    std::uint8_t moverColour_ = 0;
    long long acceptedMoves_ = 0;
    int stepsWithoutMover_ = 0;
    long long gameNumber_ = 0;
    long long checks_ = 0;
    long long failures_ = 0;
    std::vector<std::string> failureTexts_;
};

}  // namespace flipstone::soak

#include "soak/DocumentInvariants.h"

#include <algorithm>

#include "engine/Position.h"
#include "game/CFlipstoneDoc.h"
#include "game/HeadlessHost.h"

namespace flipstone::soak {

namespace {

constexpr std::size_t kFailuresKept = 20;
// The most steps in a row in which neither side can move before the game is over: the step that
// hands the turn over, then the two passes (the third finding ends the game).
constexpr int kStepsToEndABlockedGame = 3;

bool SameFlips(const FlipList& a, const FlipList& b) {
    if (a.count != b.count) {
        return false;
    }
    for (int k = 0; k <= a.count && k < 64; ++k) {
        if (a.columns[k] != b.columns[k] || a.rows[k] != b.rows[k]) {
            return false;
        }
    }
    return true;
}

bool NeitherSideCanMove(const Board& board) {
    return Position::FromBoard(board, kBlack).IsOver();
}

bool InList(const FlipList& list, int column, int row) {
    for (int k = 0; k <= list.count && k < 64; ++k) {
        if (list.columns[k] == column && list.rows[k] == row) {
            return true;
        }
    }
    return false;
}

int DiscsOf(const Board& board, std::uint8_t colour) {
    return colour == kBlack ? board.CountBlack() : board.CountWhite();
}

}  // namespace

DocumentInvariants::DocumentInvariants(const CFlipstoneDoc& document, const HeadlessHost& host)
    : document_(document), host_(host), last_(Take()) {}

DocumentInvariants::Snapshot DocumentInvariants::Take() const {
    Snapshot snapshot;
    snapshot.board = document_.board;
    snapshot.flips = document_.flipList;
    snapshot.moveCount = document_.moveCount;
    snapshot.passCount = document_.passCount;
    snapshot.sideToMove = document_.sideToMove;
    snapshot.animationIndex = document_.animationIndex;
    snapshot.markerState = document_.markerState;
    snapshot.hintState = document_.hintState;
    snapshot.levelIndex = document_.levelIndex;
    snapshot.thinking = document_.thinking;
    snapshot.humanColour = document_.humanColour;
    snapshot.computerColour = document_.computerColour;
    return snapshot;
}

void DocumentInvariants::Expect(bool holds, const std::string& what) {
    ++checks_;
    if (holds) {
        return;
    }
    ++failures_;
    if (failureTexts_.size() < kFailuresKept) {
        failureTexts_.push_back("game " + std::to_string(gameNumber_) + ", move " +
                                std::to_string(document_.moveCount) + ", after " + action_ + ": " +
                                what);
    }
}

void DocumentInvariants::GameStarted(const std::string& action) {
    action_ = action;
    Board start;
    start.Reset();
    Expect(document_.board == start, "a new game starts from the start position");
    Expect(document_.flipList.count == 0 && document_.animationIndex == 0,
           "a new game shows no move");
    Expect(document_.moveCount == 0 && document_.passCount == 0, "a new game has no moves");
    Expect(document_.thinking == 0 && document_.hintState == kNoHint,
           "a new game has no search under way");
    acceptedMoves_ = 0;
    moverColour_ = 0;
    stepsWithoutMover_ = 0;
    CheckState();
    last_ = Take();
}

void DocumentInvariants::Observe(const std::string& action) {
    action_ = action;
    CheckTransition(std::nullopt);
    CheckState();
    last_ = Take();
}

void DocumentInvariants::ObserveStep(const std::string& action) {
    if (document_.IsGameOver() && last_.passCount != kGameOverPasses) {
        action_ = action;
        Expect(stepsWithoutMover_ == kStepsToEndABlockedGame,
               "the game ends on the third step that finds neither side able to move");
    }
    const bool blocked = !document_.IsGameOver() && document_.flipList.count == 0 &&
                         document_.hintState != kHintRequested &&
                         NeitherSideCanMove(document_.board);
    stepsWithoutMover_ = blocked ? stepsWithoutMover_ + 1 : 0;
    Observe(action);
    Expect(stepsWithoutMover_ <= kStepsToEndABlockedGame,
           "the game is over by the third step on which neither side can move");
}

void DocumentInvariants::ObserveClick(bool accepted) {
    action_ = accepted ? "an accepted click" : "a refused click";
    CheckTransition(accepted);
    CheckState();
    last_ = Take();
}

void DocumentInvariants::ObserveGameOver(const std::string& text) {
    action_ = "the game-over box opened";
    const int human = DiscsOf(document_.board, document_.humanColour);
    const int computer = DiscsOf(document_.board, document_.computerColour);
    const char* expected = human > computer   ? "You Win."
                           : human < computer ? "You Lose"
                                              : "Draw Game";
    Expect(document_.IsGameOver(), "the game is over when its box opens");
    Expect(text == expected, "the box says '" + std::string(expected) + "', not '" + text + "'");
    CheckState();
}

void DocumentInvariants::ExpectUnchangedSince(const Snapshot& before, const std::string& what) {
    const Snapshot now = Take();
    const bool same =
        now.board == before.board && SameFlips(now.flips, before.flips) &&
        now.moveCount == before.moveCount && now.passCount == before.passCount &&
        now.sideToMove == before.sideToMove && now.animationIndex == before.animationIndex &&
        now.markerState == before.markerState && now.hintState == before.hintState &&
        now.levelIndex == before.levelIndex && now.thinking == before.thinking &&
        now.humanColour == before.humanColour && now.computerColour == before.computerColour;
    Expect(same, what);
}

void DocumentInvariants::CheckState() {
    CheckFieldRanges();
    CheckSquaresAndCounts();
    CheckAnimation();
    CheckShownDiscs();
    CheckEndOfGame();
    Expect(document_.moveCount == acceptedMoves_,
           "the move count " + std::to_string(document_.moveCount) + " equals the " +
               std::to_string(acceptedMoves_) + " moves accepted");
}

void DocumentInvariants::CheckFieldRanges() {
    const CFlipstoneDoc& d = document_;
    Expect(d.sideToMove == kHumanSide || d.sideToMove == kComputerSide,
           "the side to move is 0 or 1");
    Expect(d.thinking == 0 || (d.thinking == 1 && d.sideToMove == kComputerSide),
           "the computer thinks only on its own turn");
    Expect(d.hintState >= kNoHint && d.hintState <= kHintReady, "the hint state is 0, 1 or 2");
    Expect(d.markerState >= kMarkersToErase && d.markerState <= kMarkersShown,
           "the marker state is -1, 0, 1 or 2");
    Expect(d.passCount >= 0 && d.passCount <= 3, "the pass count is 0 to 3");
    Expect(d.levelIndex >= 0 && d.levelIndex <= kStrongestLevel,
           "the level index is a level's or the strongest player's");
    const bool coloursValid = (d.humanColour == kBlack && d.computerColour == kWhite) ||
                              (d.humanColour == kWhite && d.computerColour == kBlack);
    Expect(coloursValid, "the two sides have the two colours");
    const bool searching = d.thinking != 0 || d.hintState == kHintRequested;
    Expect(host_.waitCursorDepth == 0 || (host_.waitCursorDepth == 1 && searching),
           "the wait cursor is shown at most once, and only while a search is under way");
}

void DocumentInvariants::CheckSquaresAndCounts() {
    const Board& board = document_.board;
    int black = 0;
    int white = 0;
    bool codesValid = true;
    for (const std::uint8_t code : board.squares) {
        codesValid = codesValid && code <= kWhite;
        black += code == kBlack ? 1 : 0;
        white += code == kWhite ? 1 : 0;
    }
    Expect(codesValid, "every square is 0, 1 or 2");
    Expect(board.CountBlack() == black && board.CountWhite() == white &&
               board.CountDiscs() == black + white,
           "the disc counts equal the board");
}

void DocumentInvariants::CheckAnimation() {
    const int count = document_.flipList.count;
    const int index = document_.animationIndex;
    Expect(count >= 0 && count < 64, "the flip list count is 0 to 63");
    if (count > 0) {
        Expect(index >= 0 && index <= count + 1, "while a move is shown the animation index " +
                                                     std::to_string(index) + " is within 0.." +
                                                     std::to_string(count + 1));
    } else {
        Expect(count == 0 && index == 0, "with no move shown the count and the index are 0");
    }
}

void DocumentInvariants::CheckShownDiscs() {
    const FlipList& flips = document_.flipList;
    if (flips.count <= 0 || flips.count >= 64 || moverColour_ == 0) {
        return;
    }
    // The entries before the animation index are set, the others still as before the move.
    Board expected = beforeMove_;
    const int shown = std::min(document_.animationIndex, flips.count + 1);
    for (int k = 0; k < shown; ++k) {
        if (Board::OnBoard(flips.columns[k], flips.rows[k])) {
            expected.Set(flips.columns[k], flips.rows[k], moverColour_);
        }
    }
    Expect(document_.board == expected, "the board shows exactly the discs set so far");
}

void DocumentInvariants::CheckEndOfGame() {
    if (!document_.IsGameOver()) {
        return;
    }
    Expect(NeitherSideCanMove(document_.board), "the game is over only when neither side can move");
    Expect(document_.flipList.count == 0 && document_.thinking == 0,
           "a finished game shows no move and does not think");
}

void DocumentInvariants::CheckTransition(std::optional<bool> clickAccepted) {
    const int before = last_.flips.count;
    const int now = document_.flipList.count;
    const bool accepted = before == 0 && now > 0;
    if (clickAccepted) {
        Expect(*clickAccepted == accepted, "TryMove's answer matches the flip list");
    }
    if (accepted) {
        MoveAccepted();
    } else if (before > 0 && now == 0) {
        MoveHandedOver();
    } else if (before > 0) {
        Expect(SameFlips(last_.flips, document_.flipList),
               "the move being shown stays the same until it is handed over");
    }
}

std::uint8_t DocumentInvariants::MoverColour() const {
    return document_.SideColour(document_.sideToMove);
}

void DocumentInvariants::MoveAccepted() {
    ++acceptedMoves_;
    Expect(document_.moveCount == acceptedMoves_, "the move count rises with the accepted move");
    Expect(document_.passCount == 0, "the pass count is 0 after an accepted move");
    Expect(document_.animationIndex == 0, "an accepted move is shown from its first entry");
    Expect(document_.board == last_.board, "accepting a move puts nothing on the board");
    beforeMove_ = last_.board;
    moverColour_ = MoverColour();
    afterMove_ = beforeMove_;
    const FlipList& flips = document_.flipList;
    Expect(afterMove_.Place(flips.columns[0], flips.rows[0], moverColour_),
           "the accepted move is legal for the side to move");
    bool listMatches = true;
    for (int column = 0; column < 8; ++column) {
        for (int row = 0; row < 8; ++row) {
            const bool changed = afterMove_.At(column, row) != beforeMove_.At(column, row);
            listMatches = listMatches && changed == InList(flips, column, row);
        }
    }
    Expect(listMatches, "the flip list holds the move and exactly the discs it turns");
}

void DocumentInvariants::MoveHandedOver() {
    if (moverColour_ == 0) {
        return;
    }
    Expect(document_.board == afterMove_, "a finished move leaves the board the rules give");
    Expect(document_.sideToMove != last_.sideToMove, "a finished move hands the turn over");
    moverColour_ = 0;
}

}  // namespace flipstone::soak

#include "game/CFlipstoneDoc.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

#include "engine/SearchValues.h"

namespace flipstone {

namespace {

// Shows the wait cursor for as long as it lives, restoring it on every way out.
class WaitCursor {
public:
    explicit WaitCursor(DocumentHost& host) : host_(host) { host_.BeginWaitCursor(); }
    ~WaitCursor() { host_.EndWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    DocumentHost& host_;
};

// The game-over text: `more` when the first side has more discs than the second, `fewer` when
// it has fewer.
const char* GameOverText(int discs, int otherDiscs, const char* more, const char* fewer) {
    if (discs > otherDiscs) {
        return more;
    }
    return discs < otherDiscs ? fewer : FLIPSTONE_TRANSLATABLE("CFlipstoneDoc", "Draw Game");
}

}  // namespace

CFlipstoneDoc::CFlipstoneDoc(DocumentHost& host, SearchMode mode, const SearchKernel& kernel)
    : host_(host), worker_(mode, kernel) {
    ResetGameFields();
}

CFlipstoneDoc::~CFlipstoneDoc() {
    AbandonSearches();
}

void CFlipstoneDoc::ResetGameFields() {
    searchValue = 0;
    computerColour = kWhite;
    humanColour = kBlack;
    moveCount = 0;
    board.Reset();
    sideToMove = kHumanSide;
    flipList.count = 0;
    flipList.columns[0] = -1;
    flipList.rows[0] = -1;
    passCount = 0;
    animationIndex = 0;
    leafCount = 0;
    examinedSquare = Square{};
    thinking = 0;
    markerState = kMarkersToShow;
    repaintFlag = 1;
    hintState = kNoHint;
}

bool CFlipstoneDoc::NewGame() {
    // The framework's new-document step forgets the file; only New, Open and Save rename.
    documentPath.clear();
    analysis_ = false;
    ResetGameFields();
    history_.Start(board, kBlack);
    AbandonSearches();
    host_.UpdateViews();
    return true;
}

void CFlipstoneDoc::AbandonSearches() {
    AbandonSearch(computerSearch_);
    AbandonSearch(hintSearch_);
    strongest_.Abandon();
    strongestThinks_ = false;
}

void CFlipstoneDoc::AbandonSearch(RootSearchState& state) {
    state.position = -1;
    worker_.Abandon(TicketOf(state));
    ShowWaitCursor(worker_.Busy());
}

std::uint64_t& CFlipstoneDoc::TicketOf(const RootSearchState& state) {
    return &state == &hintSearch_ ? hintTicket_ : computerTicket_;
}

void CFlipstoneDoc::ShowWaitCursor(bool show) {
    if (show == waitCursorShown_) {
        return;
    }
    waitCursorShown_ = show;
    if (show) {
        host_.BeginWaitCursor();
    } else {
        host_.EndWaitCursor();
    }
}

void CFlipstoneDoc::LoadPosition(const Board& position, std::uint8_t computer, std::int32_t level) {
    board = position;
    computerColour = computer;
    humanColour = Opponent(computer);
    levelIndex = level;
    history_.Start(position, computer);
    AbandonSearches();
}

bool CFlipstoneDoc::TryMove(int column, int row, std::uint8_t colour) {
    if (!board.CanPlace(column, row, colour)) {
        return false;
    }
    if (flipList.count != 0) {
        return false;
    }
    board.CollectFlips(column, row, colour, flipList);
    history_.Add(Square{column, row});
    passCount = 0;
    ++moveCount;
    AbandonSearch(hintSearch_);
    return true;
}

bool CFlipstoneDoc::PlayHumanMove(int column, int row) {
    if (sideToMove != kHumanSide || !TryMove(column, row, humanColour)) {
        return false;
    }
    markerState = kMarkersToErase;
    hintState = kNoHint;
    return true;
}

std::uint8_t CFlipstoneDoc::SideColour(int side) const {
    return side != kHumanSide ? computerColour : humanColour;
}

bool CFlipstoneDoc::MoveDisplayStepDue() const {
    return thinking == 0 && hintState != kHintRequested && flipList.count > 0 &&
           animationIndex <= flipList.count;
}

bool CFlipstoneDoc::HumanMayMove() const {
    return sideToMove == kHumanSide && flipList.count == 0 && thinking == 0 && !IsGameOver() &&
           board.HasLegalMove(humanColour);
}

bool CFlipstoneDoc::WaitsForTheHuman() const {
    return animationIndex == 0 && hintState != kHintRequested && stepCounter == kStepsPerDisc &&
           HumanMayMove();
}

void CFlipstoneDoc::TurnStep() {
    // Set after the step, which may have run others inside a modal box.
    const bool worked = AdvanceTurn();
    stepWaited_ = !worked;
}

bool CFlipstoneDoc::AdvanceTurn() {
    const int count = flipList.count;
    if (count > 0 && animationIndex <= count) {
        if (stepCounter == kStepsPerDisc) {
            ShowNextDisc();
            return true;
        }
    } else if (animationIndex > count) {
        HandTurnOver();
        flipList.count = 0;
        animationIndex = 0;
    } else if (!StepWithoutMoveShown()) {
        return false;
    }
    if (stepCounter < kStepsPerDisc) {
        ++stepCounter;
    }
    return true;
}

void CFlipstoneDoc::ShowNextDisc() {
    const int entry = animationIndex;
    board.Set(flipList.columns[entry], flipList.rows[entry], SideColour(sideToMove));
    host_.UpdateViews();
    PlaySoundCue(kDiscCue);
    stepCounter = 1;
}

void CFlipstoneDoc::HandTurnOver() {
    sideToMove = sideToMove == kComputerSide ? kHumanSide : kComputerSide;
    if (analysis_ && sideToMove == kComputerSide) {
        GiveHumanTheColour(computerColour);
        sideToMove = kHumanSide;
    }
    if (sideToMove == kHumanSide) {
        markerState = kMarkersToShow;
        host_.UpdateViews();
    }
}

bool CFlipstoneDoc::StepWithoutMoveShown() {
    if (thinking != 0) {
        const RootStepResult result = ComputerStep();
        if (result == RootStepResult::kWaited) {
            return false;
        }
        host_.UpdateViews();
        if (result == RootStepResult::kFinished) {
            thinking = 0;
        }
        return true;
    }
    if (hintState == kHintRequested) {
        const RootStepResult result = RootStep(hintSearch_, true);
        if (result == RootStepResult::kWaited) {
            return false;
        }
        if (result == RootStepResult::kFinished) {
            hintState = kHintReady;
        }
        host_.UpdateViews();
        return true;
    }
    if (board.HasLegalMove(SideColour(sideToMove))) {
        if (sideToMove == kComputerSide) {
            thinking = 1;
        }
        return true;
    }
    if (passCount < 2) {
        HandTurnOver();
        ++passCount;
    } else if (passCount == 2) {
        EndGame();
    }
    return true;
}

void CFlipstoneDoc::EndGame() {
    const int humanDiscs = humanColour == kBlack ? board.CountBlack() : board.CountWhite();
    const int computerDiscs = computerColour == kBlack ? board.CountBlack() : board.CountWhite();
    // The game is over before the box opens: steps that run while it is open do nothing.
    passCount = kGameOverPasses;
    // In analysis the human played both colours: the result is told by colour.
    host_.ShowGameOver(analysis_
                           ? GameOverText(board.CountBlack(), board.CountWhite(),
                                          FLIPSTONE_TRANSLATABLE("CFlipstoneDoc", "Black wins."),
                                          FLIPSTONE_TRANSLATABLE("CFlipstoneDoc", "White wins."))
                           : GameOverText(humanDiscs, computerDiscs,
                                          FLIPSTONE_TRANSLATABLE("CFlipstoneDoc", "You Win."),
                                          FLIPSTONE_TRANSLATABLE("CFlipstoneDoc", "You Lose")));
}

std::int32_t CFlipstoneDoc::Evaluate(const Board& position) {
    std::int64_t leaves = 0;
    const std::int32_t value = worker_.Evaluate(position, computerColour, leaves);
    leafCount += static_cast<std::int32_t>(leaves);
    return value;
}

std::int32_t CFlipstoneDoc::Search(const Board& position, std::uint8_t side, std::int32_t depth,
                                   std::int32_t bound) {
    std::int64_t leaves = 0;
    const std::int32_t value = worker_.Search(position, side, depth, bound, computerColour, leaves);
    leafCount += static_cast<std::int32_t>(leaves);
    return value;
}

std::int32_t CFlipstoneDoc::RootDepth(const Board& position, std::int32_t level) {
    const bool endgame = position.CountDiscs() >= 53 - level;
    return endgame ? level + 11 : level + 3;
}

bool CFlipstoneDoc::ComputerMoveStep() {
    return ComputerStep() == RootStepResult::kFinished;
}

CFlipstoneDoc::RootStepResult CFlipstoneDoc::ComputerStep() {
    const bool starting = computerSearch_.position == -1 && !strongestThinks_;
    if (strongestThinks_ || (starting && levelIndex == kStrongestLevel)) {
        return StrongestStep();
    }
    return RootStep(computerSearch_, false);
}

double CFlipstoneDoc::StrongestSeconds(const Board& position, std::uint8_t colour) {
    // The preparing step, a step for each root move and the finishing step.
    const auto steps = static_cast<double>(position.LegalSquares(colour).size() + 2);
    return steps * kTickPeriodMs / 1000.0;
}

// Each step shows what the strongest player examines, its value for the computer and the
// positions it has visited, and the step after it has chosen plays its move.
CFlipstoneDoc::RootStepResult CFlipstoneDoc::StrongestStep() {
    if (!strongestThinks_) {
        strongestThinks_ = true;
        strongest_.Start(board, computerColour, StrongestSeconds(board, computerColour));
        leafCount = 0;
        searchValue = 0;
        examinedSquare = Square{};
        ShowWaitCursor(true);
        return RootStepResult::kWorked;
    }
    const std::optional<Square> move = strongest_.Move();
    const StrongestComputer::Progress shown = strongest_.Shown();
    examinedSquare = move ? Square{} : shown.examined;
    searchValue = shown.value;
    leafCount = static_cast<std::int32_t>(
        std::min<std::int64_t>(shown.nodes, std::numeric_limits<std::int32_t>::max()));
    if (!move) {
        return RootStepResult::kWorked;
    }
    strongestThinks_ = false;
    ShowWaitCursor(worker_.Busy());
    TryMove(move->column, move->row, computerColour);
    return RootStepResult::kFinished;
}

bool CFlipstoneDoc::HintStep() {
    return RootStep(hintSearch_, true) == RootStepResult::kFinished;
}

CFlipstoneDoc::RootStepResult CFlipstoneDoc::RootStep(RootSearchState& state, bool forHint) {
    // A synchronous search runs inside this call; a threaded one shows the cursor for as long as
    // its thread is busy, which is known once this call has done its part.
    std::optional<WaitCursor> searchingHere;
    if (worker_.Mode() == SearchMode::kSynchronous) {
        searchingHere.emplace(host_);
    }
    RootStepResult result = RootStepResult::kWorked;
    try {
        if (state.position == -1) {
            PrepareRootSearch(state, forHint);
        } else if (state.position >= state.count) {
            FinishRootSearch(state, forHint);
            result = RootStepResult::kFinished;
        } else if (!SearchNextRootMove(state, forHint)) {
            result = RootStepResult::kWaited;
        }
    } catch (...) {
        ShowWaitCursor(worker_.Busy());
        throw;
    }
    ShowWaitCursor(worker_.Busy());
    return result;
}

void CFlipstoneDoc::PrepareRootSearch(RootSearchState& state, bool forHint) {
    const std::uint8_t mover = forHint ? humanColour : computerColour;
    leafCount = 0;
    state.count = 0;
    state.depth = RootDepth(board, std::min(levelIndex, kStrongestLevel - 1));
    searchValue = forHint ? kHighestValue : kLowestValue;
    state.bestColumn = -1;
    state.bestRow = -1;
    for (const Square square : board.LegalSquares(mover)) {
        const int i = state.count++;
        Board& child = state.childBoards[i];
        child = board;
        child.Place(square.column, square.row, mover);
        state.candidates[i] = MoveCandidate{Evaluate(child), i, square.column, square.row};
    }
    auto* const first = state.candidates;
    auto* const last = state.candidates + state.count;
    if (forHint) {
        std::stable_sort(first, last,
                         [](const auto& a, const auto& b) { return a.value < b.value; });
    } else {
        std::stable_sort(first, last,
                         [](const auto& a, const auto& b) { return a.value > b.value; });
    }
    state.position = 0;
    // With no root move there is nothing to examine; nothing stale from an earlier search shows.
    examinedSquare = state.count > 0 ? Square{first->column, first->row} : Square{};
    StartWorker(state, forHint);
}

void CFlipstoneDoc::StartWorker(RootSearchState& state, bool forHint) {
    RootJob job;
    for (int i = 0; i < state.count; ++i) {
        job.positions.push_back(state.childBoards[state.candidates[i].index]);
    }
    job.toMove = forHint ? computerColour : humanColour;
    job.computerColour = computerColour;
    job.depth = state.depth;
    job.keepsLowest = forHint;
    job.first = state.position;
    job.bound = searchValue;
    TicketOf(state) = worker_.Start(std::move(job));
}

bool CFlipstoneDoc::SearchNextRootMove(RootSearchState& state, bool forHint) {
    RootResult result;
    SearchWorker::Take taken =
        worker_.TakeResult(TicketOf(state), state.position, searchValue, result);
    if (taken == SearchWorker::Take::kLost) {
        StartWorker(state, forHint);
        taken = worker_.TakeResult(TicketOf(state), state.position, searchValue, result);
    }
    if (taken != SearchWorker::Take::kReady) {
        return false;
    }
    const MoveCandidate& candidate = state.candidates[state.position];
    const std::int32_t value = result.value;
    leafCount += static_cast<std::int32_t>(result.leaves);
    state.lastValue = value;
    const bool better = forHint ? value < searchValue : value > searchValue;
    if (better) {
        searchValue = value;
        state.bestColumn = candidate.column;
        state.bestRow = candidate.row;
    }
    ++state.position;
    if (state.position < state.count) {
        const MoveCandidate& next = state.candidates[state.position];
        examinedSquare = Square{next.column, next.row};
    } else {
        examinedSquare = Square{};
    }
    return true;
}

void CFlipstoneDoc::FinishRootSearch(RootSearchState& state, bool forHint) {
    state.position = -1;
    if (forHint) {
        hintSquare = Square{state.bestColumn, state.bestRow};
    } else {
        TryMove(state.bestColumn, state.bestRow, computerColour);
    }
}

void CFlipstoneDoc::PlaySoundCue(unsigned id) {
    host_.PlayCue(id & 0xFFFFu);
}

void CFlipstoneDoc::OnGameStart() {
    StartChoice choice;
    choice.moveChoice = 0;
    choice.levelChoice = levelIndex;
    host_.SetMainTitle(kPlainTitle);
    if (!host_.RunStartDialog(choice)) {
        return;
    }
    NewGame();
    if (choice.levelChoice >= 0 && choice.levelChoice <= 3) {
        levelIndex = choice.levelChoice;
    }
    if (choice.moveChoice == 0) {
        sideToMove = kHumanSide;
        humanColour = kBlack;
        computerColour = kWhite;
        PlaySoundCue(kStartCue);
    } else {
        sideToMove = kComputerSide;
        humanColour = kWhite;
        computerColour = kBlack;
        markerState = kNoMarkers;
    }
}

void CFlipstoneDoc::OnLevel(int index) {
    levelIndex = index;
    if (moveCount > 0) {
        host_.SetMainTitle(kTrainingTitle);
    }
}

void CFlipstoneDoc::OnHint() {
    if (sideToMove != kHumanSide || flipList.count > 0 || thinking != 0 || IsGameOver()) {
        return;
    }
    hintState = kHintRequested;
    host_.SetMainTitle(kTrainingTitle);
    host_.UpdateViews();
}

void CFlipstoneDoc::OnUpdateHint(CommandUpdate& update) const {
    update.Enable(!IsGameOver());
}

void CFlipstoneDoc::OnUpdateLevel(int index, CommandUpdate& update) const {
    update.SetCheck(levelIndex == index ? 1 : 0);
    update.Enable(!IsGameOver());
}

bool CFlipstoneDoc::OnCommand(int id) {
    switch (id) {
        case ID_GAME_START:
            OnGameStart();
            return true;
        case ID_GAME_HINT:
            OnHint();
            return true;
        case ID_LEVEL_1:
        case ID_LEVEL_2:
        case ID_LEVEL_3:
        case ID_LEVEL_4:
            OnLevel(id - ID_LEVEL_1);
            return true;
        case ID_LEVEL_STRONGEST:
            OnLevelStrongest();
            return true;
        case ID_EDIT_UNDO:
            OnUndo();
            return true;
        case ID_EDIT_REDO:
            OnRedo();
            return true;
        default:
            return false;
    }
}

std::vector<Square> CFlipstoneDoc::OnUndo() {
    std::vector<Square> takenBack = analysis_ ? history_.UndoMove() : history_.Undo(humanColour);
    if (!takenBack.empty()) {
        RestoreHistoryPosition();
        host_.SetMainTitle(kTrainingTitle);
    }
    return takenBack;
}

std::vector<Square> CFlipstoneDoc::OnRedo() {
    std::vector<Square> replayed = analysis_ ? history_.RedoMove() : history_.Redo(humanColour);
    if (!replayed.empty()) {
        RestoreHistoryPosition();
        host_.SetMainTitle(kTrainingTitle);
    }
    return replayed;
}

void CFlipstoneDoc::OnUpdateUndo(CommandUpdate& update) const {
    update.Enable(analysis_ ? history_.CanUndoMove() : history_.CanUndo(humanColour));
}

void CFlipstoneDoc::OnUpdateRedo(CommandUpdate& update) const {
    update.Enable(history_.CanRedo());
}

void CFlipstoneDoc::LoadRecord(const GameRecord& record) {
    history_.Start(record);
    RestoreHistoryPosition();
    host_.SetMainTitle(kTrainingTitle);
}

void CFlipstoneDoc::OnAnalysisMode(bool on) {
    if (on == analysis_) {
        return;
    }
    analysis_ = on;
    host_.SetMainTitle(kTrainingTitle);
    const std::uint8_t mover = SideColour(sideToMove);
    if (flipList.count > 0) {
        // The move being shown is answered by the human in analysis, by the computer otherwise.
        if (!on) {
            GiveHumanTheColour(Opponent(mover));
            sideToMove = kComputerSide;
        }
        return;
    }
    if (on && sideToMove == kComputerSide) {
        AbandonSearches();
        thinking = 0;
        examinedSquare = Square{};
        GiveHumanTheColour(mover);
        sideToMove = kHumanSide;
        markerState = kMarkersToShow;
        host_.UpdateViews();
    }
}

void CFlipstoneDoc::PlayFrom(const GameRecord& record, std::uint8_t human) {
    analysis_ = false;
    GiveHumanTheColour(human);
    LoadRecord(record);
}

void CFlipstoneDoc::GiveHumanTheColour(std::uint8_t colour) {
    humanColour = colour;
    computerColour = Opponent(colour);
}

void CFlipstoneDoc::RestoreHistoryPosition() {
    AbandonSearches();
    const Position position = history_.Current();
    const std::vector<Square>& moves = history_.Record().moves;
    const std::vector<std::uint8_t> movers = history_.Movers();
    board = position.GetBoard();
    moveCount = static_cast<std::int32_t>(moves.size());
    flipList.count = 0;
    flipList.columns[0] = moves.empty() ? -1 : moves.back().column;
    flipList.rows[0] = moves.empty() ? -1 : moves.back().row;
    animationIndex = 0;
    thinking = 0;
    hintState = kNoHint;
    examinedSquare = Square{};
    searchValue = 0;
    leafCount = 0;
    // The colour to move after the last move, or its opponent's turn when nobody can move: the
    // steps then find the passes and the end as after any move.
    const std::uint8_t lastMover = movers.empty() ? Opponent(position.ToMove()) : movers.back();
    const std::uint8_t next = position.IsOver() ? Opponent(lastMover) : position.ToMove();
    if (analysis_) {
        GiveHumanTheColour(next);
    }
    sideToMove = next == humanColour ? kHumanSide : kComputerSide;
    // Whose turn it is by the order of play, the record's first colour before any move: when the
    // other colour moves next, this one has passed, as the steps would have counted it.
    const std::uint8_t inTurn =
        movers.empty() ? history_.Record().firstToMove : Opponent(lastMover);
    passCount = !position.IsOver() && next != inTurn ? 1 : 0;
    markerState = sideToMove == kHumanSide ? kMarkersToShow : kNoMarkers;
    repaintFlag = 1;
    host_.UpdateViews();
}

}  // namespace flipstone

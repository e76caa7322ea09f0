#include "soak/SoakRunner.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>

namespace flipstone::soak {

namespace {

// Far more steps than a real game takes; reaching it means the turn cycle is stuck.
constexpr long long kStepLimitPerGame = 2'000'000;
constexpr int kProgressEvery = 50;
// Chances, in percent, of the things a user does now and then.
constexpr int kInterruptedGames = 30;
constexpr int kHintRequests = 25;
constexpr int kHintFollowed = 80;
constexpr int kIllegalClicks = 5;
constexpr int kClicksWhileTurning = 1;
constexpr int kClicksDuringHint = 5;
constexpr int kStepsInStartDialog = 20;
constexpr int kLevelClickInStartDialog = 10;
constexpr int kMostNestedSteps = 40;
constexpr int kLatestInterruption = 50;

}  // namespace

SoakRunner::SoakRunner(const SoakSettings& settings)
    : settings_(settings),
      host_(*this),
      document_(host_, settings.mode),
      invariants_(document_, host_),
      random_(settings.seed) {
    host_.Attach(&document_);
}

SoakFigures SoakRunner::Run(std::ostream* progress) {
    const auto start = std::chrono::steady_clock::now();
    std::unique_ptr<SoakRunner> synchronous;
    if (settings_.mode == SearchMode::kThreaded) {
        SoakSettings same = settings_;
        same.mode = SearchMode::kSynchronous;
        synchronous = std::make_unique<SoakRunner>(same);
    }
    for (int game = 1; game <= settings_.games; ++game) {
        // The step counter belongs to the whole program: both runs of a game start from the same.
        const std::int32_t stepCounter = CFlipstoneDoc::stepCounter;
        PlayGame(game);
        if (synchronous) {
            CFlipstoneDoc::stepCounter = stepCounter;
            synchronous->PlayGame(game);
            CompareWithSynchronousRun(synchronous->published_);
        }
        if (progress != nullptr && game % kProgressEvery == 0) {
            *progress << "games " << game << ", steps " << figures_.steps << ", failures "
                      << invariants_.FailureCount() << std::endl;
        }
    }
    figures_.checks = invariants_.ChecksMade();
    figures_.failures = invariants_.FailureCount();
    figures_.failureTexts = invariants_.Failures();
    if (synchronous) {
        const DocumentInvariants& other = synchronous->invariants_;
        figures_.checks += other.ChecksMade();
        figures_.failures += other.FailureCount();
        for (const std::string& text : other.Failures()) {
            figures_.failureTexts.push_back("synchronous run: " + text);
        }
    }
    figures_.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return figures_;
}

void SoakRunner::PlayGame(int game) {
    invariants_.SetGameNumber(game);
    published_.clear();
    PlayWholeGame(PairingFor(game - 1));
    ++figures_.games;
}

void SoakRunner::CompareWithSynchronousRun(const std::vector<Published>& synchronous) {
    figures_.searchSteps += static_cast<long long>(published_.size());
    const auto differs =
        std::mismatch(published_.begin(), published_.end(), synchronous.begin(), synchronous.end());
    const auto same = static_cast<std::size_t>(differs.first - published_.begin());
    invariants_.Expect(published_ == synchronous,
                       "the search thread publishes what the synchronous steps publish (root "
                       "step " +
                           std::to_string(same + 1) + " of the game differs)");
}

SoakRunner::Pairing SoakRunner::PairingFor(int game) const {
    const int levels = settings_.highestLevel - settings_.lowestLevel + 1;
    const int arrangement = game % (levels * levels * 2);
    const int pair = arrangement / 2;
    Pairing pairing;
    pairing.humanFirst = arrangement % 2 == 0;
    pairing.computerLevel = settings_.lowestLevel + pair / levels;
    pairing.hintLevel = settings_.lowestLevel + pair % levels;
    return pairing;
}

void SoakRunner::PlayWholeGame(const Pairing& pairing) {
    current_ = pairing;
    StartGame(pairing);
    PlanInterruption();
    std::size_t boxesBefore = host_.gameOverTexts.size();
    gameSteps_ = 0;
    while (!document_.IsGameOver()) {
        if (gameSteps_ >= kStepLimitPerGame) {
            invariants_.Expect(false, "the game ends within the step limit");
            break;
        }
        if (InterruptionDue()) {
            Interrupt(pairing);
            boxesBefore = host_.gameOverTexts.size();
        }
        if (document_.HumanMayMove()) {
            ActForHuman(pairing);
        } else if (document_.flipList.count > 0 && document_.sideToMove == kHumanSide &&
                   Chance(kClicksWhileTurning)) {
            ClickWhileTurning();
        }
        Step("a step");
        if (host_.gameOverTexts.size() != boxesBefore) {
            break;  // the game ended; a new one may have been started while its box was open
        }
    }
    if (newGameInBox_) {
        invariants_.ExpectUnchangedSince(
            afterNewGameInBox_, "closing the game-over box changes nothing in the new game");
        newGameInBox_ = false;
    }
}

void SoakRunner::StartGame(const Pairing& pairing) {
    host_.startDialogAccepts = true;
    dialogActed_ = false;
    trainingTitleExpected_ = false;
    host_.startDialogAnswer = StartChoice{pairing.humanFirst ? 0 : 1, pairing.computerLevel - 1};
    document_.OnGameStart();
    invariants_.GameStarted("Start");
    const std::uint8_t human = pairing.humanFirst ? kBlack : kWhite;
    invariants_.Expect(
        document_.humanColour == human &&
            document_.sideToMove == (pairing.humanFirst ? kHumanSide : kComputerSide),
        "Start gives the human the colour and the turn chosen");
    invariants_.Expect(document_.levelIndex == pairing.computerLevel - 1,
                       "Start sets the level chosen");
    ExpectTitleAfterStart();
}

void SoakRunner::ExpectTitleAfterStart() {
    if (trainingTitleExpected_) {
        invariants_.Expect(host_.title == kTrainingTitle,
                           "a level chosen in the start dialog during a game keeps the training "
                           "title");
    } else {
        invariants_.Expect(host_.title == kPlainTitle, "Start shows the plain title");
    }
}

void SoakRunner::PlanInterruption() {
    interruptAt_ = Moment::kNever;
    if (!Chance(kInterruptedGames)) {
        return;
    }
    constexpr int kMoments = 4;
    interruptAt_ = static_cast<Moment>(1 + Below(kMoments));
    interruptAfterMoves_ = Below(kLatestInterruption);
}

bool SoakRunner::InterruptionDue() const {
    if (interruptAt_ == Moment::kNever || document_.moveCount < interruptAfterMoves_) {
        return false;
    }
    switch (interruptAt_) {
        case Moment::kWhileTurning:
            return document_.flipList.count > 0 && document_.animationIndex > 0;
        case Moment::kWhileThinking:
            return document_.thinking == 1;
        case Moment::kDuringHint:
            return document_.hintState == kHintRequested;
        case Moment::kHumanToMove:
            return document_.HumanMayMove();
        case Moment::kNever:
            break;
    }
    return false;
}

void SoakRunner::Interrupt(const Pairing& pairing) {
    const Moment moment = interruptAt_;
    interruptAt_ = Moment::kNever;
    const int kind = Below(10);
    if (kind >= 6 && kind < 8) {
        ++figures_.cancelledStarts;
        host_.startDialogAccepts = false;
        dialogActed_ = false;
        trainingTitleExpected_ = false;
        const DocumentInvariants::Snapshot before = invariants_.Take();
        document_.OnGameStart();
        host_.startDialogAccepts = true;
        if (!dialogActed_) {
            invariants_.ExpectUnchangedSince(before, "a cancelled Start leaves the game as it was");
        }
        invariants_.Observe("Start, Cancel");
        ExpectTitleAfterStart();
        return;
    }
    ++figures_.newGamesMidway;
    figures_.newGamesWhileTurning += moment == Moment::kWhileTurning ? 1 : 0;
    figures_.newGamesWhileThinking += moment == Moment::kWhileThinking ? 1 : 0;
    figures_.newGamesDuringHint += moment == Moment::kDuringHint ? 1 : 0;
    figures_.newGamesOnHumanTurn += moment == Moment::kHumanToMove ? 1 : 0;
    if (kind < 6) {
        StartGame(pairing);
        return;
    }
    const int level = document_.levelIndex;
    document_.NewGame();
    invariants_.GameStarted("New");
    invariants_.Expect(document_.levelIndex == level && document_.humanColour == kBlack &&
                           document_.sideToMove == kHumanSide,
                       "New keeps the level and gives the human black and the first move");
    SelectLevel(pairing.computerLevel);
}

// One step of the timer. A step that found its root move not searched yet changed nothing; it is
// taken again until the step does its work, so that every run of a seed acts at the same moments.
void SoakRunner::Step(const std::string& action) {
    StepOnce(action);
    while (document_.StepWaited()) {
        ++figures_.waitedSteps;
        std::this_thread::yield();
        StepOnce(action + " (again, after waiting for the search thread)");
    }
}

void SoakRunner::StepOnce(const std::string& action) {
    ++figures_.steps;
    ++gameSteps_;
    const bool moveShown = document_.flipList.count > 0 || document_.animationIndex > 0;
    const bool computerStep = !moveShown && document_.thinking != 0;
    const bool hintStep = !moveShown && !computerStep && document_.hintState == kHintRequested;
    document_.TurnStep();
    invariants_.ObserveStep(action);
    if ((computerStep || hintStep) && !document_.StepWaited()) {
        RecordPublished(hintStep);
    }
}

void SoakRunner::RecordPublished(bool hint) {
    const RootSearchState& state =
        hint ? document_.HintSearchState() : document_.ComputerSearchState();
    Published published;
    published.hint = hint;
    published.position = state.position;
    published.count = state.count;
    published.examined = document_.examinedSquare;
    published.searchValue = document_.searchValue;
    published.leafCount = document_.leafCount;
    published.lastValue = state.lastValue;
    if (state.position == -1) {
        published.hintSquare = hint ? document_.hintSquare : Square{};
        published.moveSquare =
            hint ? Square{} : Square{document_.flipList.columns[0], document_.flipList.rows[0]};
    }
    published_.push_back(published);
}

void SoakRunner::ActForHuman(const Pairing& pairing) {
    if (document_.hintState == kHintRequested) {
        if (Chance(kClicksDuringHint)) {
            ClickWhileHintRuns(pairing);
        }
        return;
    }
    if (Chance(kIllegalClicks)) {
        ClickIllegalSquare();
    }
    if (document_.hintState == kHintReady) {
        const Square hint = document_.hintSquare;
        invariants_.Expect(
            Board::OnBoard(hint.column, hint.row) &&
                document_.board.CanPlace(hint.column, hint.row, document_.humanColour),
            "a hint shown on the human's turn is a legal move");
        if (Chance(kHintFollowed)) {
            Click(hint.column, hint.row, pairing);
            return;
        }
    }
    if (Chance(kHintRequests)) {
        AskForHint(pairing);
        return;
    }
    const std::vector<Square> squares = LegalSquares();
    const Square choice =
        squares[static_cast<std::size_t>(Below(static_cast<int>(squares.size())))];
    Click(choice.column, choice.row, pairing);
}

void SoakRunner::ClickWhileHintRuns(const Pairing& pairing) {
    const std::vector<Square> squares = LegalSquares();
    const Square choice =
        squares[static_cast<std::size_t>(Below(static_cast<int>(squares.size())))];
    Click(choice.column, choice.row, pairing);
    invariants_.Expect(document_.HintSearchState().position == -1,
                       "a move accepted during a hint search ends that search");
}

void SoakRunner::Click(int column, int row, const Pairing& pairing) {
    ++figures_.clicks;
    const bool accepted = document_.PlayHumanMove(column, row);
    invariants_.ObserveClick(accepted);
    invariants_.Expect(accepted, "a click on a legal square on the human's turn is accepted");
    SelectLevel(pairing.computerLevel);
}

void SoakRunner::ClickIllegalSquare() {
    std::vector<Square> illegal;
    for (int column = 0; column < 8; ++column) {
        for (int row = 0; row < 8; ++row) {
            if (!document_.board.CanPlace(column, row, document_.humanColour)) {
                illegal.push_back({column, row});
            }
        }
    }
    if (illegal.empty()) {
        return;
    }
    const Square square =
        illegal[static_cast<std::size_t>(Below(static_cast<int>(illegal.size())))];
    ++figures_.clicks;
    ++figures_.refusedClicks;
    const DocumentInvariants::Snapshot before = invariants_.Take();
    const bool accepted = document_.PlayHumanMove(square.column, square.row);
    invariants_.Expect(!accepted, "a click on an illegal square is refused");
    invariants_.ExpectUnchangedSince(before, "a refused click changes nothing");
    invariants_.ObserveClick(accepted);
}

void SoakRunner::ClickWhileTurning() {
    const int column = Below(8);
    const int row = Below(8);
    ++figures_.clicks;
    ++figures_.refusedClicks;
    const DocumentInvariants::Snapshot before = invariants_.Take();
    const bool accepted = document_.PlayHumanMove(column, row);
    invariants_.Expect(!accepted, "a click while a move is shown is refused");
    invariants_.ExpectUnchangedSince(before, "a click while a move is shown changes nothing");
    invariants_.ObserveClick(accepted);
}

void SoakRunner::AskForHint(const Pairing& pairing) {
    SelectLevel(pairing.hintLevel);
    ++figures_.hints;
    document_.OnHint();
    invariants_.Observe("Hint");
    invariants_.Expect(document_.hintState == kHintRequested,
                       "Hint on the human's turn starts a hint search");
    invariants_.Expect(host_.title == kTrainingTitle, "Hint makes the game a training game");
}

void SoakRunner::SelectLevel(int level) {
    document_.OnLevel(level - 1);
    invariants_.Observe("Level " + std::to_string(level));
}

void SoakRunner::WhileStartDialogOpen(StartChoice& choice) {
    invariants_.Expect(choice.moveChoice == 0 && choice.levelChoice == document_.levelIndex,
                       "the start dialog opens with First and the current level");
    ++dialogDepth_;
    if (Chance(kStepsInStartDialog)) {
        dialogActed_ = true;
        const int steps = 1 + Below(kMostNestedSteps);
        for (int i = 0; i < steps; ++i) {
            Step("a step in the start dialog");
        }
    }
    if (Chance(kLevelClickInStartDialog)) {
        dialogActed_ = true;
        trainingTitleExpected_ = document_.moveCount > 0;
        SelectLevel(1 + Below(4));
    }
    --dialogDepth_;
}

void SoakRunner::WhileGameOverOpen() {
    invariants_.ObserveGameOver(host_.gameOverTexts.back());
    const int choice = Below(100);
    if (choice < 35) {
        const DocumentInvariants::Snapshot before = invariants_.Take();
        const int steps = 1 + Below(kMostNestedSteps);
        for (int i = 0; i < steps; ++i) {
            Step("a step in the game-over box");
        }
        invariants_.ExpectUnchangedSince(before,
                                         "steps while the game-over box is open change nothing");
    } else if (choice < 45 && dialogDepth_ == 0) {
        ++figures_.newGamesInGameOverBox;
        StartGame(current_);
        const int steps = Below(kMostNestedSteps);
        for (int i = 0; i < steps; ++i) {
            Step("a step of a game started in the game-over box");
        }
        newGameInBox_ = true;
        afterNewGameInBox_ = invariants_.Take();
    }
}

std::vector<Square> SoakRunner::LegalSquares() const {
    return document_.board.LegalSquares(document_.humanColour);
}

bool SoakRunner::Chance(int percent) {
    return Below(100) < percent;
}

int SoakRunner::Below(int bound) {
    return static_cast<int>(random_() % static_cast<std::uint32_t>(bound));
}

}  // namespace flipstone::soak

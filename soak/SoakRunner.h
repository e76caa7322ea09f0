#pragma once

#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "game/CFlipstoneDoc.h"
#include "game/HeadlessHost.h"
#include "game/SearchWorker.h"
#include "soak/DocumentInvariants.h"

namespace flipstone::soak {

struct SoakSettings {
    int games = 1000;
    std::uint32_t seed = 1;
    // The levels the computer and the hint are drawn from; every pairing of two levels in this
    // range is played with the human moving first and second.
    int lowestLevel = 1;
    int highestLevel = 4;
    // Threaded, the searches run on the document's search thread, and every game is also
    // played synchronously from the same seed to check that both publish the same.
    SearchMode mode = SearchMode::kSynchronous;
};

struct SoakFigures {
    long long games = 0;           // whole games played to the game-over box
    long long newGamesMidway = 0;  // new games started in the middle of a game
    long long newGamesWhileTurning = 0;
    long long newGamesWhileThinking = 0;
    long long newGamesDuringHint = 0;
    long long newGamesOnHumanTurn = 0;
    long long newGamesInGameOverBox = 0;
    long long cancelledStarts = 0;
    long long steps = 0;        // TurnStep calls, those inside the modal boxes included
    long long waitedSteps = 0;  // of them, steps that waited for the search thread
    long long searchSteps = 0;  // root steps compared with the synchronous run
    long long clicks = 0;
    long long refusedClicks = 0;
    long long hints = 0;
    long long checks = 0;
    long long failures = 0;
    std::vector<std::string> failureTexts;
    double seconds = 0;
};

// Plays whole games through the document's turn cycle as the board view and the user would:
// the computer at one level, the human side clicking a random legal square or the hint at
// another, with hints asked for, clicks while discs turn, level changes, nested steps in the
// start dialog and the game-over box, and new games started at random moments. The document's
// invariants are checked after every step, click and command.
class SoakRunner {
public:
    explicit SoakRunner(const SoakSettings& settings);

    // Plays the settings' number of games; progress, if given, gets a line every 50 games.
    SoakFigures Run(std::ostream* progress);

    // What the window sees after one root step: the search's place and its published figures,
    // and the move played or the hint shown when it finishes.
    struct Published {
        bool hint = false;
        int position = 0;
        int count = 0;
        Square examined;
        std::int32_t searchValue = 0;
        std::int32_t leafCount = 0;
        std::int32_t lastValue = 0;
        Square hintSquare;
        Square moveSquare;
        bool operator==(const Published&) const = default;
    };

private:
    struct Pairing {
        int computerLevel = 1;
        int hintLevel = 1;
        bool humanFirst = true;
    };
    // When, if at all, the game in progress is replaced by a new one.
    enum class Moment { kNever, kWhileTurning, kWhileThinking, kDuringHint, kHumanToMove };
    enum class Restart { kStartOk, kStartCancel, kNewCommand };

    Pairing PairingFor(int game) const;
    void PlayGame(int game);
    void PlayWholeGame(const Pairing& pairing);
    // Checks that this game's root steps published what the synchronous run's did.
    void CompareWithSynchronousRun(const std::vector<Published>& synchronous);
    void StartGame(const Pairing& pairing);
    void ExpectTitleAfterStart();
    void PlanInterruption();
    bool InterruptionDue() const;
    void Interrupt(const Pairing& pairing);
    void Step(const std::string& action);
    void StepOnce(const std::string& action);
    void RecordPublished(bool hint);
    void ActForHuman(const Pairing& pairing);
    void ClickWhileHintRuns(const Pairing& pairing);
    void Click(int column, int row, const Pairing& pairing);
    void ClickIllegalSquare();
    void ClickWhileTurning();
    void AskForHint(const Pairing& pairing);
    void SelectLevel(int level);
    void WhileStartDialogOpen(StartChoice& choice);
    void WhileGameOverOpen();
    std::vector<Square> LegalSquares() const;
    bool Chance(int percent);
    int Below(int bound);

    // The start dialog and the game-over box of the soak: the runner acts while they are open.
    class SoakHost : public HeadlessHost {
    public:
        explicit SoakHost(SoakRunner& runner) : runner_(runner) {}

    protected:
        void WhileStartDialogOpen(StartChoice& choice) override {
            runner_.WhileStartDialogOpen(choice);
        }
        void WhileGameOverOpen() override { runner_.WhileGameOverOpen(); }

    private:
        SoakRunner& runner_;
    };

    SoakSettings settings_;
    SoakHost host_;
    CFlipstoneDoc document_;
    DocumentInvariants invariants_;
    std::mt19937 random_;
    SoakFigures figures_;
    Pairing current_;
    Moment interruptAt_ = Moment::kNever;
    int interruptAfterMoves_ = 0;
    long long gameSteps_ = 0;
    bool newGameInBox_ = false;
    // What the start dialog did while open: anything at all, and whether a level button made
    // the game in progress a training game.
    bool dialogActed_ = false;
    bool trainingTitleExpected_ = false;
    int dialogDepth_ = 0;
    DocumentInvariants::Snapshot afterNewGameInBox_;
    // The root steps of the game in progress.
    std::vector<Published> published_;
};

}  // namespace flipstone::soak

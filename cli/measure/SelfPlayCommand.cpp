#include "cli/measure/SelfPlayCommand.h"

#include <chrono>
#include <random>
#include <thread>

#include "cli/json/JsonNumber.h"
#include "engine/BoardText.h"
#include "engine/Position.h"
#include "game/CFlipstoneDoc.h"
#include "game/HeadlessHost.h"

namespace flipstone::cli {

namespace {

constexpr int kRandomOpeningMoves = 3;
// The board view's timer period.
constexpr std::chrono::milliseconds kTickPeriod{CFlipstoneDoc::kTickPeriodMs};
// Far more steps than any real game needs; reaching it means the turn cycle is stuck.
constexpr long long kStepLimit = 50'000'000;

class SelfPlayGame {
public:
    SelfPlayGame(const SelfPlayRequest& request, bool humanFirst, std::uint32_t seed,
                 TickMeter* ticks)
        : document_(host_, request.mode, *request.kernel),
          computerLevel_(request.computerLevel),
          hintLevel_(request.hintLevel),
          random_(seed),
          ticks_(ticks) {
        host_.Attach(&document_);
        host_.startDialogAnswer = StartChoice{humanFirst ? 0 : 1, computerLevel_ - 1};
        document_.OnGameStart();
        if (ticks_ != nullptr) {
            ticks_->Start(document_);
        }
    }

    SelfPlayResult Play(std::ostream* moveLog, int gameNumber) {
        SelfPlayResult result;
        int loggedMoves = 0;
        while (!document_.IsGameOver() && !StepLimitReached()) {
            if (document_.HumanMayMove()) {
                PlayHumanMove();
            }
            Step();
            result.steps += document_.StepWaited() ? 0 : 1;
            if (document_.moveCount != loggedMoves && moveLog != nullptr) {
                LogMove(*moveLog, gameNumber);
            }
            loggedMoves = document_.moveCount;
        }
        const Board& board = document_.board;
        result.moves = document_.moveCount;
        result.black = board.CountBlack();
        result.white = board.CountWhite();
        result.finishedProperly =
            document_.IsGameOver() &&
            (board.CountDiscs() == 64 || Position::FromBoard(board, kBlack).IsOver());
        result.message = host_.gameOverTexts.empty() ? "" : host_.gameOverTexts.back();
        return result;
    }

private:
    void PlayHumanMove() {
        Square choice;
        if (humanMoves_ < kRandomOpeningMoves) {
            const auto squares = document_.board.LegalSquares(document_.humanColour);
            choice = squares[random_() % squares.size()];
        } else {
            choice = AskForHint();
        }
        ++humanMoves_;
        document_.levelIndex = computerLevel_ - 1;
        document_.PlayHumanMove(choice.column, choice.row);
    }

    Square AskForHint() {
        document_.levelIndex = hintLevel_ - 1;
        document_.OnHint();
        while (document_.hintState == kHintRequested && !StepLimitReached()) {
            Step();
        }
        return document_.hintSquare;
    }

    // Every step counts towards the limit, also those that waited for the search thread: a
    // search that never finishes is as stuck as a turn cycle that never ends.
    bool StepLimitReached() const { return stepsTaken_ >= kStepLimit; }

    void Step() {
        ++stepsTaken_;
        if (ticks_ != nullptr) {
            ticks_->Step(document_);
            return;
        }
        document_.TurnStep();
        if (document_.StepWaited()) {
            std::this_thread::yield();  // let the search thread have the processor
        }
    }

    void LogMove(std::ostream& log, int gameNumber) const {
        const Square square{document_.flipList.columns[0], document_.flipList.rows[0]};
        const bool human = document_.sideToMove == kHumanSide;
        const std::uint8_t colour = document_.SideColour(document_.sideToMove);
        log << "{\"game\":" << gameNumber << ",\"ply\":" << document_.moveCount << ",\"side\":\""
            << (human ? "human" : "computer") << "\",\"colour\":\""
            << (colour == kBlack ? "black" : "white") << "\",\"move\":\""
            << BoardText::SquareName(square) << "\",\"value\":" << document_.searchValue
            << ",\"leaves\":" << document_.leafCount << "}\n";
    }

    HeadlessHost host_;
    CFlipstoneDoc document_;
    int computerLevel_;
    int hintLevel_;
    std::mt19937 random_;
    TickMeter* ticks_;
    int humanMoves_ = 0;
    long long stepsTaken_ = 0;
};

}  // namespace

SelfPlayResult PlayOneGame(const SelfPlayRequest& request, bool humanFirst, std::uint32_t seed,
                           std::ostream* moveLog, int gameNumber, TickMeter* ticks) {
    SelfPlayGame game(request, humanFirst, seed, ticks);
    return game.Play(moveLog, gameNumber);
}

int RunSelfPlay(const SelfPlayRequest& request, std::ostream& out) {
    std::mt19937 seeds(request.seed);
    int unfinished = 0;
    TickMeter ticks(kTickPeriod);
    const auto start = std::chrono::steady_clock::now();
    for (int game = 1; game <= request.games; ++game) {
        const bool humanFirst = game % 2 == 1;
        const SelfPlayResult result =
            PlayOneGame(request, humanFirst, seeds(), &out, game, request.ticks ? &ticks : nullptr);
        unfinished += result.finishedProperly ? 0 : 1;
        out << "{\"game\":" << game << ",\"human\":\"" << (humanFirst ? "black" : "white")
            << "\",\"moves\":" << result.moves << ",\"black\":" << result.black
            << ",\"white\":" << result.white << ",\"result\":\"" << result.message
            << "\",\"finished\":" << (result.finishedProperly ? "true" : "false")
            << ",\"steps\":" << result.steps << "}" << std::endl;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    out << "{\"games\":" << request.games << ",\"unfinished\":" << unfinished
        << ",\"seconds\":" << FixedDecimals(seconds, 3) << ",\"kernel\":\"" << request.kernel->name
        << "\",\"worker\":\""
        << (request.mode == SearchMode::kThreaded ? "threaded" : "synchronous") << "\"";
    if (request.ticks) {
        const TickFigures& figures = ticks.Figures();
        out << ",\"tick_ms\":" << kTickPeriod.count() << ",\"ticks\":" << figures.ticks
            << ",\"longest_step_ms\":" << FixedDecimals(figures.longestStepMs, 3)
            << ",\"longest_wait_ticks\":" << figures.longestWaitTicks
            << ",\"longest_move_ticks\":" << figures.longestMoveTicks
            << ",\"longest_move_ms\":" << FixedDecimals(figures.longestMoveMs, 3);
    }
    out << "}" << std::endl;
    return unfinished == 0 ? 0 : 1;
}

}  // namespace flipstone::cli

#include "cli/SelfPlayCommand.h"

#include <chrono>
#include <iomanip>
#include <random>
#include <tuple>

#include "cli/CliOptions.h"
#include "engine/BoardText.h"
#include "game/CFlipstoneDoc.h"
#include "game/HeadlessHost.h"

namespace flipstone::cli {

namespace {

constexpr int kRandomOpeningMoves = 3;
// Far more steps than any real game needs; reaching it means the turn cycle is stuck.
constexpr long long kStepLimit = 50'000'000;

class SelfPlayGame {
public:
    SelfPlayGame(int computerLevel, int hintLevel, bool humanFirst, std::uint32_t seed)
        : document_(host_), computerLevel_(computerLevel), hintLevel_(hintLevel), random_(seed) {
        host_.Attach(&document_);
        host_.startDialogAnswer = StartChoice{humanFirst ? 0 : 1, computerLevel - 1};
        document_.OnGameStart();
    }

    SelfPlayResult Play(std::ostream* moveLog, int gameNumber) {
        SelfPlayResult result;
        int loggedMoves = 0;
        while (!document_.IsGameOver() && result.steps < kStepLimit) {
            if (HumanToChoose()) {
                PlayHumanMove();
            }
            document_.TurnStep();
            ++result.steps;
            if (document_.moveCount != loggedMoves && moveLog != nullptr) {
                LogMove(*moveLog, gameNumber);
            }
            loggedMoves = document_.moveCount;
        }
        const Board& board = document_.board;
        result.moves = document_.moveCount;
        result.black = board.CountBlack();
        result.white = board.CountWhite();
        result.finishedProperly = document_.IsGameOver() &&
                                  (board.CountDiscs() == 64 ||
                                   (!board.HasLegalMove(kBlack) && !board.HasLegalMove(kWhite)));
        result.message = host_.gameOverTexts.empty() ? "" : host_.gameOverTexts.back();
        return result;
    }

private:
    bool HumanToChoose() const {
        return document_.sideToMove == kHumanSide && document_.flipList.count == 0 &&
               document_.thinking == 0 && document_.board.HasLegalMove(document_.humanColour);
    }

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
        while (document_.hintState == kHintRequested) {
            document_.TurnStep();
        }
        return document_.hintSquare;
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
    int humanMoves_ = 0;
};

std::pair<int, int> ParseLevels(const std::string& text) {
    const auto comma = text.find(',');
    if (comma == std::string::npos) {
        throw UsageError("--levels must be two levels A,B such as 2,1, not '" + text + "'");
    }
    const int a =
        static_cast<int>(CliOptions::ParseInteger("--levels A", text.substr(0, comma), 1, 4));
    const int b =
        static_cast<int>(CliOptions::ParseInteger("--levels B", text.substr(comma + 1), 1, 4));
    return {a, b};
}

}  // namespace

SelfPlayResult PlayOneGame(int computerLevel, int hintLevel, bool humanFirst, std::uint32_t seed,
                           std::ostream* moveLog, int gameNumber) {
    SelfPlayGame game(computerLevel, hintLevel, humanFirst, seed);
    return game.Play(moveLog, gameNumber);
}

SelfPlayRequest ParseSelfPlay(const std::vector<std::string>& args) {
    const CliOptions options(args, {"games", "levels", "seed"}, {});
    SelfPlayRequest request;
    request.games = static_cast<int>(options.Integer("games", 1, 100000));
    std::tie(request.computerLevel, request.hintLevel) = ParseLevels(options.Required("levels"));
    request.seed = static_cast<std::uint32_t>(options.IntegerOr("seed", 1, 0, 4294967295LL));
    return request;
}

int RunSelfPlay(const std::vector<std::string>& args, std::ostream& out) {
    const auto [games, computerLevel, hintLevel, seed] = ParseSelfPlay(args);
    std::mt19937 seeds(seed);
    int unfinished = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int game = 1; game <= games; ++game) {
        const bool humanFirst = game % 2 == 1;
        const SelfPlayResult result =
            PlayOneGame(computerLevel, hintLevel, humanFirst, seeds(), &out, game);
        unfinished += result.finishedProperly ? 0 : 1;
        out << "{\"game\":" << game << ",\"human\":\"" << (humanFirst ? "black" : "white")
            << "\",\"moves\":" << result.moves << ",\"black\":" << result.black
            << ",\"white\":" << result.white << ",\"result\":\"" << result.message
            << "\",\"finished\":" << (result.finishedProperly ? "true" : "false")
            << ",\"steps\":" << result.steps << "}" << std::endl;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    out << std::fixed << std::setprecision(3) << "{\"games\":" << games
        << ",\"unfinished\":" << unfinished << ",\"seconds\":" << seconds << "}" << std::endl;
    return unfinished == 0 ? 0 : 1;
}

}  // namespace flipstone::cli

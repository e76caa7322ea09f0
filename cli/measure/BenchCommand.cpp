#include "cli/measure/BenchCommand.h"

#include <algorithm>
#include <chrono>
#include <random>
#include <sstream>
#include <stdexcept>

#include "cli/json/JsonNumber.h"
#include "engine/Position.h"
#include "game/CFlipstoneDoc.h"
#include "game/HeadlessHost.h"

namespace flipstone::cli {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kEndgamePositions = 8;
constexpr int kEndgameEmptySquares = 14;
constexpr int kMidgamePositions = 10;
constexpr std::uint32_t kEndgameSeed = 1400;
constexpr std::uint32_t kMidgameSeed = 3000;

// Random legal play from the start position until `emptySquares` are left. Fails when the game
// ends first or the side whose turn it is there must pass.
bool PlayRandomGame(std::uint32_t seed, int emptySquares, BenchPosition& position) {
    std::mt19937 random(seed);
    Position game = Position::Start();
    std::uint8_t lastMover = kWhite;
    while (64 - game.GetBoard().CountDiscs() > emptySquares) {
        if (game.IsOver()) {
            return false;
        }
        const std::vector<Square> squares = game.LegalSquares();
        lastMover = game.ToMove();
        game.Play(squares[random() % squares.size()]);
    }
    if (game.IsOver() || game.ToMove() == lastMover) {
        return false;
    }
    position.board = game.GetBoard();
    position.computer = game.ToMove();
    return true;
}

std::vector<BenchPosition> Positions(std::uint32_t firstSeed, int count, int firstEmpty,
                                     int emptyStep) {
    std::vector<BenchPosition> positions;
    for (std::uint32_t seed = firstSeed; static_cast<int>(positions.size()) < count; ++seed) {
        const int empty = firstEmpty - emptyStep * static_cast<int>(positions.size());
        BenchPosition position;
        if (PlayRandomGame(seed, empty, position)) {
            positions.push_back(position);
        }
    }
    return positions;
}

double MillisecondsBetween(Clock::time_point start, Clock::time_point end) {
    return std::chrono::duration<double, std::milli>(end - start).count();
}

}  // namespace

std::vector<BenchPosition> BenchSuite(const std::string& name) {
    if (name == "endgame") {
        // Level 4 searches 14 plies from each root move here, the deepest search of the game.
        return Positions(kEndgameSeed, kEndgamePositions, kEndgameEmptySquares, 0);
    }
    if (name == "midgame") {
        // Level 4 at 6 plies, from 44 empty squares down to 26.
        return Positions(kMidgameSeed, kMidgamePositions, 44, 2);
    }
    throw std::invalid_argument("no benchmark suite '" + name + "'");
}

BenchFigures RunBenchSuite(const std::vector<BenchPosition>& positions) {
    BenchFigures figures;
    for (const BenchPosition& position : positions) {
        HeadlessHost host;
        CFlipstoneDoc document(host, SearchMode::kSynchronous);
        host.Attach(&document);
        document.LoadPosition(position.board, position.computer, position.level - 1);
        RootSearchState& state = document.ComputerSearchState();

        const auto start = Clock::now();
        document.ComputerMoveStep();
        while (state.position < state.count) {
            const auto rootStart = Clock::now();
            document.ComputerMoveStep();
            figures.slowestRootMs =
                std::max(figures.slowestRootMs, MillisecondsBetween(rootStart, Clock::now()));
            ++figures.rootMoves;
        }
        const auto end = Clock::now();
        figures.seconds += MillisecondsBetween(start, end) / 1000.0;
        figures.leaves += document.leafCount;
        figures.columns.push_back(state.bestColumn);
        figures.rows.push_back(state.bestRow);
        figures.values.push_back(document.searchValue);
        ++figures.positions;
    }
    return figures;
}

std::string BenchJson(const std::string& suite, const BenchFigures& figures) {
    std::ostringstream json;
    const double rate =
        figures.seconds > 0 ? static_cast<double>(figures.leaves) / figures.seconds : 0.0;
    json << "{\"suite\":\"" << suite << "\",\"positions\":" << figures.positions
         << ",\"root_moves\":" << figures.rootMoves << ",\"leaves\":" << figures.leaves
         << ",\"seconds\":" << FixedDecimals(figures.seconds, 3)
         << ",\"leaves_per_second\":" << FixedDecimals(rate, 0)
         << ",\"slowest_root_ms\":" << FixedDecimals(figures.slowestRootMs, 3) << "}";
    return json.str();
}

int RunBench(const std::string& suite, std::ostream& out) {
    std::vector<std::string> suites = {suite};
    if (suite == "all") {
        suites = {"midgame", "endgame"};
    }
    for (const std::string& name : suites) {
        const std::vector<BenchPosition> positions = BenchSuite(name);
        out << BenchJson(name, RunBenchSuite(positions)) << std::endl;
    }
    return 0;
}

}  // namespace flipstone::cli

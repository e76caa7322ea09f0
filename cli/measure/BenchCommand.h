#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "engine/Board.h"

namespace flipstone::cli {

// One position of a benchmark suite: the computer (the colour to move) chooses its move there
// at the given level.
struct BenchPosition {
    Board board{};
    std::uint8_t computer = kBlack;
    int level = 4;
};

// The fixed positions of a suite, "midgame" or "endgame", reached by seeded random play; the
// same on every machine and every run. Another name is std::invalid_argument.
std::vector<BenchPosition> BenchSuite(const std::string& name);

// What one run over a suite measured.
struct BenchFigures {
    int positions = 0;
    int rootMoves = 0;
    std::int64_t leaves = 0;
    double seconds = 0;
    double slowestRootMs = 0;
    // The chosen squares and values, in suite order: the same whatever the machine.
    std::vector<int> columns;
    std::vector<int> rows;
    std::vector<std::int32_t> values;
};

// Runs the computer's move search on each position through the game document's root steps,
// exactly as the game does, and times every step.
BenchFigures RunBenchSuite(const std::vector<BenchPosition>& positions);

// The figures as one JSON line, without the line end.
std::string BenchJson(const std::string& suite, const BenchFigures& figures);

// flipstone-cli bench: the suite named, or midgame and endgame for "all", a JSON line each.
int RunBench(const std::string& suite, std::ostream& out);

}  // namespace flipstone::cli

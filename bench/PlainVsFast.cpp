// The endgame suite searched twice in one run: by the direct, unoptimised search that the tests
// keep as their yardstick (support/PlainSearch.h), and by the game's own search through the
// document's root steps. Both must find the same moves, values and leaf counts; the lines printed
// give each one's leaves per second and the ratio.
//
//   flipstone-plain-vs-fast [--suite endgame|midgame] [--positions N]

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <string>

#include "cli/measure/BenchCommand.h"
#include "support/PlainSearch.h"

namespace {

using flipstone::Opponent;
using flipstone::cli::BenchFigures;
using flipstone::cli::BenchPosition;

int Usage() {
    std::cerr << "usage: flipstone-plain-vs-fast [--suite endgame|midgame] [--positions N]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string suite = "endgame";
    int limit = -1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--suite" && i + 1 < argc) {
            suite = argv[++i];
        } else if (arg == "--positions" && i + 1 < argc) {
            limit = std::atoi(argv[++i]);
        } else {
            return Usage();
        }
    }
    if (suite != "endgame" && suite != "midgame") {
        return Usage();
    }
    std::vector<BenchPosition> positions = flipstone::cli::BenchSuite(suite);
    if (limit > 0 && limit < static_cast<int>(positions.size())) {
        positions.resize(static_cast<std::size_t>(limit));
    }

    // The plain search, position by position.
    BenchFigures plain;
    for (const BenchPosition& position : positions) {
        const auto start = std::chrono::steady_clock::now();
        const auto result = flipstone::testing::PlainRootSearch(position.board, position.computer,
                                                                Opponent(position.computer),
                                                                position.level - 1, false);
        plain.seconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        plain.leaves += result.leaves;
        plain.rootMoves += static_cast<int>(result.roots.size());
        for (const auto& root : result.roots) {
            plain.slowestRootMs = std::max(plain.slowestRootMs, root.milliseconds);
        }
        plain.columns.push_back(result.bestColumn);
        plain.rows.push_back(result.bestRow);
        plain.values.push_back(result.searchValue);
        ++plain.positions;
    }
    std::cout << flipstone::cli::BenchJson(suite + "-plain", plain) << std::endl;

    const BenchFigures fast = flipstone::cli::RunBenchSuite(positions);
    std::cout << flipstone::cli::BenchJson(suite + "-fast", fast) << std::endl;

    const bool same = plain.leaves == fast.leaves && plain.columns == fast.columns &&
                      plain.rows == fast.rows && plain.values == fast.values;
    const double plainRate = static_cast<double>(plain.leaves) / plain.seconds;
    const double fastRate = static_cast<double>(fast.leaves) / fast.seconds;
    std::cout << std::fixed << std::setprecision(1) << "{\"suite\":\"" << suite
              << "\",\"same_results\":" << (same ? "true" : "false")
              << ",\"speedup\":" << fastRate / plainRate << "}" << std::endl;
    return same ? 0 : 1;
}

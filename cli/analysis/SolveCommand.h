#pragma once

#include <ostream>
#include <string>

namespace CLI {
class App;
}  // namespace CLI

namespace flipstone::cli {

// What solve is asked for: one board and the side to move, or a file of positions, each solved
// exactly by the strongest player on `threads` threads (0: one per core).
struct SolveRequest {
    std::string board;
    std::string side;
    std::string file;
    bool all = false;
    int threads = 0;
};

// Declares flipstone-cli solve and its options but --threads on the command line's parser.
CLI::App& DeclareSolve(CLI::App& app, SolveRequest& request);
// What is wrong with the options together once the command line has parsed; empty when
// nothing is.
std::string SolveUsageProblem(const SolveRequest& request);

// flipstone-cli solve: prints a JSON line per position with the exact value and best move (and
// every move's value with --all), then a summary. Returns 1 when a position of the file has a
// value or best move given after its ';' that the solver does not find, or the file cannot be
// read or holds a line that is not a position.
int RunSolve(const SolveRequest& request, std::ostream& out, std::ostream& err);

}  // namespace flipstone::cli

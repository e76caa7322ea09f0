#include "cli/PerftCommand.h"

#include <chrono>
#include <iomanip>

#include "cli/CliOptions.h"

namespace flipstone::cli {

std::uint64_t Perft(const Board& board, std::uint8_t toMove, int depth) {
    if (depth == 0) {
        return 1;
    }
    std::uint64_t leaves = 0;
    bool moved = false;
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            Board child = board;
            if (child.Place(column, row, toMove)) {
                moved = true;
                leaves += Perft(child, Opponent(toMove), depth - 1);
            }
        }
    }
    if (moved) {
        return leaves;
    }
    if (!board.HasLegalMove(Opponent(toMove))) {
        return 1;
    }
    return Perft(board, Opponent(toMove), depth - 1);
}

int ParsePerftDepth(const std::vector<std::string>& args) {
    const CliOptions options(args, {"depth"}, {});
    return static_cast<int>(options.Integer("depth", 1, 14));
}

int RunPerft(const std::vector<std::string>& args, std::ostream& out) {
    const int maxDepth = ParsePerftDepth(args);
    Board start;
    start.Reset();
    out << std::fixed << std::setprecision(3);
    for (int depth = 1; depth <= maxDepth; ++depth) {
        const auto begin = std::chrono::steady_clock::now();
        const std::uint64_t leaves = Perft(start, kBlack, depth);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin)
                .count();
        out << "{\"depth\":" << depth << ",\"leaves\":" << leaves << ",\"ms\":" << ms << "}"
            << std::endl;
    }
    return 0;
}

}  // namespace flipstone::cli

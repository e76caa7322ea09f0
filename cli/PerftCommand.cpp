#include "cli/PerftCommand.h"

#include <chrono>
#include <iomanip>

#include "cli/CliOptions.h"
#include "engine/BitBoard.h"
#include "engine/Board.h"
#include "engine/SearchKernel.h"

namespace flipstone::cli {

int ParsePerftDepth(const std::vector<std::string>& args) {
    const CliOptions options(args, {"depth"}, {});
    return static_cast<int>(options.Integer("depth", 1, 14));
}

int RunPerft(const std::vector<std::string>& args, std::ostream& out) {
    const int maxDepth = ParsePerftDepth(args);
    Board start;
    start.Reset();
    const BitBoard bits = BitBoard::FromBoard(start);
    const SearchKernel& kernel = SearchKernel::Best();
    out << std::fixed << std::setprecision(3);
    for (int depth = 1; depth <= maxDepth; ++depth) {
        const auto begin = std::chrono::steady_clock::now();
        const std::uint64_t leaves = kernel.perft(bits.black, bits.white, depth);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin)
                .count();
        out << "{\"depth\":" << depth << ",\"leaves\":" << leaves << ",\"ms\":" << ms << "}"
            << std::endl;
    }
    return 0;
}

}  // namespace flipstone::cli

#include "cli/measure/PerftCommand.h"

#include <chrono>

#include "cli/json/JsonNumber.h"
#include "engine/BitBoard.h"
#include "engine/Board.h"
#include "engine/SearchKernel.h"

namespace flipstone::cli {

int RunPerft(int maxDepth, std::ostream& out) {
    Board start;
    start.Reset();
    const BitBoard bits = BitBoard::FromBoard(start);
    const SearchKernel& kernel = SearchKernel::Best();
    for (int depth = 1; depth <= maxDepth; ++depth) {
        const auto begin = std::chrono::steady_clock::now();
        const std::uint64_t leaves = kernel.perft(bits.black, bits.white, depth);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin)
                .count();
        out << "{\"depth\":" << depth << ",\"leaves\":" << leaves
            << ",\"ms\":" << FixedDecimals(ms, 3) << "}" << std::endl;
    }
    return 0;
}

}  // namespace flipstone::cli

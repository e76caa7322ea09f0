#include "train/BalancedOpenings.h"

#include <bit>
#include <cstdlib>
#include <random>

#include "engine/SearchKernel.h"
#include "engine/strong/StrongSearch.h"

namespace flipstone::train {

std::vector<std::string> BalancedOpenings(int count, int plies, int depth, int within,
                                          std::uint64_t seed,
                                          const strong::EvaluationWeights& weights) {
    const SearchKernel& kernel = SearchKernel::Best();
    strong::StrongSearch search(20, 1, weights);
    std::mt19937_64 random(seed);
    std::vector<std::string> openings;
    while (static_cast<int>(openings.size()) < count) {
        std::uint64_t mover = 0x0000000810000000ull;
        std::uint64_t other = 0x0000001008000000ull;
        std::string moves;
        for (int ply = 0; ply < plies; ++ply) {
            std::uint64_t legal = kernel.legalMoves(mover, other);
            if (legal == 0) {
                break;  // no game starts with a pass
            }
            for (auto pick = random() % static_cast<std::uint64_t>(std::popcount(legal)); pick > 0;
                 --pick) {
                legal &= legal - 1;
            }
            const int bit = std::countr_zero(legal);
            const std::uint64_t flips = kernel.flips(bit, mover, other);
            const std::uint64_t played = mover | flips | (std::uint64_t{1} << bit);
            mover = other & ~flips;
            other = played;
            moves += static_cast<char>('a' + bit % 8);
            moves += static_cast<char>('1' + bit / 8);
        }
        if (static_cast<int>(moves.size()) != 2 * plies) {
            continue;
        }
        search.ClearTable();
        if (std::abs(search.SearchToDepth(mover, other, depth).value) <= within) {
            openings.push_back(moves);
        }
    }
    return openings;
}

}  // namespace flipstone::train

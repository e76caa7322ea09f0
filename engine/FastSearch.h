#pragma once

#include <atomic>
#include <cstdint>

#include "engine/Board.h"
#include "engine/SearchKernel.h"
#include "engine/SearchTable.h"

namespace flipstone {

// The computer player's evaluation and search on bitboards, with a table of remembered results
// that lives as long as this object. Values and leaf counts are exactly those of the direct,
// unoptimised evaluation and search on the 64-byte board; only the speed differs. Positions
// arrive as the game's 64-byte boards and are converted on entry.
class FastSearch {
public:
    explicit FastSearch(int tableBits = SearchTable::kDefaultBits);
    // A search on the given kernel; with useTable false it remembers nothing between calls.
    FastSearch(const SearchKernel& kernel, bool useTable, int tableBits = SearchTable::kDefaultBits,
               int nearTableBits = SearchTable::kDefaultNearBits);

    // The score of the board from the computer's side; the leaf count rises by one.
    std::int32_t Evaluate(const Board& board, std::uint8_t computerColour,
                          std::int64_t& leafCount) const;
    // The value of the board with `side` to move, looked ahead `depth` plies, cut off against
    // `bound`; the leaf count rises by the number of evaluations the search makes. A search told
    // to stop (see SearchRequest::stop) gives a value and a count that mean nothing.
    std::int32_t Search(const Board& board, std::uint8_t side, std::int32_t depth,
                        std::int32_t bound, std::uint8_t computerColour, std::int64_t& leafCount,
                        const std::atomic<bool>* stop = nullptr);

    const SearchKernel& Kernel() const { return kernel_; }
    // Forgets every remembered result.
    void ClearTable() { table_.Clear(); }

private:
    const SearchKernel& kernel_;
    bool useTable_;
    SearchTable table_;
};

}  // namespace flipstone

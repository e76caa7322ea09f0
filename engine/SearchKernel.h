#pragma once

#include <atomic>
#include <cstdint>

#include "engine/SearchTable.h"

namespace flipstone {

// One search call on bitboards. Bits are row * 8 + column (see BitBoard). The table may be
// empty; with one, the search remembers and reuses results there.
struct SearchRequest {
    std::uint64_t computer = 0;
    std::uint64_t human = 0;
    bool computerToMove = false;
    std::int32_t depth = 0;
    std::int32_t bound = 0;
    SearchTableView table;
    // Only nodes with at least this much depth left use the table: shallower ones cost less to
    // search again than a lookup in memory the processor's caches do not hold.
    std::int32_t tableMinDepth = 5;
    // When set, the search stops as soon as it sees it raised and returns a value and a leaf
    // count that mean nothing; it remembers no node it cut short.
    const std::atomic<bool>* stop = nullptr;
};

// The computer player's hot loops on bitboards: legal moves, the discs a move turns, the
// evaluation, the search and perft. The same source (KernelUnit.cpp) is compiled twice, for the
// x86-64 baseline and for processors with AVX2 and BMI2; Best() picks the fastest one this
// processor can run, once.
struct SearchKernel {
    const char* name;
    // Squares where `mover` may play against `other`.
    std::uint64_t (*legalMoves)(std::uint64_t mover, std::uint64_t other);
    // Discs of `other` that a move by `mover` on `bit` turns; 0 when the move is not legal.
    std::uint64_t (*flips)(int bit, std::uint64_t mover, std::uint64_t other);
    // The static score from the computer's side; counts no leaf.
    std::int32_t (*evaluate)(std::uint64_t computer, std::uint64_t human);
    // The search's value; adds the leaves it counts to `leaves`.
    std::int32_t (*search)(const SearchRequest& request, std::int64_t& leaves);
    // Leaves of the full move tree (a pass is a move, a finished game one leaf).
    std::uint64_t (*perft)(std::uint64_t toMove, std::uint64_t other, int depth);

    static const SearchKernel& Best();
    static const SearchKernel& Baseline();
    // The AVX2 build, or null when it is not built in or this processor cannot run it.
    static const SearchKernel* Avx2();
};

}  // namespace flipstone

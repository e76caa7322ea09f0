#pragma once

#include <atomic>
#include <cstdint>

#include "engine/strong/StrongTable.h"

namespace flipstone::strong {

// Beyond every final disc difference: a window from -kWindowEdge to kWindowEdge holds them all.
constexpr int kWindowEdge = 65;

// How sure a selective search is: at level kExact nothing is cut on a guess; below it, a node
// whose shallow search says it will fail high or low with at least the level's confidence
// (73, 87, 95, 98, 99 %) is cut there (Multi-ProbCut).
constexpr int kExact = 5;

// From this depth on, the depth-limited searches cut nodes on a guess at this selectivity.
constexpr int kSelectiveDepth = 6;
constexpr int kMidgameSelectivity = 2;
// With at most this many empty squares a solve goes straight for the exact value; with more it
// first solves at rising selectivity, which orders the moves for the exact one.
constexpr int kDirectSolveEmpties = 18;

// What a running search shows: the root move it examines (-1 for none), its best value so far in
// discs and the positions all its threads have visited. Any thread may read it at any time.
struct SearchProgress {
    std::atomic<int> examined{-1};
    std::atomic<int> value{0};
    std::atomic<std::int64_t> nodes{0};
};

// The spread of deep search values around shallow ones, for Multi-ProbCut: sigma[empties][depth]
// is the standard deviation, in 1/kScale discs, of a search of `depth` plies against a search of
// kShallowDepth[depth] plies; endSigma[empties] that of the exact value against a search of
// kEndShallowDepth plies. 0 where nothing was measured: such nodes are never cut.
struct ProbCutTable {
    static constexpr int kScale = 16;
    static constexpr int kMaxDepth = 24;
    static constexpr int kMinDepth = 3;
    static constexpr int kShallowDepth[kMaxDepth + 1] = {0, 0, 0, 1, 0, 1, 2, 1, 2, 3, 2, 3, 4,
                                                         3, 4, 5, 4, 5, 6, 5, 6, 7, 6, 7, 8};
    static constexpr int kEndShallowDepth = 4;
    std::uint16_t sigma[61][kMaxDepth + 1] = {};
    std::uint16_t endSigma[61] = {};
};

// What every thread of one search shares. The stop flag may be raised from any thread; the
// searches see it within about a millisecond and return what they finished.
struct SearchShared {
    TableBucket* buckets = nullptr;
    std::uint64_t bucketMask = 0;
    int date = 0;
    const std::int16_t* weights = nullptr;
    const std::uint8_t* stableLines = nullptr;
    const ProbCutTable* probCut = nullptr;
    const std::atomic<bool>* stop = nullptr;
    SearchProgress* progress = nullptr;
    // The search stops, as for the stop flag, once the progress counts this many positions; 0 for
    // no limit. With one thread the positions counted, and so where it stops, are always the same.
    std::int64_t nodeLimit = 0;
};

// A root move and the value the last search found for it (the next one tries the best first).
struct RootMove {
    int bit = -1;
    int value = 0;
};

// One search of the root: to `depth` plies (to the end of the game at or past the empty
// squares) at `selectivity`, within (alpha, beta), the moves tried in their order.
struct RootRequest {
    std::uint64_t mover = 0;
    std::uint64_t other = 0;
    int depth = 0;
    int selectivity = kExact;
    int alpha = -kWindowEdge;
    int beta = kWindowEdge;
    RootMove* moves = nullptr;
    int count = 0;
    // This thread shows the root move it examines and its best value in the progress.
    bool publishes = false;
};

struct RootReply {
    int value = 0;
    int bit = -1;
    // The stop flag cut the search short: the value and move are those of the moves finished.
    bool stopped = false;
    // At least one move was searched to its end.
    bool anyMove = false;
};

// The strongest player's hot code, built once per instruction set (CoreUnit.cpp), as the search
// kernel is; Best() picks the fastest one this processor can run.
struct StrongKernel {
    const char* name;
    RootReply (*searchRoot)(const SearchShared& shared, const RootRequest& request);
    // The evaluation's estimate of the final disc difference for `mover`.
    int (*evaluate)(const std::int16_t* weights, std::uint64_t mover, std::uint64_t other);
    // The offsets of the weights the evaluation adds up (EvaluationLayout.h), for fitting them.
    void (*features)(std::uint64_t mover, std::uint64_t other, std::uint32_t* out);
    // The discs of `mover` that no sequence of moves can turn.
    std::uint64_t (*stableDiscs)(const std::uint8_t* lines, std::uint64_t mover,
                                 std::uint64_t other);
    // The best move the table holds for the position, -1 for none.
    int (*tableMove)(const SearchShared& shared, std::uint64_t mover, std::uint64_t other);

    static const StrongKernel& Best();
    static const StrongKernel& Baseline();
    // The AVX2 build, or null when it is not built in or this processor cannot run it.
    static const StrongKernel* Avx2();
};

}  // namespace flipstone::strong

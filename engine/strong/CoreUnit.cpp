// The strongest player's hot code for one instruction set, put together from its parts: the board
// (CoreBoard.h), the table's lookup and store (CoreTable.h), the evaluation (CoreEvaluation.h),
// the last empty squares (CoreEndgame.h) and the search shared by the depth-limited search and
// the solver (CoreSearch.h). Like the search kernel's KernelUnit.cpp, this file is compiled twice,
// for the x86-64 baseline and with FLIPSTONE_KERNEL_AVX2 set, each build in its own namespace;
// StrongKernel.cpp picks the build to run.

#include <cstdint>

#include "engine/strong/CoreBoard.h"
#include "engine/strong/CoreEvaluation.h"
#include "engine/strong/CoreSearch.h"
#include "engine/strong/StrongKernel.h"

namespace flipstone::strong::FLIPSTONE_KERNEL_NAMESPACE {

namespace {

RootReply SearchRootEntry(const SearchShared& shared, const RootRequest& request) {
    return SearchRoot(shared, request);
}

int EvaluateEntry(const std::int16_t* weights, U64 mover, U64 other) {
    return Evaluate(weights, mover, other);
}

void FeaturesEntry(U64 mover, U64 other, std::uint32_t* out) {
    FeaturesOf(mover, other, out);
}

U64 StableDiscsEntry(const std::uint8_t* lines, U64 mover, U64 other) {
    return StableDiscs(lines, mover, other);
}

int TableMoveEntry(const SearchShared& shared, U64 mover, U64 other) {
    TableHit hit;
    if (!Probe(KeyOf(shared.buckets, shared.bucketMask, mover, other), hit) ||
        hit.move == kNoMove) {
        return -1;
    }
    return hit.move;
}

}  // namespace

extern const StrongKernel kStrongKernel;
const StrongKernel kStrongKernel = {
#if FLIPSTONE_KERNEL_AVX2
    "avx2",
#else
    "baseline",
#endif
    SearchRootEntry, EvaluateEntry, FeaturesEntry, StableDiscsEntry, TableMoveEntry,
};

}  // namespace flipstone::strong::FLIPSTONE_KERNEL_NAMESPACE

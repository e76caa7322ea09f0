// The search kernel for one instruction set, put together from its parts: move generation
// (KernelMoves.h), evaluation (KernelEvaluation.h), the table's lookups and stores
// (KernelTable.h), the search nodes (KernelSearch.h, KernelEndgame.h) and perft (KernelPerft.h).
// This file is compiled twice: once for the x86-64 baseline and once with FLIPSTONE_KERNEL_AVX2
// set and AVX2/BMI2 code generation. Each build lives in its own namespace and uses nothing
// inline from shared headers, so the two never mix at link time and the baseline build never
// runs an instruction the processor may lack. SearchKernel.cpp picks the build to run.

#include <cstdint>

#include "engine/KernelBasics.h"
#include "engine/KernelEvaluation.h"
#include "engine/KernelMoves.h"
#include "engine/KernelPerft.h"
#include "engine/KernelSearch.h"
#include "engine/KernelTable.h"
#include "engine/SearchKernel.h"

namespace flipstone::kernels::FLIPSTONE_KERNEL_NAMESPACE {

namespace {

U64 LegalMovesEntry(U64 mover, U64 other) {
    return LegalMoves(mover, other);
}

U64 FlipsEntry(int bit, U64 mover, U64 other) {
    if (((mover | other) & Bit(bit)) != 0) {
        return 0;
    }
    return Flips(bit, mover, other);
}

std::int32_t EvaluateEntry(U64 computer, U64 human) {
    return Score(computer, human, LegalMoves(computer, human), LegalMoves(human, computer));
}

std::int32_t SearchEntry(const SearchRequest& request, std::int64_t& leaves) {
    Position position;
    position.computer = request.computer;
    position.human = request.human;
    const int value = Examine(position);
    if (request.depth <= 0) {
        leaves += 1;
        return value;
    }
    Context context{0, KernelTable(request.table), request.tableMinDepth, request.stop};
    const int result =
        request.computerToMove
            ? Node<true>(context, position, value, request.depth, request.bound, true)
            : Node<false>(context, position, value, request.depth, request.bound, true);
    leaves += context.leaves;
    return result;
}

}  // namespace

extern const SearchKernel kKernel;
const SearchKernel kKernel = {
#if FLIPSTONE_KERNEL_AVX2
    "avx2",
#else
    "baseline",
#endif
    LegalMovesEntry, FlipsEntry, EvaluateEntry, SearchEntry, Perft,
};

}  // namespace flipstone::kernels::FLIPSTONE_KERNEL_NAMESPACE

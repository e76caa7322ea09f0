#pragma once

// The move generation of the strongest player: the baseline build of the search kernel's, compiled
// into each of the player's hot files (they are built with FLIPSTONE_KERNEL_AVX2=0) so that the
// compiler can inline it. Like the kernel, everything here has internal linkage.

#include "engine/KernelMoves.h"
#include "engine/strong/Bits.h"

namespace flipstone::strong {
namespace {

// The squares where `mover` may play.
inline Bits LegalMoves(Bits mover, Bits other) {
    return kernels::baseline::LegalMoves(mover, other);
}

// The discs of `other` that a disc of `mover` on `bit` turns.
inline Bits Flips(int bit, Bits mover, Bits other) {
    return kernels::baseline::Flips(bit, mover, other);
}

}  // namespace
}  // namespace flipstone::strong

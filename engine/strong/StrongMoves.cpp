#include "engine/strong/StrongMoves.h"

#include "engine/KernelMoves.h"

namespace flipstone::strong {

Bits LegalMoves(Bits mover, Bits other) {
    return kernels::baseline::LegalMoves(mover, other);
}

Bits Flips(int bit, Bits mover, Bits other) {
    return kernels::baseline::Flips(bit, mover, other);
}

}  // namespace flipstone::strong

#include "engine/strong/StrongKernel.h"

// The builds of the strongest player's hot code, one per instruction set (CoreUnit.cpp).
namespace flipstone::strong {
namespace baseline {
extern const StrongKernel kStrongKernel;
}  // namespace baseline
#if FLIPSTONE_HAVE_AVX2_KERNEL
namespace avx2 {
extern const StrongKernel kStrongKernel;
}  // namespace avx2
#endif

const StrongKernel& StrongKernel::Baseline() {
    return baseline::kStrongKernel;
}

const StrongKernel* StrongKernel::Avx2() {
#if FLIPSTONE_HAVE_AVX2_KERNEL
    static const bool supported = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") &&
                                  __builtin_cpu_supports("bmi2") &&
                                  __builtin_cpu_supports("popcnt");
    return supported ? &avx2::kStrongKernel : nullptr;
#else
    return nullptr;
#endif
}

const StrongKernel& StrongKernel::Best() {
    static const StrongKernel& best = Avx2() != nullptr ? *Avx2() : Baseline();
    return best;
}

}  // namespace flipstone::strong

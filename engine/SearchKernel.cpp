#include "engine/SearchKernel.h"

// The kernel's builds, one per instruction set (KernelUnit.cpp).
namespace flipstone::kernels {
namespace baseline {
extern const SearchKernel kKernel;
}  // namespace baseline
#if FLIPSTONE_HAVE_AVX2_KERNEL
namespace avx2 {
extern const SearchKernel kKernel;
}  // namespace avx2
#endif
}  // namespace flipstone::kernels

namespace flipstone {

const SearchKernel& SearchKernel::Baseline() {
    return kernels::baseline::kKernel;
}

const SearchKernel* SearchKernel::Avx2() {
#if FLIPSTONE_HAVE_AVX2_KERNEL
    static const bool supported = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") &&
                                  __builtin_cpu_supports("bmi2") &&
                                  __builtin_cpu_supports("popcnt");
    return supported ? &kernels::avx2::kKernel : nullptr;
#else
    return nullptr;
#endif
}

const SearchKernel& SearchKernel::Best() {
    static const SearchKernel& best = Avx2() != nullptr ? *Avx2() : Baseline();
    return best;
}

}  // namespace flipstone

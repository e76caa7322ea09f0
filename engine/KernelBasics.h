#pragma once

// What every part of the search kernel shares. The kernel's parts (the Kernel*.h headers) are
// compiled only inside KernelUnit.cpp, which is built once per instruction set, and (the baseline
// build of the move generation alone) inside the strongest player's hot files. Each part puts
// everything it defines in that build's own namespace, and within it in an unnamed one: a
// function the baseline build calls can then never be a copy that the AVX2 build compiled, which
// the linker might otherwise pick and which would crash processors without AVX2. Nothing here may
// call an inline function of an ordinary shared header.

#if !defined(FLIPSTONE_KERNEL_AVX2)
#error "The kernel's parts are compiled only where FLIPSTONE_KERNEL_AVX2 names the instruction set"
#endif

#include <cstdint>

#if FLIPSTONE_KERNEL_AVX2
#include <immintrin.h>
#define FLIPSTONE_KERNEL_NAMESPACE avx2
#else
#define FLIPSTONE_KERNEL_NAMESPACE baseline
#endif

namespace flipstone::kernels::FLIPSTONE_KERNEL_NAMESPACE {
namespace {

using U64 = std::uint64_t;

constexpr int kLowest = -9999;
constexpr int kHighest = 9999;
// More than a side can ever have legal moves.
constexpr int kMaxMoves = 64;

inline U64 Bit(int bit) {
    return U64{1} << bit;
}

inline int PopCount(U64 x) {
#if FLIPSTONE_KERNEL_AVX2
    return __builtin_popcountll(x);
#else
    x = x - ((x >> 1) & 0x5555555555555555ull);
    x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((x * 0x0101010101010101ull) >> 56);
#endif
}

inline int LowestBit(U64 x) {
    return __builtin_ctzll(x);
}

// Whether `value` is better than `than` for the side to move: higher for the computer.
template <bool kComputer>
inline bool Better(int value, int than) {
    return kComputer ? value > than : value < than;
}

}  // namespace
}  // namespace flipstone::kernels::FLIPSTONE_KERNEL_NAMESPACE

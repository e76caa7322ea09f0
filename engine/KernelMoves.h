#pragma once

// Move generation for the search kernel: the legal moves of a side and the discs a move turns,
// for all squares at once with word-wide shifts.

#include "engine/KernelBasics.h"

namespace flipstone::kernels::FLIPSTONE_KERNEL_NAMESPACE {
namespace {

// Every column but the two edge ones. Discs turned along a row or a diagonal never lie in an edge
// column, so the other side's discs masked with it keep the shifts from wrapping across rows.
constexpr U64 kInnerColumns = 0x7E7E7E7E7E7E7E7Eull;

// Rays from each square to the edge, square itself excluded: towards higher bits (right, down,
// down-left, down-right) and towards lower bits (left, up, up-right, up-left). Lanes 0 to 3 of
// `up` and of `down` step by 1, 8, 7 and 9 bits.

struct alignas(32) RayLanes {
    U64 lane[4];
};

struct Rays {
    RayLanes up[64];
    RayLanes down[64];
};

constexpr U64 Ray(int bit, int columnStep, int rowStep) {
    U64 ray = 0;
    int column = (bit & 7) + columnStep;
    int row = (bit >> 3) + rowStep;
    while (column >= 0 && column < 8 && row >= 0 && row < 8) {
        ray |= U64{1} << (row * 8 + column);
        column += columnStep;
        row += rowStep;
    }
    return ray;
}

constexpr Rays MakeRays() {
    Rays rays{};
    // (column step, row step) of the lanes, towards higher bits; `down` walks the opposite way.
    constexpr int kLaneSteps[4][2] = {{1, 0}, {0, 1}, {-1, 1}, {1, 1}};
    for (int bit = 0; bit < 64; ++bit) {
        for (int d = 0; d < 4; ++d) {
            rays.up[bit].lane[d] = Ray(bit, kLaneSteps[d][0], kLaneSteps[d][1]);
            rays.down[bit].lane[d] = Ray(bit, -kLaneSteps[d][0], -kLaneSteps[d][1]);
        }
    }
    return rays;
}

constexpr Rays kRays = MakeRays();

#if FLIPSTONE_KERNEL_AVX2

inline U64 OrLanes(__m256i v) {
    const __m128i half = _mm_or_si128(_mm256_castsi256_si128(v), _mm256_extracti128_si256(v, 1));
    return static_cast<U64>(_mm_cvtsi128_si64(half)) | static_cast<U64>(_mm_extract_epi64(half, 1));
}

// Four directions per vector (steps 1, 8, 7, 9), each shifted both ways: runs of `other` discs
// that start next to a `mover` disc, grown by doubling, and the square just past them.
inline U64 LegalMoves(U64 mover, U64 other) {
    const __m256i shift1 = _mm256_set_epi64x(9, 7, 8, 1);
    const __m256i shift2 = _mm256_set_epi64x(18, 14, 16, 2);
    const __m256i moverV = _mm256_set1_epi64x(static_cast<long long>(mover));
    const __m256i otherV =
        _mm256_and_si256(_mm256_set1_epi64x(static_cast<long long>(other)),
                         _mm256_set_epi64x(static_cast<long long>(kInnerColumns),
                                           static_cast<long long>(kInnerColumns), -1LL,
                                           static_cast<long long>(kInnerColumns)));
    __m256i left = _mm256_and_si256(otherV, _mm256_sllv_epi64(moverV, shift1));
    __m256i right = _mm256_and_si256(otherV, _mm256_srlv_epi64(moverV, shift1));
    left = _mm256_or_si256(left, _mm256_and_si256(otherV, _mm256_sllv_epi64(left, shift1)));
    right = _mm256_or_si256(right, _mm256_and_si256(otherV, _mm256_srlv_epi64(right, shift1)));
    const __m256i pairsLeft = _mm256_and_si256(otherV, _mm256_sllv_epi64(otherV, shift1));
    const __m256i pairsRight = _mm256_srlv_epi64(pairsLeft, shift1);
    left = _mm256_or_si256(left, _mm256_and_si256(pairsLeft, _mm256_sllv_epi64(left, shift2)));
    right = _mm256_or_si256(right, _mm256_and_si256(pairsRight, _mm256_srlv_epi64(right, shift2)));
    left = _mm256_or_si256(left, _mm256_and_si256(pairsLeft, _mm256_sllv_epi64(left, shift2)));
    right = _mm256_or_si256(right, _mm256_and_si256(pairsRight, _mm256_srlv_epi64(right, shift2)));
    const __m256i moves =
        _mm256_or_si256(_mm256_sllv_epi64(left, shift1), _mm256_srlv_epi64(right, shift1));
    return OrLanes(moves) & ~(mover | other);
}

// Along each ray from the square: the first square that is not `other`; the discs before it
// turn when it holds `mover`. Towards higher bits that square is the ray's lowest such bit;
// towards lower bits the highest, found by clearing everything a nearer blocker shadows.
inline U64 Flips(int bit, U64 mover, U64 other) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i shift1 = _mm256_set_epi64x(9, 7, 8, 1);
    const __m256i shift2 = _mm256_set_epi64x(18, 14, 16, 2);
    const __m256i shift4 = _mm256_set_epi64x(36, 28, 32, 4);
    const __m256i moverV = _mm256_set1_epi64x(static_cast<long long>(mover));
    const __m256i otherV = _mm256_set1_epi64x(static_cast<long long>(other));

    const __m256i up = _mm256_load_si256(reinterpret_cast<const __m256i*>(kRays.up[bit].lane));
    const __m256i upBlockers = _mm256_andnot_si256(otherV, up);
    const __m256i upFirst = _mm256_and_si256(upBlockers, _mm256_sub_epi64(zero, upBlockers));
    const __m256i upEnd = _mm256_and_si256(upFirst, moverV);
    const __m256i upBelow = _mm256_andnot_si256(_mm256_cmpeq_epi64(upEnd, zero),
                                                _mm256_add_epi64(upEnd, _mm256_set1_epi64x(-1)));
    __m256i flipped = _mm256_and_si256(up, upBelow);

    const __m256i down = _mm256_load_si256(reinterpret_cast<const __m256i*>(kRays.down[bit].lane));
    const __m256i downBlockers = _mm256_andnot_si256(otherV, down);
    __m256i shadow = _mm256_srlv_epi64(downBlockers, shift1);
    shadow = _mm256_or_si256(shadow, _mm256_srlv_epi64(shadow, shift1));
    shadow = _mm256_or_si256(shadow, _mm256_srlv_epi64(shadow, shift2));
    shadow = _mm256_or_si256(shadow, _mm256_srlv_epi64(shadow, shift4));
    const __m256i downEnd = _mm256_and_si256(_mm256_andnot_si256(shadow, downBlockers), moverV);
    const __m256i downAbove = _mm256_sub_epi64(zero, _mm256_slli_epi64(downEnd, 1));
    flipped = _mm256_or_si256(flipped, _mm256_and_si256(down, downAbove));
    return OrLanes(flipped);
}

#else

template <int kStep>
inline U64 MovesOneWay(U64 mover, U64 other, U64 empty) {
    // A run can be at most six discs long; grow it one step twice, then two steps twice.
    auto shift = [](U64 x, int n) { return kStep > 0 ? x << n : x >> n; };
    constexpr int step = kStep > 0 ? kStep : -kStep;
    U64 run = other & shift(mover, step);
    run |= other & shift(run, step);
    const U64 pairs = other & shift(other, step);
    run |= pairs & shift(run, 2 * step);
    run |= pairs & shift(run, 2 * step);
    return shift(run, step) & empty;
}

inline U64 LegalMoves(U64 mover, U64 other) {
    const U64 empty = ~(mover | other);
    const U64 inner = other & kInnerColumns;
    return MovesOneWay<1>(mover, inner, empty) | MovesOneWay<-1>(mover, inner, empty) |
           MovesOneWay<8>(mover, other, empty) | MovesOneWay<-8>(mover, other, empty) |
           MovesOneWay<7>(mover, inner, empty) | MovesOneWay<-7>(mover, inner, empty) |
           MovesOneWay<9>(mover, inner, empty) | MovesOneWay<-9>(mover, inner, empty);
}

inline U64 Flips(int bit, U64 mover, U64 other) {
    U64 flipped = 0;
    for (int d = 0; d < 4; ++d) {
        const U64 up = kRays.up[bit].lane[d];
        const U64 upBlockers = up & ~other;
        const U64 upEnd = upBlockers & (0 - upBlockers) & mover;
        flipped |= up & (upEnd - static_cast<U64>(upEnd != 0));

        const U64 down = kRays.down[bit].lane[d];
        // Bit 0 stands in when there is no blocker; it is then not on the ray and turns nothing.
        const U64 downBlockers = (down & ~other) | 1;
        const U64 downEnd = Bit(63 - __builtin_clzll(downBlockers)) & mover & down;
        flipped |= down & (0 - (downEnd << 1));
    }
    return flipped;
}

#endif

}  // namespace
}  // namespace flipstone::kernels::FLIPSTONE_KERNEL_NAMESPACE

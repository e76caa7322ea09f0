#include "engine/strong/BoardSymmetry.h"

#include <array>

namespace flipstone::strong {

namespace symmetry {

namespace {

Bits MirrorColumns(Bits b) {
    b = ((b >> 1) & 0x5555555555555555ull) | ((b & 0x5555555555555555ull) << 1);
    b = ((b >> 2) & 0x3333333333333333ull) | ((b & 0x3333333333333333ull) << 2);
    return ((b >> 4) & 0x0F0F0F0F0F0F0F0Full) | ((b & 0x0F0F0F0F0F0F0F0Full) << 4);
}

Bits MirrorRows(Bits b) {
    return __builtin_bswap64(b);
}

// Square (column, row) goes to (row, column).
Bits MirrorDiagonal(Bits b) {
    Bits t = (b ^ (b >> 7)) & 0x00AA00AA00AA00AAull;
    b ^= t ^ (t << 7);
    t = (b ^ (b >> 14)) & 0x0000CCCC0000CCCCull;
    b ^= t ^ (t << 14);
    t = (b ^ (b >> 28)) & 0x00000000F0F0F0F0ull;
    return b ^ t ^ (t << 28);
}

std::array<int, kCount> MakeInverses() {
    std::array<int, kCount> inverses{};
    for (int s = 0; s < kCount; ++s) {
        for (int t = 0; t < kCount; ++t) {
            bool undoes = true;
            for (int bit = 0; bit < 64 && undoes; ++bit) {
                undoes = TransformBit(TransformBit(bit, s), t) == bit;
            }
            if (undoes) {
                inverses[s] = t;
            }
        }
    }
    return inverses;
}

}  // namespace

Bits Transform(Bits squares, int symmetry) {
    if ((symmetry & 4) != 0) {
        squares = MirrorDiagonal(squares);
    }
    if ((symmetry & 1) != 0) {
        squares = MirrorColumns(squares);
    }
    if ((symmetry & 2) != 0) {
        squares = MirrorRows(squares);
    }
    return squares;
}

int TransformBit(int bit, int symmetry) {
    return __builtin_ctzll(Transform(Bits{1} << bit, symmetry));
}

int Inverse(int symmetry) {
    static const std::array<int, kCount> inverses = MakeInverses();
    return inverses[symmetry];
}

std::vector<int> Keeping(Bits mover, Bits other) {
    std::vector<int> keeping;
    for (int s = 1; s < kCount; ++s) {
        if (Transform(mover, s) == mover && Transform(other, s) == other) {
            keeping.push_back(s);
        }
    }
    return keeping;
}

}  // namespace symmetry

CanonicalPosition CanonicalPosition::Of(Bits mover, Bits other) {
    CanonicalPosition least{mover, other, 0};
    for (int s = 1; s < symmetry::kCount; ++s) {
        const Bits m = symmetry::Transform(mover, s);
        const Bits o = symmetry::Transform(other, s);
        if (m < least.mover || (m == least.mover && o < least.other)) {
            least = {m, o, s};
        }
    }
    return least;
}

int CanonicalPosition::BitOnGivenBoard(int canonicalBit) const {
    return symmetry::TransformBit(canonicalBit, symmetry::Inverse(symmetry));
}

}  // namespace flipstone::strong

#include "engine/strong/StableLines.h"

#include <array>

namespace flipstone::strong {

namespace {

using Line = std::array<std::uint8_t, 256 * 256>;

// The discs of `other` that a disc of `mover` placed on `square` turns along the line.
unsigned LineFlips(unsigned mover, unsigned other, int square) {
    unsigned flips = 0;
    for (const int step : {-1, 1}) {
        unsigned run = 0;
        int at = square + step;
        while (at >= 0 && at < 8 && ((other >> at) & 1) != 0) {
            run |= 1u << at;
            at += step;
        }
        if (at >= 0 && at < 8 && ((mover >> at) & 1) != 0) {
            flips |= run;
        }
    }
    return flips;
}

// Stable discs are those that keep their colour after any disc of either colour on any empty
// square (whether or not the board's other lines make it a legal move) and stay stable there.
unsigned Stable(Line& table, std::array<bool, 256 * 256>& known, unsigned a, unsigned b) {
    const unsigned index = a * 256 + b;
    if (known[index]) {
        return table[index];
    }
    const unsigned occupied = a | b;
    unsigned stable = occupied;
    for (int square = 0; square < 8 && stable != 0; ++square) {
        if (((occupied >> square) & 1) != 0) {
            continue;
        }
        const unsigned fromA = LineFlips(a, b, square);
        stable &= ~fromA & Stable(table, known, a | fromA | (1u << square), b & ~fromA);
        const unsigned fromB = LineFlips(b, a, square);
        stable &= ~fromB & Stable(table, known, a & ~fromB, b | fromB | (1u << square));
    }
    known[index] = true;
    table[index] = static_cast<std::uint8_t>(stable);
    return stable;
}

Line MakeTable() {
    Line table{};
    std::array<bool, 256 * 256> known{};
    for (unsigned a = 0; a < 256; ++a) {
        for (unsigned b = 0; b < 256; ++b) {
            if ((a & b) == 0) {
                Stable(table, known, a, b);
            }
        }
    }
    return table;
}

}  // namespace

const std::uint8_t* StableLineTable() {
    static const Line table = MakeTable();
    return table.data();
}

}  // namespace flipstone::strong

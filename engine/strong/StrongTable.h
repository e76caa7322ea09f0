#pragma once

#include <cstdint>
#include <vector>

#include "engine/strong/Bits.h"

namespace flipstone::strong {

// What a search learnt of one position: bounds on its value at a depth, and its best move.
struct TableEntry {
    Bits mover = 0;
    Bits other = 0;
    std::int32_t lower = 0;
    std::int32_t upper = 0;
    std::int8_t depth = -1;
    std::int8_t move = -1;

    // What a search of the window (alpha, beta) that found `best` learnt: a value at or below
    // alpha is only an upper bound, one at or above beta only a lower bound; `unbounded` is
    // larger than any value.
    static TableEntry FromWindow(Bits mover, Bits other, int best, int alpha, int beta,
                                 int unbounded, int depth, int move);
};

// The transposition table: one entry per slot, the newest result replacing the older.
class StrongTable {
public:
    explicit StrongTable(int bits);

    const TableEntry* Find(Bits mover, Bits other) const;
    void Store(const TableEntry& entry);
    void Clear();

private:
    std::size_t SlotOf(Bits mover, Bits other) const;

    std::vector<TableEntry> slots_;
    int shift_;
};

}  // namespace flipstone::strong

#pragma once

#include <chrono>
#include <cstdint>

#include "engine/strong/Bits.h"
#include "engine/strong/EndgameSolver.h"
#include "engine/strong/MoveOrdering.h"
#include "engine/strong/SearchClock.h"
#include "engine/strong/StrongTable.h"

namespace flipstone::strong {

// The move chosen and how it was found.
struct ThinkResult {
    int bit = -1;  // the square, BitBoard's bit; -1 when the side has no legal move
    int value = 0;
    int depth = 0;        // the deepest finished search
    bool solved = false;  // the value is the exact final disc difference
    std::int64_t nodes = 0;
};

// The strongest player: deeper and deeper searches until the time budget would run out, each
// ordered by the last one's best moves and the table; near the end, the exact solution.
class StrongSearch {
public:
    explicit StrongSearch(int tableBits = kDefaultTableBits);

    ThinkResult Think(Bits mover, Bits other, std::chrono::duration<double> budget);

    static constexpr int kDefaultTableBits = 20;
    // At or below this many empty squares the game is solved when time allows.
    static constexpr int kSolveEmpties = 22;

private:
    void Deepen(Bits mover, Bits other, int empties, ThinkResult& result);
    void SolveEnd(Bits mover, Bits other, ThinkResult& result);
    int SearchRoot(Bits mover, Bits other, int depth, int& bestBit);
    int Search(Bits mover, Bits other, int depth, int alpha, int beta, bool passed);
    int SearchList(Bits mover, Bits other, const OrderedMove* list, int count, int depth, int alpha,
                   int beta, int& bestBit);

    SearchClock clock_;
    StrongTable table_;
    EndgameSolver solver_;
};

}  // namespace flipstone::strong

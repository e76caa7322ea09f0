#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/strong/Bits.h"
#include "engine/strong/SearchSession.h"

namespace flipstone::strong {

// How far an analysis of every move goes, counted in positions rather than seconds: the same
// position then gets the same values on any machine at any load, as long as it is searched on
// one thread.
struct AnalysisBudget {
    // The positions the analysis may visit; a deeper search or a surer solve starts only when it
    // is expected to fit in what is left, and one that overruns the budget (a depth-limited
    // search: twice the budget) is dropped. A position that is its own mirror image searches one
    // move of each set of mirror-image moves, so the same budget takes those moves deeper.
    std::int64_t nodes = 0;
    // At or below this many empty squares every move is solved exactly, whatever it costs.
    int exactEmpties = 0;
    // At or below this many, every move is then solved at rising selectivity, up to the exact
    // value, while each solve is expected to fit, within `solveNodes` positions in all.
    int solveEmpties = 0;
    std::int64_t solveNodes = 0;

    // Every move solved exactly, however long it takes.
    static AnalysisBudget Exact() { return {0, 64, 64, 0}; }
};

// One legal move and its value in discs for the side that plays it; exact when `exact`.
struct MoveValue {
    int bit = -1;
    int value = 0;
    bool exact = false;
    int depth = 0;  // of the search that gave the value, in plies from the position
};

// The mean of two searches' values one ply apart, halves rounded away from zero so that it is the
// same from either side: a search that ends on the mover's ply sees the mover a few discs better
// off than one that ends on the opponent's, and their mean is free of that.
int MeanOfDepths(int deeper, int shallower);

// Values every legal move of a session's root, each searched on its own with a window of its
// own: deeper and deeper to the budget, each value the mean of the last two depths, then near the
// end solved. In a root that is its own mirror image, mirror-image moves are equally good: the
// first of them is searched and the others take its value. Best first; the first among equals
// stays first.
class EveryMoveSearch {
public:
    // The session's root is `mover` and `other`.
    EveryMoveSearch(SearchSession& session, Bits mover, Bits other, const AnalysisBudget& budget);
    std::vector<MoveValue> Run();

private:
    std::optional<int> SearchMove(int index, int depth, int selectivity, int guess);
    bool SearchAll(int depth, int selectivity, std::vector<int>& values);
    void Deepen(std::int64_t nodes);
    void Solve(bool capped);
    void Take(const std::vector<int>& values, bool exact, int depth);

    SearchSession& session_;
    const AnalysisBudget budget_;
    const int empties_;
    // For each root move, the move whose search values it: itself, or the first of its mirror
    // images.
    const std::vector<std::size_t> valuedBy_;
    std::vector<MoveValue> values_;
};

}  // namespace flipstone::strong

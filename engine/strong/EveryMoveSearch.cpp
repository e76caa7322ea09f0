#include "engine/strong/EveryMoveSearch.h"

#include <algorithm>

#include "engine/strong/BoardSymmetry.h"

namespace flipstone::strong {

namespace {

// The window around a move's last value that its next search tries first, in discs.
constexpr int kAspiration = 2;
// The share of the budget the depth-limited searches leave for the solves when there are any.
constexpr double kDeepenShareBeforeSolves = 0.3;
// The solves of the ladder: 73 %, 87 %, 95 %, then exact (98 and 99 % cost almost what the
// exact solve does); each costs about this many times the one before.
constexpr int kLadder[] = {0, 1, 2, kExact};
constexpr double kLadderGrowth[] = {1.0, 2.5, 4.0, 6.0};

// For each move, the first move that is it or one of its images under a symmetry that turns the
// root into itself.
std::vector<std::size_t> FirstImages(const std::vector<RootMove>& moves, Bits mover, Bits other) {
    const std::vector<int> keeping = symmetry::Keeping(mover, other);
    std::vector<std::size_t> first(moves.size());
    for (std::size_t i = 0; i < moves.size(); ++i) {
        first[i] = i;
        for (std::size_t j = 0; j < i && first[i] == i; ++j) {
            for (const int s : keeping) {
                if (symmetry::TransformBit(moves[j].bit, s) == moves[i].bit) {
                    first[i] = j;
                }
            }
        }
    }
    return first;
}

}  // namespace

int MeanOfDepths(int deeper, int shallower) {
    const int sum = deeper + shallower;
    return sum >= 0 ? (sum + 1) / 2 : -((1 - sum) / 2);
}

EveryMoveSearch::EveryMoveSearch(SearchSession& session, Bits mover, Bits other,
                                 const AnalysisBudget& budget)
    : session_(session),
      budget_(budget),
      empties_(session.Empties()),
      valuedBy_(FirstImages(session.Moves(), mover, other)) {
    const std::vector<RootMove>& moves = session_.Moves();
    for (std::size_t i = 0; i < moves.size(); ++i) {
        values_.push_back({moves[i].bit, moves[valuedBy_[i]].value, false, 0});
    }
}

std::vector<MoveValue> EveryMoveSearch::Run() {
    if (empties_ <= budget_.exactEmpties) {
        Solve(false);
    } else {
        const bool solves = empties_ <= budget_.solveEmpties;
        Deepen(solves ? static_cast<std::int64_t>(budget_.nodes * kDeepenShareBeforeSolves)
                      : budget_.nodes);
        if (solves) {
            Solve(true);
        }
    }
    std::stable_sort(values_.begin(), values_.end(),
                     [](const MoveValue& a, const MoveValue& b) { return a.value > b.value; });
    return values_;
}

// The move's value within a window around `guess`, widened on the side it fails; none when the
// search was stopped or ran past the node limit.
std::optional<int> EveryMoveSearch::SearchMove(int index, int depth, int selectivity, int guess) {
    int alpha = std::max(guess - kAspiration, -kWindowEdge);
    int beta = std::min(guess + kAspiration, kWindowEdge);
    for (;;) {
        const RootReply reply = session_.Search(depth, selectivity, alpha, beta, index, 1);
        if (reply.stopped) {
            return std::nullopt;
        }
        if (reply.value <= alpha && alpha > -kWindowEdge) {
            alpha = -kWindowEdge;
        } else if (reply.value >= beta && beta < kWindowEdge) {
            beta = kWindowEdge;
        } else {
            return reply.value;
        }
    }
}

// Every move at `depth`, each starting from its value in `values`, which get the new ones; false,
// with `values` as they were, when the searches were cut short. A mirror image takes the value
// of the first of its images, searched before it.
bool EveryMoveSearch::SearchAll(int depth, int selectivity, std::vector<int>& values) {
    std::vector<int> found = values;
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (valuedBy_[i] != i) {
            found[i] = found[valuedBy_[i]];
            continue;
        }
        const std::optional<int> value =
            SearchMove(static_cast<int>(i), depth, selectivity, values[i]);
        if (!value) {
            return false;
        }
        found[i] = *value;
    }
    values = found;
    return true;
}

void EveryMoveSearch::Take(const std::vector<int>& values, bool exact, int depth) {
    const std::vector<RootMove>& moves = session_.Moves();
    for (std::size_t i = 0; i < moves.size(); ++i) {
        values_[i] = {moves[i].bit, values[i], exact, depth};
    }
}

// Deeper and deeper while the next depth is expected to fit within `nodes` positions.
void EveryMoveSearch::Deepen(std::int64_t nodes) {
    std::vector<int> shallower;
    std::vector<int> deeper;
    for (const MoveValue& value : values_) {
        deeper.push_back(value.value);
    }
    session_.LimitNodes(2 * nodes);
    std::int64_t last = 0;
    std::int64_t beforeLast = 0;
    for (int depth = 1; depth < empties_; ++depth) {
        if (depth > 2) {
            const double growth =
                std::max(2.0, static_cast<double>(last) / static_cast<double>(beforeLast + 1));
            if (static_cast<double>(session_.Nodes()) + growth * static_cast<double>(last) >
                static_cast<double>(nodes)) {
                break;
            }
        }
        const std::int64_t before = session_.Nodes();
        std::vector<int> values = deeper;
        if (!SearchAll(depth, depth >= kSelectiveDepth ? kMidgameSelectivity : kExact, values)) {
            break;
        }
        shallower = deeper;
        deeper = values;
        beforeLast = last;
        last = session_.Nodes() - before;
        std::vector<int> means = deeper;
        if (depth > 1) {
            for (std::size_t i = 0; i < means.size(); ++i) {
                means[i] = MeanOfDepths(deeper[i], shallower[i]);
            }
        }
        Take(means, false, depth);
    }
    session_.LimitNodes(0);
}

// Every move solved at rising selectivity up to the exact value; when `capped`, each solve starts
// only while it is expected to fit in the budget left, and one that overruns the budget is
// dropped.
void EveryMoveSearch::Solve(bool capped) {
    std::vector<int> values;
    for (const MoveValue& value : values_) {
        values.push_back(value.value);
    }
    std::int64_t last = 0;
    for (std::size_t step = 0; step < std::size(kLadder) && !session_.Stopped(); ++step) {
        const int selectivity = kLadder[step];
        if (selectivity < kExact && (empties_ <= kDirectSolveEmpties || !session_.Selective())) {
            continue;
        }
        if (capped) {
            const std::int64_t left = budget_.solveNodes - session_.Nodes();
            if (left <= 0 || static_cast<double>(last) * kLadderGrowth[step] > left) {
                break;
            }
            session_.LimitNodes(budget_.solveNodes);
        }
        const std::int64_t before = session_.Nodes();
        if (!SearchAll(empties_, selectivity, values)) {
            break;
        }
        last = session_.Nodes() - before;
        Take(values, selectivity == kExact, empties_);
    }
    session_.LimitNodes(0);
}

}  // namespace flipstone::strong

#include "engine/strong/StrongSearch.h"

#include <algorithm>
#include <thread>

#include "engine/SearchKernel.h"
#include "engine/strong/SearchSession.h"

namespace flipstone::strong {

namespace {

// Each deeper search takes a few times as long as the one before: none starts past this share
// of the budget.
constexpr double kDeepenShare = 0.4;
// The last selectivity a long solve passes before the exact one (95 %): 98 and 99 % cost almost
// what the exact solve does and order its moves no better.
constexpr int kLastPresolve = 2;

int NextSelectivity(int selectivity) {
    return selectivity < kLastPresolve ? selectivity + 1
           : selectivity < kExact      ? kExact
                                       : kExact + 1;
}

}  // namespace

StrongSearch::StrongSearch(int tableBits, int threads, const EvaluationWeights& weights)
    : table_(std::max(tableBits - 2, 4)),
      weights_(weights),
      threads_(threads > 0 ? threads
                           : std::max(1, static_cast<int>(std::thread::hardware_concurrency()))) {}

StrongSearch::Job StrongSearch::NewJob() {
    const std::lock_guard lock(jobs_);
    return {++lastJob_};
}

bool StrongSearch::Stopped(Job job) const {
    const std::lock_guard lock(jobs_);
    return job.number <= stoppedUpTo_;
}

SearchResources StrongSearch::Begin(std::optional<Job> job) {
    const std::lock_guard lock(jobs_);
    const std::uint64_t number = job ? job->number : ++lastJob_;
    stop_.store(number <= stoppedUpTo_);
    return {table_, weights_, threads_, stop_, progress_};
}

int StrongSearch::Evaluate(Bits mover, Bits other) const {
    return StrongKernel::Best().evaluate(weights_.Weights(), mover, other);
}

void StrongSearch::Stop() {
    const std::lock_guard lock(jobs_);
    stoppedUpTo_ = lastJob_;
    stop_.store(true);
}

namespace {

// What a finished (or cut short) search of every root move says.
void Take(const RootReply& reply, bool inWindow, int depth, ThinkResult& result) {
    if (!reply.stopped) {
        result.bit = reply.bit;
        result.value = reply.value;
        result.depth = depth;
    } else if (reply.anyMove && inWindow) {
        result.bit = reply.bit;  // a move that beat the last best before time ran out
    }
}

// Solves at rising selectivity from `first` up to the exact value, each solve ordering the
// moves for the next; with `onlyWhenItFits`, each starts only if it is expected to finish in the
// time left.
void SolveUpward(SearchSession& session, int first, bool onlyWhenItFits, int guess,
                 ThinkResult& result) {
    const int empties = session.Empties();
    for (int selectivity = first; selectivity <= kExact && !session.Stopped();
         selectivity = NextSelectivity(selectivity)) {
        if (onlyWhenItFits && !session.SolveFits(selectivity)) {
            break;
        }
        bool inWindow = false;
        const RootReply reply = session.Aspirate(empties, selectivity, guess, inWindow);
        Take(reply, inWindow, empties, result);
        if (reply.stopped) {
            break;
        }
        result.solved = selectivity == kExact;
        guess = reply.value;
        session.SortMoves();
    }
}

}  // namespace

ThinkResult StrongSearch::Think(Bits mover, Bits other, std::chrono::duration<double> budget,
                                std::optional<Job> job) {
    SearchSession session(Begin(job), mover, other, budget);
    ThinkResult result;
    std::vector<RootMove>& moves = session.Moves();
    if (moves.empty()) {
        return result;
    }
    result.bit = moves.front().bit;
    result.value = moves.front().value;
    const int empties = session.Empties();
    const bool only = moves.size() == 1;
    const bool canSolve = empties <= kSolveEmpties;
    const int firstSelectivity =
        empties <= kDirectSolveEmpties || weights_.ProbCut() == nullptr ? kExact : 0;
    int guess = result.value;
    for (int depth = 1; depth < empties && !session.Stopped(); ++depth) {
        if (canSolve && session.SolveFits(firstSelectivity)) {
            break;
        }
        bool inWindow = false;
        const int selectivity = depth >= kSelectiveDepth ? kMidgameSelectivity : kExact;
        const RootReply reply = session.Aspirate(depth, selectivity, guess, inWindow);
        Take(reply, inWindow, depth, result);
        if (reply.stopped) {
            break;
        }
        guess = reply.value;
        session.SortMoves();
        if (session.Share() > kDeepenShare || (only && depth >= 4)) {
            break;
        }
    }
    if (canSolve) {
        SolveUpward(session, firstSelectivity, true, guess, result);
    }
    result.nodes = progress_.nodes.load();
    return result;
}

ThinkResult StrongSearch::Solve(Bits mover, Bits other, std::optional<Job> job) {
    return SolveJob(mover, other, job ? *job : NewJob());
}

ThinkResult StrongSearch::SolveJob(Bits mover, Bits other, Job job) {
    SearchSession session(Begin(job), mover, other, std::chrono::duration<double>::max());
    ThinkResult result;
    std::vector<RootMove>& moves = session.Moves();
    if (moves.empty()) {
        if (SearchKernel::Best().legalMoves(other, mover) != 0) {
            result = SolveJob(other, mover, job);  // a pass: the opponent's value, turned round
            result.value = -result.value;
            result.bit = -1;
        } else {
            result.value = Evaluate(mover, other);  // the game is over: its result
            result.solved = true;
        }
        return result;
    }
    result.bit = moves.front().bit;
    const int empties = session.Empties();
    int guess = moves.front().value;
    const int first = empties <= kDirectSolveEmpties || weights_.ProbCut() == nullptr ? kExact : 0;
    const int midgameDepth = empties <= kDirectSolveEmpties ? 0 : empties / 2 - 4;
    for (int depth = 1; depth <= midgameDepth && !session.Stopped(); ++depth) {
        bool inWindow = false;
        const int selectivity = depth >= kSelectiveDepth ? kMidgameSelectivity : kExact;
        const RootReply reply = session.Aspirate(depth, selectivity, guess, inWindow);
        Take(reply, inWindow, depth, result);
        guess = reply.value;
        session.SortMoves();
    }
    SolveUpward(session, first, false, guess, result);
    result.nodes = progress_.nodes.load();
    return result;
}

ThinkResult StrongSearch::SearchToDepth(Bits mover, Bits other, int depth, int selectivity,
                                        std::optional<Job> job) {
    SearchSession session(Begin(job), mover, other, std::chrono::duration<double>::max());
    ThinkResult result;
    std::vector<RootMove>& moves = session.Moves();
    if (moves.empty()) {
        return result;
    }
    result.bit = moves.front().bit;
    result.value = moves.front().value;
    const int last = std::min(depth, session.Empties());
    int guess = result.value;
    for (int step = std::max(1, last % 2 == 0 ? 2 : 1); step <= last && !session.Stopped();
         step += 2) {
        bool inWindow = false;
        const RootReply reply =
            session.Aspirate(step, step >= kSelectiveDepth ? selectivity : kExact, guess, inWindow);
        Take(reply, inWindow, step, result);
        if (reply.stopped) {
            break;
        }
        guess = reply.value;
        session.SortMoves();
    }
    result.solved = last == session.Empties() && result.depth == last && selectivity == kExact;
    result.nodes = progress_.nodes.load();
    return result;
}

std::vector<MoveValue> StrongSearch::ValueEveryMove(Bits mover, Bits other,
                                                    const AnalysisBudget& budget,
                                                    std::optional<Job> job) {
    SearchSession session(Begin(job), mover, other, std::chrono::duration<double>::max());
    return EveryMoveSearch(session, mover, other, budget).Run();
}

std::vector<int> StrongSearch::PrincipalLine(Bits mover, Bits other, int first, int length) const {
    SearchShared shared;
    shared.buckets = table_.Buckets();
    shared.bucketMask = table_.Mask();
    const SearchKernel& kernel = SearchKernel::Best();
    std::vector<int> line;
    for (int bit = first; bit >= 0 && static_cast<int>(line.size()) < length;) {
        const Bits flips = kernel.flips(bit, mover, other);
        if (flips == 0) {
            break;  // what the table holds for this position is not a move here
        }
        line.push_back(bit);
        const Bits moved = mover | flips | (Bits{1} << bit);
        mover = other & ~flips;
        other = moved;
        if (kernel.legalMoves(mover, other) == 0) {
            std::swap(mover, other);  // a pass
        }
        bit = StrongKernel::Best().tableMove(shared, mover, other);
    }
    return line;
}

}  // namespace flipstone::strong

#include "engine/strong/StrongSearch.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "engine/SearchKernel.h"
#include "engine/strong/StableLines.h"

namespace flipstone::strong {

namespace {

using Clock = std::chrono::steady_clock;

// Each deeper search takes a few times as long as the one before: none starts past this share
// of the budget.
constexpr double kDeepenShare = 0.4;
// A solve starts only when it is expected to take at most this share of the time left.
constexpr double kSolveShare = 0.6;
// The window around the last search's value that the next one tries first, in discs.
constexpr int kAspiration = 3;
// From this depth on, the depth-limited search cuts nodes on a guess at this selectivity.
constexpr int kSelectiveDepth = 6;
constexpr int kMidgameSelectivity = 2;
// With at most this many empty squares the solve goes straight for the exact value; with more
// it first solves at rising selectivity, which orders the moves for the exact one.
constexpr int kDirectSolveEmpties = 18;
// The positions a thread visits in a second when the search has not yet measured it.
constexpr double kAssumedNodesPerSecond = 1.5e7;

int Empties(Bits mover, Bits other) {
    return 64 - Count(mover | other);
}

// About how many positions an exact solve of `empties` empty squares visits in a game's
// position (measured on the player's own games: 28 million at 20, a billion at 24).
double SolveNodes(int empties) {
    return 2.8e7 * std::pow(2.5, empties - 20);
}

// What a solve at each selectivity costs beside the exact one, after the ones before it.
double SelectiveShare(int selectivity) {
    constexpr double kShares[kExact] = {0.01, 0.03, 0.15, 0.15, 0.25};
    return selectivity >= kExact ? 1.0 : kShares[selectivity];
}

void SortByValue(std::vector<RootMove>& moves) {
    std::stable_sort(moves.begin(), moves.end(),
                     [](const RootMove& a, const RootMove& b) { return a.value > b.value; });
}

}  // namespace

// One call's search: the deadline, the helper threads that search the same root beside the
// caller's thread, and the root moves with their last values.
class StrongSearch::Session {
public:
    Session(StrongSearch& owner, Bits mover, Bits other, std::chrono::duration<double> budget)
        : owner_(owner), mover_(mover), other_(other), start_(Clock::now()) {
        owner_.stop_.store(false);
        owner_.progress_.examined.store(-1);
        owner_.progress_.nodes.store(0);
        owner_.table_.NextDate();
        const bool bounded = budget.count() < 1e9;
        budgetSeconds_ = bounded ? std::max(budget.count(), 0.0) : 1e18;
        for (Bits rest = LegalMoves(); rest != 0; rest &= rest - 1) {
            const int bit = std::countr_zero(rest);
            const Bits flips = Flips(bit);
            const int value = -owner_.Evaluate(other_ & ~flips, mover_ | flips | (Bits{1} << bit));
            moves_.push_back({bit, value});
        }
        SortByValue(moves_);
        if (bounded) {
            watchdog_ = std::thread([this] { Watch(); });
        }
        for (int i = 1; i < owner_.threads_ && moves_.size() > 1; ++i) {
            helpers_.push_back(std::make_unique<Helper>());
        }
        for (std::size_t i = 0; i < helpers_.size(); ++i) {
            helpers_[i]->thread = std::thread([this, i] { Help(static_cast<int>(i) + 1); });
        }
    }

    ~Session() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            quit_ = true;
            for (auto& helper : helpers_) {
                helper->stop.store(true);
            }
        }
        wake_.notify_all();
        for (auto& helper : helpers_) {
            helper->thread.join();
        }
        if (watchdog_.joinable()) {
            watchdog_.join();
        }
    }

    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    std::vector<RootMove>& Moves() { return moves_; }
    int Empties() const { return strong::Empties(mover_, other_); }
    bool Stopped() const { return owner_.stop_.load(); }
    double Elapsed() const { return std::chrono::duration<double>(Clock::now() - start_).count(); }
    double Share() const { return Elapsed() / budgetSeconds_; }
    double Left() const { return budgetSeconds_ - Elapsed(); }

    // The positions per second all threads visit.
    double Rate() const {
        const double elapsed = Elapsed();
        const auto nodes = static_cast<double>(owner_.progress_.nodes.load());
        const double assumed = kAssumedNodesPerSecond * owner_.threads_;
        return elapsed < 0.02 || nodes < 1e5 ? assumed : std::max(nodes / elapsed, assumed / 10);
    }

    // Whether a solve at `selectivity` is expected to finish within its share of the time left.
    bool SolveFits(int selectivity) const {
        const double seconds = SolveNodes(Empties()) * SelectiveShare(selectivity) / Rate();
        return seconds <= Left() * kSolveShare;
    }

    // Searches the moves [first, first + count) at `depth` and `selectivity` within the window,
    // with the helper threads searching the same beside it.
    RootReply Search(int depth, int selectivity, int alpha, int beta, int first, int count) {
        RootRequest request;
        request.mover = mover_;
        request.other = other_;
        request.depth = depth;
        request.selectivity = selectivity;
        request.alpha = alpha;
        request.beta = beta;
        request.moves = moves_.data() + first;
        request.count = count;
        request.publishes = true;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            job_ = request;
            jobMoves_.assign(request.moves, request.moves + count);
            ++generation_;
            live_ = true;
        }
        wake_.notify_all();
        const SearchShared shared = owner_.SharedFor(&owner_.stop_);
        const RootReply reply = StrongKernel::Best().searchRoot(shared, request);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            live_ = false;
            for (auto& helper : helpers_) {
                helper->stop.store(true);
            }
        }
        return reply;
    }

    // The search of every move at `depth`, first within a narrow window around `guess`, widened
    // on the side it fails. `inWindow` says whether the value is exact for that depth.
    RootReply Aspirate(int depth, int selectivity, int guess, bool& inWindow) {
        int alpha = std::max(guess - kAspiration, -65);
        int beta = std::min(guess + kAspiration, 65);
        for (;;) {
            RootReply reply =
                Search(depth, selectivity, alpha, beta, 0, static_cast<int>(moves_.size()));
            inWindow = reply.value > alpha && reply.value < beta;
            if (reply.stopped || inWindow) {
                return reply;
            }
            if (reply.value <= alpha) {
                alpha = -65;
            } else {
                beta = 65;
            }
        }
    }

private:
    struct Helper {
        std::thread thread;
        std::atomic<bool> stop{false};
    };

    Bits LegalMoves() const;
    Bits Flips(int bit) const;

    void Watch() {
        std::unique_lock<std::mutex> lock(mutex_);
        const auto deadline =
            start_ + std::chrono::duration_cast<Clock::duration>(
                         std::chrono::duration<double>(std::min(budgetSeconds_, 1e9)));
        if (!wake_.wait_until(lock, deadline, [this] { return quit_; })) {
            owner_.stop_.store(true);
        }
    }

    // A helper searches whatever the caller's thread searches, deeper by one ply every other
    // helper and from another first move, so that the table fills with what the caller will ask.
    void Help(int index) {
        Helper& helper = *helpers_[index - 1];
        std::uint64_t seen = 0;
        for (;;) {
            RootRequest request;
            std::vector<RootMove> moves;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                wake_.wait(lock, [&] { return quit_ || (live_ && generation_ != seen); });
                if (quit_) {
                    return;
                }
                seen = generation_;
                request = job_;
                moves = jobMoves_;
                helper.stop.store(false);
            }
            std::rotate(moves.begin(), moves.begin() + index % moves.size(), moves.end());
            const int empties = Empties();
            if (request.depth < empties && index % 2 == 1) {
                ++request.depth;
            }
            request.moves = moves.data();
            request.publishes = false;
            request.alpha = -65;
            request.beta = 65;
            const SearchShared shared = owner_.SharedFor(&helper.stop);
            StrongKernel::Best().searchRoot(shared, request);
        }
    }

    StrongSearch& owner_;
    Bits mover_;
    Bits other_;
    Clock::time_point start_;
    double budgetSeconds_ = 0;
    std::vector<RootMove> moves_;

    std::mutex mutex_;
    std::condition_variable wake_;
    bool quit_ = false;
    bool live_ = false;
    std::uint64_t generation_ = 0;
    RootRequest job_;
    std::vector<RootMove> jobMoves_;
    std::vector<std::unique_ptr<Helper>> helpers_;
    std::thread watchdog_;
};

Bits StrongSearch::Session::LegalMoves() const {
    return SearchKernel::Best().legalMoves(mover_, other_);
}

Bits StrongSearch::Session::Flips(int bit) const {
    return SearchKernel::Best().flips(bit, mover_, other_);
}

StrongSearch::StrongSearch(int tableBits, int threads, const EvaluationWeights& weights)
    : table_(std::max(tableBits - 2, 4)),
      weights_(weights),
      threads_(threads > 0 ? threads
                           : std::max(1, static_cast<int>(std::thread::hardware_concurrency()))) {}

SearchShared StrongSearch::SharedFor(const std::atomic<bool>* stop) {
    SearchShared shared;
    shared.buckets = table_.Buckets();
    shared.bucketMask = table_.Mask();
    shared.date = table_.Date();
    shared.weights = weights_.Weights();
    shared.stableLines = StableLineTable();
    shared.probCut = weights_.ProbCut();
    shared.stop = stop;
    shared.progress = &progress_;
    return shared;
}

int StrongSearch::Evaluate(Bits mover, Bits other) const {
    return StrongKernel::Best().evaluate(weights_.Weights(), mover, other);
}

void StrongSearch::Stop() {
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

}  // namespace

ThinkResult StrongSearch::Think(Bits mover, Bits other, std::chrono::duration<double> budget) {
    Session session(*this, mover, other, budget);
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
        SortByValue(moves);
        if (session.Share() > kDeepenShare || (only && depth >= 4)) {
            break;
        }
    }
    if (canSolve) {
        for (int selectivity = firstSelectivity; selectivity <= kExact && !session.Stopped();
             ++selectivity) {
            if (!session.SolveFits(selectivity)) {
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
            SortByValue(moves);
        }
    }
    result.nodes = progress_.nodes.load();
    return result;
}

ThinkResult StrongSearch::Solve(Bits mover, Bits other) {
    Session session(*this, mover, other, std::chrono::duration<double>::max());
    ThinkResult result;
    std::vector<RootMove>& moves = session.Moves();
    if (moves.empty()) {
        if (SearchKernel::Best().legalMoves(other, mover) != 0) {
            result = Solve(other, mover);  // a pass: the opponent's value, turned round
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
        SortByValue(moves);
    }
    for (int selectivity = first; selectivity <= kExact && !session.Stopped(); ++selectivity) {
        bool inWindow = false;
        const RootReply reply = session.Aspirate(empties, selectivity, guess, inWindow);
        Take(reply, inWindow, empties, result);
        if (reply.stopped) {
            break;
        }
        result.solved = selectivity == kExact;
        guess = reply.value;
        SortByValue(moves);
    }
    result.nodes = progress_.nodes.load();
    return result;
}

ThinkResult StrongSearch::SearchToDepth(Bits mover, Bits other, int depth, int selectivity) {
    Session session(*this, mover, other, std::chrono::duration<double>::max());
    ThinkResult result;
    std::vector<RootMove>& moves = session.Moves();
    if (moves.empty()) {
        return result;
    }
    result.bit = moves.front().bit;
    result.value = moves.front().value;
    const int last = std::min(depth, session.Empties());
    int guess = result.value;
    for (int step = std::max(1, last % 2 == 0 ? 2 : 1); step <= last; step += 2) {
        bool inWindow = false;
        const RootReply reply =
            session.Aspirate(step, step >= kSelectiveDepth ? selectivity : kExact, guess, inWindow);
        Take(reply, inWindow, step, result);
        if (reply.stopped) {
            break;
        }
        guess = reply.value;
        SortByValue(moves);
    }
    result.solved = last == session.Empties() && result.depth == last && selectivity == kExact;
    result.nodes = progress_.nodes.load();
    return result;
}

std::vector<MoveValue> StrongSearch::ValueEveryMove(Bits mover, Bits other,
                                                    std::chrono::duration<double> budget) {
    Session session(*this, mover, other, budget);
    std::vector<RootMove>& moves = session.Moves();
    std::vector<MoveValue> values;
    for (const RootMove& move : moves) {
        values.push_back({move.bit, move.value, false});
    }
    const int empties = session.Empties();
    const int count = static_cast<int>(moves.size());
    // Each move searched on its own with the whole window, deeper and deeper; the last depth
    // that every move finished gives the values.
    auto searchAll = [&](int depth, int selectivity) {
        std::vector<RootMove> found = moves;
        for (int i = 0; i < count; ++i) {
            const RootReply reply = session.Search(depth, selectivity, -65, 65, i, 1);
            if (reply.stopped) {
                moves = found;
                return false;
            }
            found[i].value = reply.value;
        }
        moves = found;
        return true;
    };
    bool exact = false;
    for (int depth = 1; depth < empties && !session.Stopped(); ++depth) {
        if (empties <= kSolveEmpties && session.SolveFits(kExact)) {
            break;
        }
        const int selectivity = depth >= kSelectiveDepth ? kMidgameSelectivity : kExact;
        if (!searchAll(depth, selectivity)) {
            break;
        }
        for (int i = 0; i < count; ++i) {
            values[i] = {moves[i].bit, moves[i].value, false};
        }
        // The next depth takes a few times as long as this one did: none starts past the share.
        if (session.Share() > kDeepenShare) {
            break;
        }
    }
    if (empties <= kSolveEmpties && !session.Stopped() && session.SolveFits(kExact)) {
        exact = searchAll(empties, kExact);
    }
    if (exact) {
        for (int i = 0; i < count; ++i) {
            values[i] = {moves[i].bit, moves[i].value, true};
        }
    }
    std::stable_sort(values.begin(), values.end(),
                     [](const MoveValue& a, const MoveValue& b) { return a.value > b.value; });
    return values;
}

}  // namespace flipstone::strong

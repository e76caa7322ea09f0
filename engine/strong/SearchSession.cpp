#include "engine/strong/SearchSession.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "engine/SearchKernel.h"
#include "engine/strong/StableLines.h"

namespace flipstone::strong {

namespace {

using Clock = std::chrono::steady_clock;

// A solve starts only when it is expected to take at most this share of the time left.
constexpr double kSolveShare = 0.6;
// The window around the last search's value that the next one tries first, in discs.
constexpr int kAspiration = 3;
// The positions a thread visits in a second when the search has not yet measured it.
constexpr double kAssumedNodesPerSecond = 1.5e7;
// A move that no thread tested against the guess.
constexpr int kUntested = -kWindowEdge - 1;
// A budget this long or longer has no deadline.
constexpr double kUnbounded = 1e9;

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

}  // namespace

SearchSession::SearchSession(const SearchResources& resources, Bits mover, Bits other,
                             std::chrono::duration<double> budget)
    : resources_(resources), mover_(mover), other_(other), start_(Clock::now()) {
    resources_.progress.examined.store(-1);
    resources_.progress.nodes.store(0);
    resources_.table.NextDate();
    const bool bounded = budget.count() < kUnbounded;
    budgetSeconds_ = bounded ? std::max(budget.count(), 0.0) : 1e18;
    const SearchKernel& kernel = SearchKernel::Best();
    for (Bits rest = kernel.legalMoves(mover_, other_); rest != 0; rest &= rest - 1) {
        const int bit = std::countr_zero(rest);
        const Bits flips = kernel.flips(bit, mover_, other_);
        const int value = -StrongKernel::Best().evaluate(
            resources_.weights.Weights(), other_ & ~flips, mover_ | flips | (Bits{1} << bit));
        moves_.push_back({bit, value});
    }
    SortMoves();
    if (bounded) {
        watchdog_ = std::thread([this] { Watch(); });
    }
    for (int i = 1; i < resources_.threads && moves_.size() > 1; ++i) {
        helpers_.push_back(std::make_unique<Helper>());
    }
    for (std::size_t i = 0; i < helpers_.size(); ++i) {
        helpers_[i]->thread = std::thread([this, i] { Help(static_cast<int>(i) + 1); });
    }
}

SearchSession::~SearchSession() {
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

void SearchSession::SortMoves() {
    std::stable_sort(moves_.begin(), moves_.end(),
                     [](const RootMove& a, const RootMove& b) { return a.value > b.value; });
}

int SearchSession::Empties() const {
    return 64 - Count(mover_ | other_);
}

double SearchSession::Elapsed() const {
    return std::chrono::duration<double>(Clock::now() - start_).count();
}

double SearchSession::Share() const {
    return Elapsed() / budgetSeconds_;
}

double SearchSession::Left() const {
    return budgetSeconds_ - Elapsed();
}

double SearchSession::Rate() const {
    const double elapsed = Elapsed();
    const auto nodes = static_cast<double>(resources_.progress.nodes.load());
    const double assumed = kAssumedNodesPerSecond * resources_.threads;
    return elapsed < 0.02 || nodes < 1e5 ? assumed : std::max(nodes / elapsed, assumed / 10);
}

bool SearchSession::SolveFits(int selectivity) const {
    const double seconds = SolveNodes(Empties()) * SelectiveShare(selectivity) / Rate();
    return seconds <= Left() * kSolveShare;
}

SearchShared SearchSession::SharedFor(const std::atomic<bool>* stop) const {
    SearchShared shared;
    shared.buckets = resources_.table.Buckets();
    shared.bucketMask = resources_.table.Mask();
    shared.date = resources_.table.Date();
    shared.weights = resources_.weights.Weights();
    shared.stableLines = StableLineTable();
    shared.probCut = resources_.weights.ProbCut();
    shared.stop = stop;
    shared.progress = &resources_.progress;
    shared.nodeLimit = nodeLimit_;
    return shared;
}

RootReply SearchSession::Search(int depth, int selectivity, int alpha, int beta, int first,
                                int count) {
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
    if (depth >= Empties()) {
        for (auto& helper : helpers_) {
            helper->stop.store(true);  // beside a solve they cost more than they save
        }
    } else {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!live_) {
            job_ = request;
            jobMoves_.assign(moves_.begin(), moves_.end());
            live_ = true;
            wake_.notify_all();
        }
        job_.selectivity = selectivity;
    }
    return StrongKernel::Best().searchRoot(SharedFor(&resources_.stop), request);
}

RootReply SearchSession::Aspirate(int depth, int selectivity, int guess, bool& inWindow) {
    if (depth >= Empties() && resources_.threads > 1 && moves_.size() > 1) {
        return AspirateSplit(depth, selectivity, guess, inWindow);
    }
    int alpha = std::max(guess - kAspiration, -kWindowEdge);
    int beta = std::min(guess + kAspiration, kWindowEdge);
    for (;;) {
        const RootReply reply =
            Search(depth, selectivity, alpha, beta, 0, static_cast<int>(moves_.size()));
        inWindow = reply.value > alpha && reply.value < beta;
        if (reply.stopped || inWindow) {
            return reply;
        }
        if (reply.value <= alpha) {
            alpha = -kWindowEdge;
        } else {
            beta = kWindowEdge;
        }
    }
}

void SearchSession::TestAgainst(int depth, int selectivity, int guess, std::atomic<int>& next,
                                std::vector<int>& values) {
    const SearchShared shared = SharedFor(&resources_.stop);
    RootRequest request;
    request.mover = mover_;
    request.other = other_;
    request.depth = depth;
    request.selectivity = selectivity;
    request.alpha = guess;
    request.beta = guess + 1;
    request.count = 1;
    for (int i = next++; i < static_cast<int>(moves_.size()); i = next++) {
        request.moves = &moves_[i];
        const RootReply reply = StrongKernel::Best().searchRoot(shared, request);
        if (reply.stopped) {
            return;
        }
        values[i] = reply.value;
    }
}

RootReply SearchSession::AspirateSplit(int depth, int selectivity, int guess, bool& inWindow) {
    for (auto& helper : helpers_) {
        helper->stop.store(true);  // the deepening helpers give their threads to the solve
    }
    const int count = static_cast<int>(moves_.size());
    std::vector<int> tested(count, kUntested);
    std::atomic<int> next{1};
    std::vector<std::thread> testers;
    for (int t = 1; t < resources_.threads; ++t) {
        testers.emplace_back([&] { TestAgainst(depth, selectivity, guess, next, tested); });
    }
    const int alpha = std::max(guess - kAspiration, -kWindowEdge);
    const int beta = std::min(guess + kAspiration, kWindowEdge);
    RootReply reply = Search(depth, selectivity, alpha, beta, 0, 1);
    TestAgainst(depth, selectivity, guess, next, tested);
    for (std::thread& tester : testers) {
        tester.join();
    }
    // The first move's value is exact within the window; every other move that was not shown to
    // be no better than it is searched against it, in order.
    for (int i = 1; i < count && !reply.stopped && reply.value < beta; ++i) {
        const int low = std::max(reply.value, alpha);
        if (tested[i] != kUntested && tested[i] <= guess && guess <= low) {
            continue;
        }
        const RootReply move = Search(depth, selectivity, low, beta, i, 1);
        reply.stopped = move.stopped;
        if (!move.stopped && move.value > reply.value) {
            reply.value = move.value;
            reply.bit = move.bit;
        }
    }
    inWindow = reply.value > alpha && reply.value < beta;
    if (reply.stopped || inWindow) {
        return reply;
    }
    // Outside the window: the one-thread search takes it from here, on what the table now holds.
    int wideAlpha = reply.value <= alpha ? -kWindowEdge : alpha;
    int wideBeta = reply.value <= alpha ? beta : kWindowEdge;
    for (;;) {
        reply = Search(depth, selectivity, wideAlpha, wideBeta, 0, count);
        inWindow = reply.value > wideAlpha && reply.value < wideBeta;
        if (reply.stopped || inWindow) {
            return reply;
        }
        if (reply.value <= wideAlpha) {
            wideAlpha = -kWindowEdge;
        } else {
            wideBeta = kWindowEdge;
        }
    }
}

void SearchSession::Watch() {
    std::unique_lock<std::mutex> lock(mutex_);
    const auto deadline = start_ + std::chrono::duration_cast<Clock::duration>(
                                       std::chrono::duration<double>(budgetSeconds_));
    if (!wake_.wait_until(lock, deadline, [this] { return quit_; })) {
        resources_.stop.store(true);
    }
}

// A helper deepens on its own beside the caller's thread, from another first move and one ply
// deeper every other helper, filling the shared table with what the caller will ask; it starts
// with the caller's first search and stops when the session ends.
void SearchSession::Help(int index) {
    Helper& helper = *helpers_[index - 1];
    RootRequest request;
    std::vector<RootMove> moves;
    {
        std::unique_lock<std::mutex> lock(mutex_);
        wake_.wait(lock, [&] { return quit_ || live_; });
        if (quit_) {
            return;
        }
        request = job_;
        moves = jobMoves_;
    }
    std::rotate(moves.begin(), moves.begin() + index % moves.size(), moves.end());
    request.moves = moves.data();
    request.count = static_cast<int>(moves.size());
    request.publishes = false;
    request.alpha = -kWindowEdge;
    request.beta = kWindowEdge;
    const SearchShared shared = SharedFor(&helper.stop);
    for (int depth = request.depth + index % 2; depth < Empties() && !helper.stop.load(); ++depth) {
        request.depth = depth;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            request.selectivity = job_.selectivity;  // the caller's latest
        }
        StrongKernel::Best().searchRoot(shared, request);
    }
}

}  // namespace flipstone::strong

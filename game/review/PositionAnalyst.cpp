#include "game/review/PositionAnalyst.h"

#include <bit>

#include "engine/book/BookMoves.h"
#include "engine/strong/BoardSymmetry.h"

namespace flipstone {

namespace {

// Every analysis's table: 2^20 entries, 16 MB.
constexpr int kTableBits = 20;

}  // namespace

PositionAnalyst::PositionAnalyst(const book::OpeningBook& book,
                                 const strong::AnalysisBudget& budget)
    : search_(kTableBits, 1), book_(book), budget_(budget) {}

PositionAnalysis PositionAnalyst::Analyse(strong::Bits mover, strong::Bits other,
                                          std::optional<Job> job) {
    return AnalyseJob(mover, other, job ? *job : search_.NewJob());
}

PositionAnalysis PositionAnalyst::AnalyseJob(strong::Bits mover, strong::Bits other, Job job) {
    const strong::Bits moves = book::LegalMoves(mover, other);
    if (moves == 0) {
        return {};
    }
    if (std::has_single_bit(moves)) {
        return AnalyseForced(mover, other, std::countr_zero(moves), job);
    }
    const strong::CanonicalPosition canonical = strong::CanonicalPosition::Of(mover, other);
    PositionAnalysis analysis = AnalyseCanonical(canonical.mover, canonical.other, job);
    for (strong::MoveValue& move : analysis.moves) {
        move.bit = canonical.BitOnGivenBoard(move.bit);
    }
    for (int& bit : analysis.line) {
        bit = canonical.BitOnGivenBoard(bit);
    }
    return analysis;
}

PositionAnalysis PositionAnalyst::AnalyseCanonical(strong::Bits mover, strong::Bits other,
                                                   Job job) {
    PositionAnalysis analysis;
    if (const auto values = book_.MoveValues(mover, other)) {
        analysis.moves = *values;
        analysis.line = book_.BestLine(mover, other, values->front().bit, kLineLength);
        analysis.book = true;
        return analysis;
    }
    search_.ClearTable();
    analysis.moves = search_.ValueEveryMove(mover, other, budget_, job);
    analysis.stopped = search_.Stopped(job);
    analysis.line = search_.PrincipalLine(mover, other, analysis.moves.front().bit, kLineLength);
    return analysis;
}

PositionAnalysis PositionAnalyst::AnalyseForced(strong::Bits mover, strong::Bits other, int bit,
                                                Job job) {
    const book::Successor next = book::After(mover, other, bit);
    PositionAnalysis analysis;
    strong::MoveValue value{bit, next.finalDifference, true, 1};
    if (!next.over) {
        const PositionAnalysis after = AnalyseJob(next.mover, next.other, job);
        const strong::MoveValue& best = after.moves.front();
        value = {bit, next.MoveValue(best.value), best.exact, best.depth + 1};
        analysis.line = after.line;
        analysis.book = after.book;
        analysis.stopped = after.stopped;
    }
    analysis.moves = {value};
    analysis.line.insert(analysis.line.begin(), bit);
    if (static_cast<int>(analysis.line.size()) > kLineLength) {
        analysis.line.resize(kLineLength);
    }
    return analysis;
}

}  // namespace flipstone

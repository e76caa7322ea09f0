#pragma once

#include <optional>
#include <vector>

#include "engine/book/OpeningBook.h"
#include "engine/strong/StrongSearch.h"

namespace flipstone {

// What the analysis says of one position: every legal move's value in discs for the side to
// move, best first, and the moves expected after the best one (it first).
struct PositionAnalysis {
    std::vector<strong::MoveValue> moves;
    std::vector<int> line;
    // The values come from the opening book.
    bool book = false;
    // Stop() cut the analysis short: its values are not the position's verdict.
    bool stopped = false;
};

// One verdict per position: every move of a position valued the same way whenever, wherever and
// in whichever orientation it is asked, by the review, Move Values, the hint of the engine
// protocols and the tool alike. A position the book holds with all its moves takes the book's
// values; any other is searched in its canonical orientation, on one thread, with its table
// cleared first, within a budget of positions rather than time. A forced move is worth what the
// position after it is.
class PositionAnalyst {
public:
    // How much a position gets: about a second of one core here (kNodes positions), solved
    // exactly from kExactEmpties empty squares, and from kSolveEmpties every move solved at
    // rising selectivity up to the exact value while the solves fit in kSolveNodes positions.
    static constexpr int kExactEmpties = 21;
    static constexpr int kSolveEmpties = 26;
    static constexpr std::int64_t kNodes = 12'000'000;
    static constexpr std::int64_t kSolveNodes = 40'000'000;
    // The expected line holds at most this many moves.
    static constexpr int kLineLength = 8;

    static strong::AnalysisBudget DefaultBudget() {
        return {kNodes, kExactEmpties, kSolveEmpties, kSolveNodes};
    }

    explicit PositionAnalyst(const book::OpeningBook& book = book::OpeningBook::BuiltIn(),
                             const strong::AnalysisBudget& budget = DefaultBudget());
    PositionAnalyst(const PositionAnalyst&) = delete;
    PositionAnalyst& operator=(const PositionAnalyst&) = delete;

    using Job = strong::StrongSearch::Job;

    // Any thread: a job for an analysis to come, which every Stop() from now on stops.
    Job NewJob() { return search_.NewJob(); }
    // The analysis of a position whose mover has a legal move, as `job` (none: a job of its own).
    PositionAnalysis Analyse(strong::Bits mover, strong::Bits other, std::optional<Job> job = {});
    // Any thread: the analysis under way returns at once with the values it has finished, and
    // every job made so far is stopped before it begins.
    void Stop() { search_.Stop(); }

private:
    PositionAnalysis AnalyseJob(strong::Bits mover, strong::Bits other, Job job);
    PositionAnalysis AnalyseCanonical(strong::Bits mover, strong::Bits other, Job job);
    PositionAnalysis AnalyseForced(strong::Bits mover, strong::Bits other, int bit, Job job);

    strong::StrongSearch search_;
    const book::OpeningBook& book_;
    const strong::AnalysisBudget budget_;
};

}  // namespace flipstone

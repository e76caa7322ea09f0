#include "game/LevelAnalysis.h"

#include <chrono>

#include "game/CFlipstoneDoc.h"
#include "game/HeadlessHost.h"

namespace flipstone {

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

AnalysisResult Analyse(const AnalyseRequest& request, const RootObserver& onRoot) {
    const bool forHint = request.forHint;

    HeadlessHost host;
    CFlipstoneDoc document(host, SearchMode::kSynchronous);
    host.Attach(&document);
    document.LoadPosition(request.board, request.computer, request.level - 1);
    RootSearchState& state = forHint ? document.HintSearchState() : document.ComputerSearchState();
    auto step = [&] { return forHint ? document.HintStep() : document.ComputerMoveStep(); };

    step();
    while (state.position < state.count) {
        const MoveCandidate candidate = state.candidates[state.position];
        const auto rootStart = Clock::now();
        step();
        onRoot(candidate, state.lastValue, document.leafCount, MillisecondsSince(rootStart));
    }
    AnalysisResult result{{state.bestColumn, state.bestRow}, 0, 0, state.depth};
    step();
    result.value = document.searchValue;
    result.leaves = document.leafCount;
    return result;
}

Square GameMove(const Board& board, std::uint8_t side, int level) {
    const AnalyseRequest request{board, side, level, false};
    return Analyse(request, [](const MoveCandidate&, std::int32_t, std::int64_t, double) {}).best;
}

}  // namespace flipstone

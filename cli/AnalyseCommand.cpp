#include "cli/AnalyseCommand.h"

#include <chrono>
#include <sstream>

#include "cli/JsonNumber.h"
#include "engine/BoardText.h"
#include "game/CFlipstoneDoc.h"
#include "game/HeadlessHost.h"

namespace flipstone::cli {

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string MoveJson(Square square) {
    const std::string name = BoardText::SquareName(square);
    return name.empty() ? "null" : "\"" + name + "\"";
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

int RunAnalyse(const AnalyseRequest& request, std::ostream& out) {
    const auto start = Clock::now();
    std::ostringstream roots;
    auto printRoot = [&](const MoveCandidate& candidate, std::int32_t value, std::int64_t leaves,
                         double milliseconds) {
        roots << (roots.tellp() > 0 ? "," : "")
              << "{\"move\":" << MoveJson({candidate.column, candidate.row})
              << ",\"static\":" << candidate.value << ",\"value\":" << value
              << ",\"leaves\":" << leaves << ",\"ms\":" << FixedDecimals(milliseconds, 3) << "}";
    };
    const AnalysisResult result = Analyse(request, printRoot);
    out << "{\"column\":" << result.best.column << ",\"row\":" << result.best.row
        << ",\"move\":" << MoveJson(result.best) << ",\"value\":" << result.value
        << ",\"leaves\":" << result.leaves << ",\"depth\":" << result.depth << ",\"roots\":["
        << roots.str() << "],\"ms\":" << FixedDecimals(MillisecondsSince(start), 3) << "}\n";
    return 0;
}

}  // namespace flipstone::cli

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

int RunAnalyse(const AnalyseRequest& request, std::ostream& out) {
    const bool forHint = request.forHint;

    HeadlessHost host;
    CFlipstoneDoc document(host, SearchMode::kSynchronous);
    host.Attach(&document);
    document.LoadPosition(request.board, request.computer, request.level - 1);
    RootSearchState& state = forHint ? document.HintSearchState() : document.ComputerSearchState();
    auto step = [&] { return forHint ? document.HintStep() : document.ComputerMoveStep(); };

    const auto start = Clock::now();
    std::ostringstream roots;
    step();
    while (state.position < state.count) {
        const MoveCandidate candidate = state.candidates[state.position];
        const auto rootStart = Clock::now();
        step();
        roots << (roots.tellp() > 0 ? "," : "")
              << "{\"move\":" << MoveJson({candidate.column, candidate.row})
              << ",\"static\":" << candidate.value << ",\"value\":" << state.lastValue
              << ",\"leaves\":" << document.leafCount
              << ",\"ms\":" << FixedDecimals(MillisecondsSince(rootStart), 3) << "}";
    }
    const Square best{state.bestColumn, state.bestRow};
    const int depth = state.depth;
    step();
    out << "{\"column\":" << best.column << ",\"row\":" << best.row
        << ",\"move\":" << MoveJson(best) << ",\"value\":" << document.searchValue
        << ",\"leaves\":" << document.leafCount << ",\"depth\":" << depth << ",\"roots\":["
        << roots.str() << "],\"ms\":" << FixedDecimals(MillisecondsSince(start), 3) << "}\n";
    return 0;
}

}  // namespace flipstone::cli

#include "cli/AnalyseCommand.h"

#include <chrono>
#include <sstream>

#include "cli/JsonNumber.h"
#include "engine/BoardText.h"

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

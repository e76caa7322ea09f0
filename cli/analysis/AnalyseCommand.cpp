#include "cli/analysis/AnalyseCommand.h"

#include <chrono>
#include <sstream>

#include "cli/json/JsonNumber.h"
#include "engine/BitBoard.h"
#include "engine/BoardText.h"
#include "game/review/PositionAnalyst.h"

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

std::string BitJson(int bit) {
    return MoveJson({BitBoard::ColumnOf(bit), BitBoard::RowOf(bit)});
}

}  // namespace

std::string MoveValuesJson(const std::vector<strong::MoveValue>& values) {
    std::string json = "[";
    for (const strong::MoveValue& value : values) {
        json += (json.size() > 1 ? "," : "") + std::string("{\"move\":") + BitJson(value.bit) +
                ",\"value\":" + std::to_string(value.value) +
                ",\"exact\":" + (value.exact ? "true" : "false") + "}";
    }
    return json + "]";
}

int RunStrongestAnalyse(const Position& position, std::ostream& out) {
    const auto start = Clock::now();
    PositionAnalysis analysis;
    if (!position.IsOver()) {
        const BitBoard bits = BitBoard::FromBoard(position.GetBoard());
        PositionAnalyst analyst;
        analysis =
            analyst.Analyse(bits.Discs(position.ToMove()), bits.Discs(Opponent(position.ToMove())));
    }
    std::string line = "[";
    for (const int bit : analysis.line) {
        line += (line.size() > 1 ? "," : "") + BitJson(bit);
    }
    out << "{\"move\":" << (analysis.moves.empty() ? "null" : BitJson(analysis.moves[0].bit))
        << ",\"value\":"
        << (analysis.moves.empty() ? std::string("null") : std::to_string(analysis.moves[0].value))
        << ",\"book\":" << (analysis.book ? "true" : "false")
        << ",\"moves\":" << MoveValuesJson(analysis.moves) << ",\"line\":" << line
        << "],\"ms\":" << FixedDecimals(MillisecondsSince(start), 3) << "}\n";
    return 0;
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

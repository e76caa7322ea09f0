#include "cli/analysis/ReviewCommand.h"

#include <array>
#include <chrono>

#include "cli/json/JsonNumber.h"
#include "engine/BoardText.h"
#include "game/review/OpeningNames.h"
#include "game/review/ReviewPositions.h"
#include "game/review/ReviewWorker.h"

namespace flipstone::cli {

namespace {

std::string Quoted(Square square) {
    return square.column < 0 ? "null" : "\"" + BoardText::SquareName(square) + "\"";
}

void PrintMove(const MoveReview& move, std::ostream& out) {
    out << "{\"ply\":" << move.ply << ",\"colour\":\""
        << (move.colour == kWhite ? "white" : "black") << "\",\"move\":" << Quoted(move.move)
        << ",\"best\":" << Quoted(move.best) << ",\"value\":" << move.value
        << ",\"best_value\":" << move.bestValue << ",\"loss\":" << move.loss
        << ",\"exact\":" << (move.exact ? "true" : "false")
        << ",\"book\":" << (move.book ? "true" : "false") << "}\n";
}

std::string OpeningJson(const GameRecord& record) {
    const char* name = OpeningNameOf(record);
    return name == nullptr ? "null" : "\"" + std::string(name) + "\"";
}

}  // namespace

int RunReview(const ReviewRequest& request, std::ostream& out) {
    const auto begin = std::chrono::steady_clock::now();
    ReviewWorker worker(request.threads);
    worker.Start(ReviewPositionsOf(request.record));
    worker.Wait();
    const ReviewResults results = worker.Results();
    std::array<int, 2> losses{};
    int exact = 0;
    for (int ply = 1; ply <= results.MoveCount(); ++ply) {
        const MoveReview move = *results.Move(ply);
        PrintMove(move, out);
        losses[move.colour == kWhite ? 1 : 0] += move.loss;
        exact += move.exact ? 1 : 0;
    }
    const std::optional<PositionValue> end = results.ValueAfter(results.MoveCount());
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    out << "{\"moves\":" << results.MoveCount() << ",\"black_loss\":" << losses[0]
        << ",\"white_loss\":" << losses[1] << ",\"exact_moves\":" << exact
        << ",\"final_value\":" << end->black << ",\"opening\":" << OpeningJson(request.record)
        << ",\"seconds\":" << FixedDecimals(seconds, 3) << "}" << std::endl;
    return 0;
}

}  // namespace flipstone::cli

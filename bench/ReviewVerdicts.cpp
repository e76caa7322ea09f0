// How far the review's verdicts can be trusted, over whole games of the game's Level 4 against
// its own hints (flipstone-cli selfplay --games 1 --levels 4,4 --seed S, for S from --seed on):
//   seconds           the review's time for the whole game, on every core;
//   repeat_differs    positions whose value or best move differ between two reviews;
//   mirror_differs    positions whose value or best move differ in the game's three mirror
//                     images (the best move turned back), out of three times the positions;
//   zigzag            the mean difference, in discs, between the value of the move played and the
//                     value the next position is then given;
//   error_21_25       at 21 to 25 empty squares, the mean difference between the review's value of
//                     the position and the exact one;
//   marks, wrong_marks, missed_marks  at 21 to 25 empty squares, the moves the review marks as a
//                     loss of 2 or more, those of them that lose less, and the exact losses of 2 or
//                     more that it does not mark.
// Prints one JSON line per game, then the totals. Usage: flipstone-review-verdicts [--games N]
// [--seed S] [--exact-cache FILE] (exact values kept between runs: they take minutes).
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/measure/SelfPlayCommand.h"
#include "engine/BitBoard.h"
#include "engine/BoardText.h"
#include "engine/strong/BoardSymmetry.h"
#include "engine/strong/StrongSearch.h"
#include "game/records/GameRecord.h"
#include "game/review/ReviewPositions.h"
#include "game/review/ReviewWorker.h"

namespace flipstone {
namespace {

constexpr int kMarkLoss = 2;

std::vector<Square> GameOfSeed(std::uint32_t seed) {
    cli::SelfPlayRequest request;
    request.computerLevel = 4;
    request.hintLevel = 4;
    std::ostringstream log;
    cli::PlayOneGame(request, true, std::mt19937(seed)(), &log, 1, nullptr);
    std::vector<Square> moves;
    std::istringstream lines(log.str());
    for (std::string line; std::getline(lines, line);) {
        const std::size_t at = line.find("\"move\":\"");
        if (at != std::string::npos) {
            moves.push_back(*BoardText::ParseSquare(line.substr(at + 8, 2)));
        }
    }
    return moves;
}

Square Turned(Square square, int symmetry) {
    if (square.column < 0) {
        return square;
    }
    const int bit =
        strong::symmetry::TransformBit(BitBoard::BitOf(square.column, square.row), symmetry);
    return {BitBoard::ColumnOf(bit), BitBoard::RowOf(bit)};
}

struct Timed {
    ReviewResults results;
    double seconds = 0;
};

Timed Review(const std::vector<Square>& moves) {
    GameRecord record;
    record.moves = moves;
    ReviewWorker worker;
    const auto begin = std::chrono::steady_clock::now();
    worker.Start(ReviewPositionsOf(record));
    worker.Wait();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    return {worker.Results(), seconds};
}

// The same value, and a best move that is best there too: in a position that is its own mirror
// image, two mirror-image moves are equally the best, and either may be named.
bool SameVerdict(const PositionValue& a, const PositionValue& b, int symmetry) {
    const Square back = Turned(b.best, strong::symmetry::Inverse(symmetry));
    const std::optional<ValuedMove> best = a.MoveAt(back);
    return a.black == b.black && (back == a.best || (best && best->black == a.black));
}

int Differences(const ReviewResults& a, const ReviewResults& b, int symmetry) {
    int differ = 0;
    for (int ply = 0; ply < a.PositionCount(); ++ply) {
        const bool same = SameVerdict(*a.ValueAfter(ply), *b.ValueAfter(ply), symmetry);
        if (!same && std::getenv("VERDICTS_DEBUG") != nullptr) {
            std::fprintf(stderr, "ply %d: %d %s / %d %s\n", ply, a.ValueAfter(ply)->black,
                         BoardText::SquareName(a.ValueAfter(ply)->best).c_str(),
                         b.ValueAfter(ply)->black,
                         BoardText::SquareName(b.ValueAfter(ply)->best).c_str());
        }
        differ += same ? 0 : 1;
    }
    return differ;
}

// Exact values of every move, by board text and side, kept in a file between runs.
class ExactValues {
public:
    explicit ExactValues(std::string path) : path_(std::move(path)) {
        std::ifstream in(path_);
        for (std::string key, values; in >> key >> values;) {
            known_[key] = values;
        }
    }

    // The exact value of each legal move for the mover, by square.
    std::map<int, int> Of(const ReviewPosition& position) {
        const std::string key =
            BoardText::Format(position.board) + (position.mover == kBlack ? "b" : "w");
        if (!known_.count(key)) {
            known_[key] = Solve(position);
            if (!path_.empty()) {
                std::ofstream(path_, std::ios::app) << key << " " << known_[key] << "\n";
            }
        }
        std::map<int, int> values;
        std::istringstream in(known_[key]);
        for (int bit = 0, value = 0; in >> bit && in.ignore() && in >> value && in.ignore();) {
            values[bit] = value;
        }
        return values;
    }

private:
    std::string Solve(const ReviewPosition& position) {
        const BitBoard bits = BitBoard::FromBoard(position.board);
        search_.ClearTable();
        std::string text;
        for (const strong::MoveValue& move : search_.ValueEveryMove(
                 bits.Discs(position.mover), bits.Discs(Opponent(position.mover)),
                 strong::AnalysisBudget::Exact())) {
            text += std::to_string(move.bit) + ":" + std::to_string(move.value) + ",";
        }
        return text;
    }

    std::string path_;
    std::map<std::string, std::string> known_;
    strong::StrongSearch search_{22};
};

struct Figures {
    int positions = 0;
    double seconds = 0;
    int repeatDiffers = 0;
    int mirrorDiffers = 0;
    double zigzag = 0;
    int zigzagPlies = 0;
    double error = 0;
    int errorPositions = 0;
    int marks = 0;
    int wrongMarks = 0;
    int missedMarks = 0;

    void Add(const Figures& other) {
        positions += other.positions;
        seconds += other.seconds;
        repeatDiffers += other.repeatDiffers;
        mirrorDiffers += other.mirrorDiffers;
        zigzag += other.zigzag;
        zigzagPlies += other.zigzagPlies;
        error += other.error;
        errorPositions += other.errorPositions;
        marks += other.marks;
        wrongMarks += other.wrongMarks;
        missedMarks += other.missedMarks;
    }

    void Print(const char* label, int number) const {
        std::printf(
            "{\"%s\":%d,\"positions\":%d,\"seconds\":%.1f,\"repeat_differs\":%d,"
            "\"mirror_differs\":%d,\"zigzag\":%.2f,\"error_21_25\":%.2f,\"positions_21_25\":%d,"
            "\"marks\":%d,\"wrong_marks\":%d,\"missed_marks\":%d}\n",
            label, number, positions, seconds, repeatDiffers, mirrorDiffers,
            zigzagPlies > 0 ? zigzag / zigzagPlies : 0.0,
            errorPositions > 0 ? error / errorPositions : 0.0, errorPositions, marks, wrongMarks,
            missedMarks);
        std::fflush(stdout);
    }
};

void Zigzag(const ReviewResults& results, Figures& figures) {
    for (int ply = 1; ply < results.MoveCount(); ++ply) {
        const std::optional<PositionValue> before = results.ValueAfter(ply - 1);
        const std::optional<PositionValue> after = results.ValueAfter(ply);
        const std::optional<ValuedMove> played = before->MoveAt(results.Position(ply - 1).played);
        figures.zigzag += std::abs(played->black - after->black);
        ++figures.zigzagPlies;
    }
}

void Accuracy(const ReviewResults& results, ExactValues& exact, Figures& figures) {
    for (int ply = 0; ply < results.MoveCount(); ++ply) {
        const ReviewPosition& position = results.Position(ply);
        const int empties = 64 - position.board.CountDiscs();
        if (empties < 21 || empties > 25 || position.mover == kEmpty) {
            continue;
        }
        const std::map<int, int> values = exact.Of(position);
        int best = -65;
        for (const auto& [bit, value] : values) {
            best = std::max(best, value);
        }
        const int sign = position.mover == kBlack ? 1 : -1;
        figures.error += std::abs(sign * results.ValueAfter(ply)->black - best);
        ++figures.errorPositions;
        const MoveReview move = *results.Move(ply + 1);
        const int exactLoss =
            best - values.at(BitBoard::BitOf(position.played.column, position.played.row));
        if (move.loss >= kMarkLoss) {
            ++figures.marks;
            figures.wrongMarks += exactLoss < kMarkLoss ? 1 : 0;
        } else if (exactLoss >= kMarkLoss) {
            ++figures.missedMarks;
        }
    }
}

Figures GameFigures(std::uint32_t seed, ExactValues& exact) {
    const std::vector<Square> moves = GameOfSeed(seed);
    Figures figures;
    const Timed first = Review(moves);
    figures.positions = first.results.PositionCount();
    figures.seconds = first.seconds;
    figures.repeatDiffers = Differences(first.results, Review(moves).results, 0);
    for (const int symmetry : {3, 4, 7}) {
        std::vector<Square> turned;
        for (const Square move : moves) {
            turned.push_back(Turned(move, symmetry));
        }
        figures.mirrorDiffers += Differences(first.results, Review(turned).results, symmetry);
    }
    Zigzag(first.results, figures);
    Accuracy(first.results, exact, figures);
    return figures;
}

}  // namespace
}  // namespace flipstone

int main(int argc, char** argv) {
    int games = 3;
    std::uint32_t seed = 7100;
    std::string cache;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--games") {
            games = std::atoi(argv[i + 1]);
        } else if (option == "--seed") {
            seed = static_cast<std::uint32_t>(std::atoll(argv[i + 1]));
        } else if (option == "--exact-cache") {
            cache = argv[i + 1];
        }
    }
    flipstone::ExactValues exact(cache);
    flipstone::Figures total;
    for (int game = 0; game < games; ++game) {
        const flipstone::Figures figures = flipstone::GameFigures(seed + game, exact);
        figures.Print("seed", static_cast<int>(seed) + game);
        total.Add(figures);
    }
    total.Print("games", games);
    return 0;
}

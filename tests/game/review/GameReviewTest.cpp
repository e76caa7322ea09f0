// The review of a game: against full minimax at the end of a game, and on its thread.
#include "game/review/GameReview.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <span>
#include <thread>

#include "engine/BitBoard.h"
#include "engine/BoardText.h"
#include "engine/Position.h"
#include "engine/strong/BoardSymmetry.h"
#include "game/review/PositionAnalyst.h"
#include "game/review/ReviewPositions.h"
#include "game/review/ReviewWorker.h"
#include "support/PlainSolve.h"
#include "support/Positions.h"
#include "support/TestScale.h"

namespace flipstone {
namespace {

using testing::PlainSolve;

// The exact value of a position for the colour to move there, from `colour`'s side.
int ExactFor(std::uint8_t colour, const Position& position) {
    if (position.IsOver()) {
        return position.GetBoard().FinalDifference(colour);
    }
    const int value = PlainSolve(position.GetBoard(), position.ToMove());
    return position.ToMove() == colour ? value : -value;
}

// A game from the position, played to its end at random.
GameRecord RandomGameFrom(const testing::RandomPosition& late, std::uint32_t seed) {
    GameRecord record;
    record.start = late.board;
    record.firstToMove = late.toMove;
    Position position = record.StartPosition();
    std::mt19937 random(seed);
    while (!position.IsOver()) {
        const std::vector<Square> moves = position.LegalSquares();
        const Square move = moves[random() % moves.size()];
        record.moves.push_back(move);
        position.Play(move);
    }
    return record;
}

// A game from a random position with the given empty squares, played to its end at random.
GameRecord RandomGame(std::uint32_t seed, int emptySquares) {
    return RandomGameFrom(testing::RandomGamePosition(seed, emptySquares), seed);
}

// Three games' last ten moves (one game's in a build with sanitizers).
TEST(GameReviewTest, AgreesWithFullMinimaxOnTheLastMoves) {
    const std::uint32_t seeds[] = {3, 8, 21};
    for (const std::uint32_t seed :
         std::span(seeds).first(static_cast<std::size_t>(std::min(3, testing::Scaled(3))))) {
        const GameRecord record = RandomGame(seed, 10);
        PositionAnalyst analyst;
        GameReview review(ReviewPositionsOf(record));
        while (review.Step(analyst)) {
        }
        const ReviewResults results = review.Results();
        ASSERT_TRUE(results.Complete());
        ASSERT_EQ(results.MoveCount(), static_cast<int>(record.moves.size()));
        for (int ply = 1; ply <= results.MoveCount(); ++ply) {
            const MoveReview move = *results.Move(ply);
            const Position before = record.PositionAfter(ply - 1);
            Position after = before;
            after.Play(move.move);
            Position best = before;
            ASSERT_TRUE(best.Play(move.best));
            const std::string where =
                BoardText::Format(before.GetBoard()) + " move " + std::to_string(ply);
            EXPECT_EQ(move.colour, before.ToMove()) << where;
            EXPECT_EQ(move.value, ExactFor(move.colour, after)) << where;
            EXPECT_EQ(move.bestValue, ExactFor(move.colour, best)) << where;
            EXPECT_EQ(move.bestValue, PlainSolve(before.GetBoard(), move.colour)) << where;
            EXPECT_EQ(move.loss, move.bestValue - move.value) << where;
            EXPECT_TRUE(move.exact) << where;
        }
    }
}

// The positions of a review judged on `threads` threads at once, each with a small budget.
ReviewResults ReviewOn(int threads, const GameRecord& record) {
    const book::OpeningBook noBook;
    GameReview review(ReviewPositionsOf(record));
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t) {
        pool.emplace_back([&] {
            PositionAnalyst analyst(noBook, {300'000, 12, 14, 1'000'000});
            while (review.Step(analyst)) {
            }
        });
    }
    for (std::thread& thread : pool) {
        thread.join();
    }
    return review.Results();
}

Square Turned(Square square, int symmetry) {
    const int bit =
        strong::symmetry::TransformBit(BitBoard::BitOf(square.column, square.row), symmetry);
    return {BitBoard::ColumnOf(bit), BitBoard::RowOf(bit)};
}

// One verdict per position: every move's value the same on two runs on any threads, and the same,
// turned, on every mirror image of the game. The game starts from a position that is its own
// mirror image, whose mirror-image moves are worth the same.
TEST(GameReviewTest, ReviewsAgreeOnEveryRunAndEveryMirrorImage) {
    constexpr int kOwnImage = 3;
    const GameRecord record = RandomGameFrom(
        testing::MirroredGamePosition(
            12, 30, [](int bit) { return strong::symmetry::TransformBit(bit, kOwnImage); }),
        13);
    const ReviewResults once = ReviewOn(2, record);
    ASSERT_TRUE(once.Complete());
    const PositionValue first = *once.ValueAfter(0);
    ASSERT_GT(first.moves.size(), 1u);
    for (const ValuedMove& move : first.moves) {
        EXPECT_EQ(first.MoveAt(Turned(move.square, kOwnImage))->black, move.black);
    }
    for (const int symmetry : {0, 2, 5, 7}) {
        GameRecord image = record;
        const BitBoard start = BitBoard::FromBoard(record.start);
        image.start = BitBoard{strong::symmetry::Transform(start.black, symmetry),
                               strong::symmetry::Transform(start.white, symmetry)}
                          .ToBoard();
        for (Square& move : image.moves) {
            move = Turned(move, symmetry);
        }
        const ReviewResults again = ReviewOn(symmetry == 0 ? 1 : 2, image);
        for (int ply = 0; ply < once.PositionCount(); ++ply) {
            const PositionValue a = *once.ValueAfter(ply);
            const PositionValue b = *again.ValueAfter(ply);
            EXPECT_EQ(a.black, b.black) << ply << " " << symmetry;
            for (const ValuedMove& move : a.moves) {
                EXPECT_EQ(b.MoveAt(Turned(move.square, symmetry))->black, move.black)
                    << ply << " " << symmetry;
            }
        }
    }
}

// A stopped analysis is no verdict: the position of a job stopped before its analysis began
// stays unjudged, and the job made after the stop judges it as an analyst of its own would.
TEST(GameReviewTest, AStoppedAnalysisIsNoVerdictAndTheNextJobJudges) {
    const auto [board, side] = testing::RandomGamePosition(17, 14);
    const std::vector<ReviewPosition> positions = {ReviewPosition{board, side, Square{}}};
    PositionAnalyst analyst;
    const PositionAnalyst::Job stopped = analyst.NewJob();
    analyst.Stop();
    const PositionAnalyst::Job next = analyst.NewJob();
    GameReview cut(positions);
    EXPECT_FALSE(cut.Step(analyst, stopped));
    EXPECT_EQ(cut.Results().JudgedCount(), 0);

    GameReview judged(positions);
    judged.Step(analyst, next);
    PositionAnalyst alone;
    const PositionValue expected = *JudgePosition(positions[0], alone);
    ASSERT_TRUE(judged.Results().Complete());
    EXPECT_EQ(judged.Results().ValueAfter(0)->black, expected.black);
    EXPECT_TRUE(judged.Results().ValueAfter(0)->exact);
}

TEST(GameReviewTest, TheWorkerReviewsOnItsThreadAndStopsWhenCancelled) {
    const GameRecord record = RandomGame(5, 10);
    ReviewWorker worker;
    worker.Start(ReviewPositionsOf(record));
    worker.Wait();
    PositionAnalyst analyst;
    GameReview alone(ReviewPositionsOf(record));
    while (alone.Step(analyst)) {
    }
    for (int ply = 1; ply <= alone.Results().MoveCount(); ++ply) {
        EXPECT_EQ(worker.Results().Move(ply)->value, alone.Results().Move(ply)->value);
    }

    // A whole game from the start takes long: once cancelled, the worker judges nothing more.
    worker.Start(ReviewPositionsOf(RandomGame(5, 60)));
    worker.Cancel();
    EXPECT_FALSE(worker.Running());
    const int judged = worker.Results().JudgedCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(worker.Results().JudgedCount(), judged);
    EXPECT_LT(judged, worker.Results().PositionCount());
}

}  // namespace
}  // namespace flipstone

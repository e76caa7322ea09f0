// Google Benchmark of the computer player's kernels: move generation, flips, evaluation (the
// game's and the strongest player's), and whole searches through the game document, on the
// kernel this processor runs best and on the baseline build.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "cli/measure/BenchCommand.h"
#include "engine/BitBoard.h"
#include "engine/FastSearch.h"
#include "engine/Position.h"
#include "engine/SearchKernel.h"
#include "engine/strong/EvaluationWeights.h"
#include "engine/strong/StrongKernel.h"

namespace flipstone {
namespace {

// Positions from random play across the whole game, as (mover, other) bitboards.
struct Sample {
    std::uint64_t mover;
    std::uint64_t other;
};

const std::vector<Sample>& Samples() {
    static const std::vector<Sample> samples = [] {
        std::vector<Sample> result;
        std::mt19937 random(7);
        while (result.size() < 4096) {
            Position position = Position::Start();
            while (!position.IsOver()) {
                std::vector<Square> squares;  // column by column
                for (int i = 0; i < 64; ++i) {
                    if (position.CanPlay({i / 8, i % 8})) {
                        squares.push_back({i / 8, i % 8});
                    }
                }
                position.Play(squares[random() % squares.size()]);
                const std::uint8_t toMove =
                    position.IsOver() ? std::uint8_t{kBlack} : position.ToMove();
                const BitBoard bits = BitBoard::FromBoard(position.GetBoard());
                result.push_back({bits.Discs(toMove), bits.Discs(Opponent(toMove))});
            }
        }
        return result;
    }();
    return samples;
}

// Argument 0 is the baseline build of the kernel, 1 the AVX2 build where the processor has it.
const SearchKernel& KernelOf(benchmark::State& state) {
    const SearchKernel& kernel = state.range(0) == 1 && SearchKernel::Avx2() != nullptr
                                     ? *SearchKernel::Avx2()
                                     : SearchKernel::Baseline();
    state.SetLabel(kernel.name);
    return kernel;
}

void KernelArguments(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgName("kernel")->Arg(0);
    if (SearchKernel::Avx2() != nullptr) {
        benchmark->Arg(1);
    }
}

void BM_LegalMoves(benchmark::State& state) {
    const SearchKernel& kernel = KernelOf(state);
    const auto& samples = Samples();
    std::size_t i = 0;
    for (auto _ : state) {
        const Sample& sample = samples[i++ & 4095];
        benchmark::DoNotOptimize(kernel.legalMoves(sample.mover, sample.other));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LegalMoves)->Apply(KernelArguments);

void BM_Flips(benchmark::State& state) {
    const SearchKernel& kernel = KernelOf(state);
    // Every legal move of every sample.
    std::vector<std::pair<int, Sample>> moves;
    for (const Sample& sample : Samples()) {
        for (std::uint64_t m = kernel.legalMoves(sample.mover, sample.other); m != 0; m &= m - 1) {
            moves.emplace_back(__builtin_ctzll(m), sample);
        }
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& [bit, sample] = moves[i++ % moves.size()];
        benchmark::DoNotOptimize(kernel.flips(bit, sample.mover, sample.other));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Flips)->Apply(KernelArguments);

void BM_Evaluate(benchmark::State& state) {
    const SearchKernel& kernel = KernelOf(state);
    const auto& samples = Samples();
    std::size_t i = 0;
    for (auto _ : state) {
        const Sample& sample = samples[i++ & 4095];
        benchmark::DoNotOptimize(kernel.evaluate(sample.mover, sample.other));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Evaluate)->Apply(KernelArguments);

// The strongest player's pattern evaluation, with its built-in weights.
void BM_StrongEvaluate(benchmark::State& state) {
    const strong::StrongKernel& kernel =
        state.range(0) == 1 && strong::StrongKernel::Avx2() != nullptr
            ? *strong::StrongKernel::Avx2()
            : strong::StrongKernel::Baseline();
    state.SetLabel(kernel.name);
    const std::int16_t* weights = strong::EvaluationWeights::BuiltIn().Weights();
    const auto& samples = Samples();
    std::size_t i = 0;
    for (auto _ : state) {
        const Sample& sample = samples[i++ & 4095];
        benchmark::DoNotOptimize(kernel.evaluate(weights, sample.mover, sample.other));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StrongEvaluate)->Apply(KernelArguments);

// One search of a root move's position at Level 4 depth: six plies in the middle game, fourteen
// with 14 empty squares. Without the table, so every iteration does the same work.
void SearchBenchmark(benchmark::State& state, const char* suite, int depth) {
    const SearchKernel& kernel = KernelOf(state);
    const cli::BenchPosition position = cli::BenchSuite(suite).front();
    const BitBoard bits = BitBoard::FromBoard(position.board);
    SearchRequest request;
    request.computer = bits.Discs(position.computer);
    request.human = bits.Discs(Opponent(position.computer));
    request.computerToMove = true;
    request.depth = depth;
    request.bound = 9999;
    std::int64_t leaves = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kernel.search(request, leaves));
    }
    state.counters["leaves/s"] =
        benchmark::Counter(static_cast<double>(leaves), benchmark::Counter::kIsRate);
}

void BM_SearchMidgame(benchmark::State& state) {
    SearchBenchmark(state, "midgame", 6);
}
BENCHMARK(BM_SearchMidgame)->Apply(KernelArguments)->Unit(benchmark::kMillisecond);

void BM_SearchEndgame(benchmark::State& state) {
    SearchBenchmark(state, "endgame", 13);
}
BENCHMARK(BM_SearchEndgame)->Apply(KernelArguments)->Unit(benchmark::kMillisecond);

// The same endgame search with the table of remembered results, fresh for each iteration.
void BM_SearchEndgameWithTable(benchmark::State& state) {
    const cli::BenchPosition position = cli::BenchSuite("endgame").front();
    std::int64_t leaves = 0;
    for (auto _ : state) {
        state.PauseTiming();
        FastSearch search;
        state.ResumeTiming();
        benchmark::DoNotOptimize(
            search.Search(position.board, position.computer, 13, 9999, position.computer, leaves));
    }
    state.counters["leaves/s"] =
        benchmark::Counter(static_cast<double>(leaves), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SearchEndgameWithTable)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace flipstone

BENCHMARK_MAIN();

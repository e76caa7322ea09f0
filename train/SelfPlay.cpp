#include "train/SelfPlay.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <memory>
#include <mutex>
#include <random>
#include <thread>

#include "engine/SearchKernel.h"
#include "engine/strong/StrongSearch.h"

namespace flipstone::train {

namespace {

constexpr std::uint64_t kBlackStart = 0x0000000810000000ull;
constexpr std::uint64_t kWhiteStart = 0x0000001008000000ull;

int RandomMove(std::uint64_t moves, std::mt19937_64& random) {
    const int count = std::popcount(moves);
    int pick = static_cast<int>(random() % static_cast<std::uint64_t>(count));
    while (pick-- > 0) {
        moves &= moves - 1;
    }
    return std::countr_zero(moves);
}

void PlayGame(const SelfPlayOptions& options, int game, strong::StrongSearch* search,
              std::vector<Sample>& out) {
    const SearchKernel& kernel = SearchKernel::Best();
    std::mt19937_64 random(options.seed * 1000003 + static_cast<std::uint64_t>(game));
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    std::uint64_t mover = kBlackStart;
    std::uint64_t other = kWhiteStart;
    if (search != nullptr) {
        search->ClearTable();  // each game the same whichever thread plays it
    }
    for (int ply = 0;; ++ply) {
        const std::uint64_t moves = kernel.legalMoves(mover, other);
        if (moves == 0) {
            if (kernel.legalMoves(other, mover) == 0) {
                return;
            }
            std::swap(mover, other);
            continue;
        }
        out.push_back({mover, other, Sample::kUnknown});
        int bit = 0;
        if (search == nullptr || ply < options.randomPlies || chance(random) < options.epsilon) {
            bit = RandomMove(moves, random);
        } else {
            bit = search->SearchToDepth(mover, other, options.depth).bit;
        }
        const std::uint64_t flips = kernel.flips(bit, mover, other);
        const std::uint64_t played = mover | flips | (std::uint64_t{1} << bit);
        mover = other & ~flips;
        other = played;
    }
}

}  // namespace

std::vector<Sample> PlaySelf(const SelfPlayOptions& options, std::ostream& progress) {
    std::vector<Sample> samples;
    std::mutex mutex;
    std::atomic<int> next{0};
    auto work = [&] {
        std::unique_ptr<strong::StrongSearch> search;
        if (options.weights != nullptr) {
            search = std::make_unique<strong::StrongSearch>(16, 1, *options.weights);
        }
        std::vector<Sample> mine;
        for (int game = next++; game < options.games; game = next++) {
            PlayGame(options, game, search.get(), mine);
            if ((game + 1) % 500 == 0) {
                std::lock_guard<std::mutex> lock(mutex);
                progress << "selfplay: " << game + 1 << " games" << std::endl;
            }
        }
        std::lock_guard<std::mutex> lock(mutex);
        samples.insert(samples.end(), mine.begin(), mine.end());
    };
    std::vector<std::thread> threads;
    for (int i = 0; i < options.threads; ++i) {
        threads.emplace_back(work);
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    std::sort(samples.begin(), samples.end());
    samples.erase(std::unique(samples.begin(), samples.end()), samples.end());
    return samples;
}

}  // namespace flipstone::train

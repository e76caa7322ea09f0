#pragma once

#include <atomic>
#include <thread>
#include <vector>

namespace flipstone::train {

// Runs work(thread, i) for every i below `count` on `threads` threads, each taking the next i.
template <typename Work>
void InParallel(int threads, int count, Work work) {
    std::atomic<int> next{0};
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t) {
        pool.emplace_back([&, t] {
            for (int i = next++; i < count; i = next++) {
                work(t, i);
            }
        });
    }
    for (std::thread& thread : pool) {
        thread.join();
    }
}

}  // namespace flipstone::train

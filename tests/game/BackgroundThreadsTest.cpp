// The background threads: each runs niced below the window's thread, takes work when its owner
// gives some, and ends with its owner by stopping the work under way.
#include "game/BackgroundThreads.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <set>

namespace flipstone {
namespace {

// Each piece of work keeps its thread busy until the work is stopped.
class BlockingWork : public BackgroundThreads::Work {
public:
    bool HasWork() const override { return pieces > 0; }
    void DoWork(int index, std::unique_lock<std::mutex>& lock) override {
        --pieces;
        indices.insert(index);
        niceness.insert(getpriority(PRIO_PROCESS, static_cast<id_t>(gettid())));
        threads->Notify();
        threads->WaitUntil(lock, [this] { return stopped; });
    }
    void StopWork() override { stopped = true; }

    BackgroundThreads* threads = nullptr;
    int pieces = 0;
    bool stopped = false;
    std::set<int> indices;
    std::multiset<int> niceness;
};

TEST(BackgroundThreadsTest, EachThreadRunsNicedAndEndsByStoppingItsWork) {
    BlockingWork work;
    {
        BackgroundThreads threads(2, work);
        work.threads = &threads;
        auto lock = threads.Lock();
        work.pieces = 2;
        threads.Notify();
        threads.WaitUntil(lock, [&] { return work.indices.size() == 2; });
    }
    EXPECT_EQ(work.indices, (std::set<int>{0, 1}));
    for (const int value : work.niceness) {
        EXPECT_GE(value, 10);
    }
    EXPECT_TRUE(work.stopped);
}

}  // namespace
}  // namespace flipstone

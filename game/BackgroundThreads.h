#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace flipstone {

// Threads that work in the background: each yields the processor to the window's thread whenever
// both want it, waits under one lock until its owner has work for it, and ends with the owner.
// The owner keeps the state it shares with the threads under that lock and wakes them when it
// gives them work.
class BackgroundThreads {
public:
    // What the threads do. Every call is made with the lock held.
    class Work {
    public:
        // Whether there is work for a thread to take.
        virtual bool HasWork() const = 0;
        // Does one piece of work on thread `index`; it may unlock `lock` while it computes, and
        // returns with it held again.
        virtual void DoWork(int index, std::unique_lock<std::mutex>& lock) = 0;
        // Makes the work under way stop at once: the threads are ending.
        virtual void StopWork() = 0;

    protected:
        ~Work() = default;
    };

    // Starts `count` threads doing `work`, which must outlive them.
    BackgroundThreads(int count, Work& work);
    // Stops the work under way and ends the threads.
    ~BackgroundThreads();
    BackgroundThreads(const BackgroundThreads&) = delete;
    BackgroundThreads& operator=(const BackgroundThreads&) = delete;

    std::unique_lock<std::mutex> Lock() const { return std::unique_lock(mutex_); }
    // Wakes the threads, and whoever waits, after the state changed under the lock.
    void Notify() const { wake_.notify_all(); }
    // Waits, with the lock held by `lock`, until `done` is true.
    template <typename Predicate>
    void WaitUntil(std::unique_lock<std::mutex>& lock, Predicate done) const {
        wake_.wait(lock, done);
    }

private:
    void Run(int index);

    Work& work_;
    mutable std::mutex mutex_;
    mutable std::condition_variable wake_;
    bool quit_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace flipstone

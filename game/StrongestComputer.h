#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <random>

#include "engine/Board.h"
#include "engine/Square.h"
#include "engine/strong/StrongSearchJob.h"
#include "game/BackgroundThreads.h"

namespace flipstone {

namespace strong {
class StrongSearch;
}

// The strongest player as the game's computer: it plays from the opening book while the game is in
// it, and otherwise thinks about a move on a thread of its own for the time it is given, while the
// window shows what it examines, its value and the positions it has visited. The thread yields the
// processor to the window's whenever both want it.
class StrongestComputer : private BackgroundThreads::Work {
public:
    // What the thinking shows: the move it examines (none between two), its value in discs for
    // the computer, and the positions it has visited.
    struct Progress {
        Square examined;
        std::int32_t value = 0;
        std::int64_t nodes = 0;
    };

    StrongestComputer();
    // Abandons the thinking under way and ends the thread.
    ~StrongestComputer();
    StrongestComputer(const StrongestComputer&) = delete;
    StrongestComputer& operator=(const StrongestComputer&) = delete;

    // Starts thinking about the colour's move on the board, which has one, for about `seconds`;
    // any earlier thinking is abandoned.
    void Start(const Board& board, std::uint8_t colour, double seconds);
    // Abandons the thinking under way: it stops at once and its move is never reported.
    void Abandon();
    Progress Shown() const;
    // The move chosen, once the thinking has finished; none before, and none after Abandon.
    std::optional<Square> Move() const;

private:
    struct Job {
        Board board{};
        std::uint8_t colour = 0;
        double seconds = 0;
    };
    bool HasWork() const override;
    void DoWork(int index, std::unique_lock<std::mutex>& lock) override;
    void StopWork() override;
    // The move chosen; runs without the lock, on the search that lives as long as the thread.
    Square Think(const Job& job, strong::StrongSearchJob searchJob);

    std::optional<Job> job_;
    // Names the thinking asked for last; a result of an older one is thrown away.
    std::uint64_t ticket_ = 0;
    std::optional<Square> move_;
    // Made by the thread at its first move, without the lock: a game that never meets the
    // strongest player keeps no table.
    std::unique_ptr<strong::StrongSearch> search_;
    // Which of the book's good moves it plays, so that its games vary.
    std::mt19937_64 draws_{std::random_device()()};
    // Declared last: the thread ends before the members it uses.
    BackgroundThreads thread_{1, *this};
};

}  // namespace flipstone

#pragma once

#include <chrono>
#include <cstdint>

namespace flipstone::strong {

// Thrown out of a search whose time is up; the search that caught it keeps what it had finished.
struct OutOfTime {};

// The deadline of one move's thinking and the count of positions visited on the way.
class SearchClock {
public:
    using Clock = std::chrono::steady_clock;

    void Start(std::chrono::duration<double> budget);
    // Counts a position; throws OutOfTime once the deadline has passed.
    void Tick();
    // The share of the budget used so far, 0 to 1 and beyond.
    double UsedShare() const;
    std::int64_t Nodes() const { return nodes_; }

private:
    Clock::time_point start_{};
    Clock::time_point deadline_{};
    std::int64_t nodes_ = 0;
};

}  // namespace flipstone::strong

#include "engine/strong/SearchClock.h"

namespace flipstone::strong {

namespace {
// Positions between two looks at the clock: about a tenth of a millisecond of search.
constexpr std::int64_t kTicksPerLook = 1024;
}  // namespace

void SearchClock::Start(std::chrono::duration<double> budget) {
    start_ = Clock::now();
    deadline_ = start_ + std::chrono::duration_cast<Clock::duration>(budget);
    nodes_ = 0;
}

void SearchClock::Tick() {
    if (++nodes_ % kTicksPerLook == 0 && Clock::now() >= deadline_) {
        throw OutOfTime{};
    }
}

double SearchClock::UsedShare() const {
    const double budget = std::chrono::duration<double>(deadline_ - start_).count();
    const double used = std::chrono::duration<double>(Clock::now() - start_).count();
    return budget > 0 ? used / budget : 1.0;
}

}  // namespace flipstone::strong

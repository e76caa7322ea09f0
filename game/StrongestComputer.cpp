#include "game/StrongestComputer.h"

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>

#include "engine/BitBoard.h"
#include "engine/book/BookMove.h"
#include "engine/strong/StrongSearch.h"

namespace flipstone {

namespace {

// The niceness of the thinking threads: well below the window's, above the idle class.
constexpr int kBackgroundNiceness = 10;
// 2^18 buckets of four entries (16 MB): plenty for moves of a fraction of a second.
constexpr int kTableBits = 18;

Square SquareOfBit(int bit) {
    return bit < 0 ? Square{} : Square{BitBoard::ColumnOf(bit), BitBoard::RowOf(bit)};
}

}  // namespace

StrongestComputer::StrongestComputer() : thread_([this] { Run(); }) {}

StrongestComputer::~StrongestComputer() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
        if (search_) {
            search_->Stop();
        }
    }
    wake_.notify_all();
    thread_.join();
}

void StrongestComputer::Start(const Board& board, std::uint8_t colour, double seconds) {
    {
        std::lock_guard lock(mutex_);
        if (search_) {
            search_->Stop();
        }
        job_ = Job{board, colour, seconds};
        ++ticket_;
        move_.reset();
    }
    wake_.notify_all();
}

void StrongestComputer::Abandon() {
    std::lock_guard lock(mutex_);
    if (search_) {
        search_->Stop();
    }
    job_.reset();
    ++ticket_;
    move_.reset();
}

StrongestComputer::Progress StrongestComputer::Shown() const {
    std::lock_guard lock(mutex_);
    if (!search_) {
        return {};
    }
    const strong::SearchProgress& progress = search_->Progress();
    return {SquareOfBit(progress.examined.load()), progress.value.load(), progress.nodes.load()};
}

std::optional<Square> StrongestComputer::Move() const {
    std::lock_guard lock(mutex_);
    return move_;
}

void StrongestComputer::Run() {
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kBackgroundNiceness);
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return quit_ || job_.has_value(); });
        if (quit_) {
            return;
        }
        const Job job = *job_;
        job_.reset();
        if (!search_) {
            search_ = std::make_unique<strong::StrongSearch>(kTableBits);
        }
        const std::uint64_t ticket = ticket_;
        lock.unlock();
        Think(job, ticket);
        lock.lock();
    }
}

// Runs without the lock; the search it uses lives as long as the thread.
void StrongestComputer::Think(const Job& job, std::uint64_t ticket) {
    const BitBoard bits = BitBoard::FromBoard(job.board);
    const strong::ThinkResult result = book::ThinkWithBook(
        *search_, book::OpeningBook::BuiltIn(), bits.Discs(job.colour),
        bits.Discs(Opponent(job.colour)), std::chrono::duration<double>(job.seconds), draws_());
    std::lock_guard lock(mutex_);
    if (ticket == ticket_) {
        move_ = SquareOfBit(result.bit);
    }
}

}  // namespace flipstone

#include "game/StrongestComputer.h"

#include <chrono>

#include "engine/BitBoard.h"
#include "engine/book/BookMove.h"
#include "engine/strong/StrongSearch.h"

namespace flipstone {

namespace {

// 2^18 buckets of four entries (16 MB): plenty for moves of a fraction of a second.
constexpr int kTableBits = 18;

Square SquareOfBit(int bit) {
    return bit < 0 ? Square{} : Square{BitBoard::ColumnOf(bit), BitBoard::RowOf(bit)};
}

}  // namespace

StrongestComputer::StrongestComputer() = default;

StrongestComputer::~StrongestComputer() = default;

void StrongestComputer::Start(const Board& board, std::uint8_t colour, double seconds) {
    {
        const auto lock = thread_.Lock();
        StopWork();
        job_ = Job{board, colour, seconds};
        ++ticket_;
        move_.reset();
    }
    thread_.Notify();
}

void StrongestComputer::Abandon() {
    const auto lock = thread_.Lock();
    StopWork();
    job_.reset();
    ++ticket_;
    move_.reset();
}

StrongestComputer::Progress StrongestComputer::Shown() const {
    const auto lock = thread_.Lock();
    if (!search_) {
        return {};
    }
    const strong::SearchProgress& progress = search_->Progress();
    return {SquareOfBit(progress.examined.load()), progress.value.load(), progress.nodes.load()};
}

std::optional<Square> StrongestComputer::Move() const {
    const auto lock = thread_.Lock();
    return move_;
}

bool StrongestComputer::HasWork() const {
    return job_.has_value();
}

void StrongestComputer::DoWork(int, std::unique_lock<std::mutex>& lock) {
    if (!search_) {
        // Its table is made without the lock, so the window's thread never waits on it.
        lock.unlock();
        auto search = std::make_unique<strong::StrongSearch>(kTableBits);
        lock.lock();
        search_ = std::move(search);
        return;
    }
    const Job job = *job_;
    job_.reset();
    // Made under the lock: an Abandon or Start after it stops this thinking, even before it
    // begins.
    const strong::StrongSearchJob searchJob = search_->NewJob();
    const std::uint64_t ticket = ticket_;
    lock.unlock();
    const Square move = Think(job, searchJob);
    lock.lock();
    if (ticket == ticket_) {
        move_ = move;
    }
}

void StrongestComputer::StopWork() {
    if (search_) {
        search_->Stop();
    }
}

Square StrongestComputer::Think(const Job& job, strong::StrongSearchJob searchJob) {
    const BitBoard bits = BitBoard::FromBoard(job.board);
    const strong::ThinkResult result =
        book::ThinkWithBook(*search_, book::OpeningBook::BuiltIn(), bits.Discs(job.colour),
                            bits.Discs(Opponent(job.colour)),
                            std::chrono::duration<double>(job.seconds), draws_(), searchJob);
    return SquareOfBit(result.bit);
}

}  // namespace flipstone

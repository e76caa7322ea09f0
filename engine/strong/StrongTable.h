#pragma once

#include <cstddef>
#include <cstdint>

namespace flipstone::strong {

// One slot of the table: what a search learnt of one position, kept as two words that threads
// read and write without locks. `data` packs the bounds, depth, selectivity, best move, the
// search's date and its cost (CoreTable.h reads and writes them); `check` is a second hash of
// the position mixed with `data`, so that a slot torn by two threads writing at once, or holding
// another position, is never taken for this one.
struct TableSlot {
    std::uint64_t check;
    std::uint64_t data;
};

// Four slots share one cache line: a position may go into any of them.
struct alignas(64) TableBucket {
    static constexpr int kSlots = 4;
    TableSlot slots[kSlots];
};

// The transposition table that every thread of one strongest player shares: the memory and the
// date that tells this search's entries from older ones. The searches find, read and write the
// slots themselves (CoreTable.h), built once per instruction set; this header holds data and
// declarations only.
class StrongTable {
public:
    explicit StrongTable(int bucketBits);
    ~StrongTable();
    StrongTable(const StrongTable&) = delete;
    StrongTable& operator=(const StrongTable&) = delete;

    TableBucket* Buckets() const { return buckets_; }
    std::uint64_t Mask() const { return mask_; }
    // The date of the search now running; each new search takes the next one.
    std::uint8_t Date() const { return date_; }
    void NextDate() { ++date_; }
    void Clear();
    std::size_t Bytes() const { return (mask_ + 1) * sizeof(TableBucket); }

private:
    TableBucket* buckets_;
    std::uint64_t mask_;
    std::uint8_t date_ = 1;
};

}  // namespace flipstone::strong

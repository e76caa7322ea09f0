#pragma once

#include <cstddef>
#include <cstdint>

namespace flipstone {

// What the search remembers about one node (a position, the side to move and the remaining
// depth), in a form that answers any bound. A node's children are searched against the node's
// own best so far, never against its bound, so the bound only decides where the node stops: at
// the first child whose value improves on the best and also passes the bound. The entry keeps
// those improvements in order, each with the leaves counted up to it; a node searched to its
// end ("complete") also keeps its total. A node that stopped early keeps the improvements up to
// where it stopped, and the sorted place of the child that stopped it, so a later search with a
// wider bound can carry on from there.
struct SearchTableEntry {
    static constexpr int kSlots = 4;
    static constexpr std::uint8_t kComplete = 0x08;
    // More improvements happened than there are slots: the first kSlots - 1 are kept and the
    // last slot holds the latest.
    static constexpr std::uint8_t kTruncated = 0x10;
    static constexpr std::uint8_t kCountMask = 0x07;

    std::uint64_t computer = 0;
    std::uint64_t human = 0;
    std::uint32_t leaves[kSlots] = {};
    std::uint32_t totalLeaves = 0;
    std::int16_t values[kSlots] = {};
    // depth * 2 + 1 when the computer is to move, depth * 2 otherwise; 0 marks a free entry.
    std::uint8_t depthAndSide = 0;
    std::uint8_t flags = 0;
    std::uint8_t resumePlace = 0;
};

static_assert(sizeof(SearchTableEntry) == 48, "entries stay small");

// The storage of the remembered results: a power-of-two array of entries, allocated on first
// use. Every entry holds an exact result of a pure function, so nothing in it ever goes stale;
// replacement only decides what is kept.
class SearchTable {
public:
    static constexpr int kDefaultBits = 17;
    static constexpr int kDefaultNearBits = 12;

    explicit SearchTable(int bits = kDefaultBits, int nearBits = kDefaultNearBits);
    ~SearchTable();
    SearchTable(const SearchTable&) = delete;
    SearchTable& operator=(const SearchTable&) = delete;

    // The entries, allocated on the first call; null when the memory is not to be had, and the
    // search then simply runs without remembering. The first NearMask() + 1 of them form the
    // small table for shallow nodes, the Mask() + 1 after them the main one.
    SearchTableEntry* Entries();
    std::uint64_t Mask() const { return (std::uint64_t{1} << bits_) - 1; }
    std::uint64_t NearMask() const { return (std::uint64_t{1} << nearBits_) - 1; }
    std::size_t Bytes() const {
        return sizeof(SearchTableEntry) *
               ((std::size_t{1} << bits_) + (std::size_t{1} << nearBits_));
    }
    void Clear();

private:
    int bits_;
    int nearBits_;
    bool allocationFailed_ = false;
    SearchTableEntry* entries_ = nullptr;
};

}  // namespace flipstone

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

// The table as one search uses it: a small part for shallow nodes, which the processor's caches
// can hold, and the main part for nodes with at least SearchTable::kDeepDepth plies left. With no
// entries, the search remembers nothing.
struct SearchTableView {
    SearchTableEntry* nearEntries = nullptr;
    std::uint64_t nearMask = 0;
    SearchTableEntry* deepEntries = nullptr;
    std::uint64_t deepMask = 0;
};

// The storage of the remembered results: a power-of-two array of entries, allocated on first
// use. Every entry holds an exact result of a pure function, so nothing in it ever goes stale;
// replacement only decides what is kept. The search kernel finds, reads and writes the entries
// itself (KernelTable.h), built once per instruction set; this header therefore holds data and
// declarations only, no inline code that both builds could compile.
class SearchTable {
public:
    static constexpr int kDefaultBits = 17;
    static constexpr int kDefaultNearBits = 12;
    // Nodes with this many plies left or more go to the main part.
    static constexpr int kDeepDepth = 6;

    explicit SearchTable(int bits = kDefaultBits, int nearBits = kDefaultNearBits);
    ~SearchTable();
    SearchTable(const SearchTable&) = delete;
    SearchTable& operator=(const SearchTable&) = delete;

    // The table for a search; the entries are allocated on the first call. Empty when the memory
    // is not to be had, and the search then simply runs without remembering.
    SearchTableView View();
    void Clear();

private:
    std::size_t Bytes() const;

    int bits_;
    int nearBits_;
    bool allocationFailed_ = false;
    SearchTableEntry* entries_ = nullptr;
};

}  // namespace flipstone

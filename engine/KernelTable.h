#pragma once

// The results table as the search kernel uses it: where a node is kept, the lookup that answers
// a bound or says where to carry on, and the store. The entry layout and the storage are
// SearchTable's; this code runs inside the kernel and is compiled with it.

#include <cstdint>

#include "engine/KernelBasics.h"
#include "engine/SearchTable.h"

namespace flipstone::kernels::FLIPSTONE_KERNEL_NAMESPACE {
namespace {

// The improvements of one node, as the table keeps them.
struct Profile {
    int count = 0;
    bool truncated = false;
    int values[SearchTableEntry::kSlots] = {};
    std::int64_t leaves[SearchTableEntry::kSlots] = {};
    int lastPlace = 0;

    void Add(int value, std::int64_t leafCount, int place) {
        if (count == SearchTableEntry::kSlots) {
            truncated = true;
            --count;
        }
        values[count] = value;
        leaves[count] = leafCount;
        ++count;
        lastPlace = place;
    }
};

// What a lookup found.
enum class Lookup { kMiss, kAnswer, kResume };

class KernelTable {
public:
    explicit KernelTable(const SearchTableView& view) : view_(view) {}

    bool Present() const { return view_.deepEntries != nullptr; }

    // Asks for a node's bucket ahead of its lookup, so that the memory access overlaps other
    // work.
    void Prefetch(U64 computer, U64 human, int depthAndSide) const {
        const char* bucket = reinterpret_cast<const char*>(Bucket(computer, human, depthAndSide));
        __builtin_prefetch(bucket);
        __builtin_prefetch(bucket + 2 * sizeof(SearchTableEntry) - 1);
    }

    // The entry that holds the node, or null; `slot` is where the node's result is to be stored.
    SearchTableEntry* Find(U64 computer, U64 human, int depthAndSide,
                           SearchTableEntry*& slot) const {
        SearchTableEntry* bucket = Bucket(computer, human, depthAndSide);
        for (int i = 0; i < 2; ++i) {
            SearchTableEntry& entry = bucket[i];
            if (entry.depthAndSide == depthAndSide && entry.computer == computer &&
                entry.human == human) {
                slot = &entry;
                return &entry;
            }
        }
        // The first entry keeps the deepest node seen, the second the latest of the others.
        slot = (depthAndSide >> 1) >= (bucket[0].depthAndSide >> 1) ? &bucket[0] : &bucket[1];
        return nullptr;
    }

    // The node's value and leaves under `bound` when the entry settles them; kResume when the
    // search stopped before reaching the bound, and carries on from Resumed(entry).
    template <bool kComputer>
    static Lookup Probe(const SearchTableEntry& entry, int bound, int& value,
                        std::int64_t& leaves) {
        const int count = entry.flags & SearchTableEntry::kCountMask;
        const bool truncated = (entry.flags & SearchTableEntry::kTruncated) != 0;
        for (int j = 0; j < count; ++j) {
            if (Better<kComputer>(entry.values[j], bound)) {
                if (truncated && j == count - 1) {
                    // An improvement between the kept ones may have been the first past the bound.
                    return Lookup::kMiss;
                }
                value = entry.values[j];
                leaves = entry.leaves[j];
                return Lookup::kAnswer;
            }
        }
        if ((entry.flags & SearchTableEntry::kComplete) != 0) {
            value = entry.values[count - 1];
            leaves = entry.totalLeaves;
            return Lookup::kAnswer;
        }
        return Lookup::kResume;
    }

    // The improvements an earlier search of the node kept, up to where it stopped.
    static void Resume(const SearchTableEntry& entry, Profile& profile) {
        const int kept = entry.flags & SearchTableEntry::kCountMask;
        profile.count = kept;
        profile.truncated = (entry.flags & SearchTableEntry::kTruncated) != 0;
        for (int j = 0; j < kept; ++j) {
            profile.values[j] = entry.values[j];
            profile.leaves[j] = entry.leaves[j];
        }
        profile.lastPlace = entry.resumePlace;
    }

    // Keeps a node's improvements in `slot`; a node whose leaf count does not fit is not kept.
    static void Store(SearchTableEntry& slot, U64 computer, U64 human, int depthAndSide,
                      const Profile& profile, bool complete, std::int64_t total) {
        if (total > static_cast<std::int64_t>(UINT32_MAX)) {
            return;
        }
        slot.computer = computer;
        slot.human = human;
        slot.depthAndSide = static_cast<std::uint8_t>(depthAndSide);
        for (int j = 0; j < profile.count; ++j) {
            slot.values[j] = static_cast<std::int16_t>(profile.values[j]);
            slot.leaves[j] = static_cast<std::uint32_t>(profile.leaves[j]);
        }
        slot.totalLeaves = static_cast<std::uint32_t>(total);
        slot.resumePlace = static_cast<std::uint8_t>(profile.lastPlace);
        slot.flags =
            static_cast<std::uint8_t>(profile.count | (complete ? SearchTableEntry::kComplete : 0) |
                                      (profile.truncated ? SearchTableEntry::kTruncated : 0));
    }

private:
    static U64 Hash(U64 computer, U64 human, int depthAndSide) {
        U64 h = computer * 0x9E3779B97F4A7C15ull;
        h ^= (human + static_cast<U64>(depthAndSide)) * 0xC2B2AE3D27D4EB4Full;
        h ^= h >> 29;
        h *= 0xBF58476D1CE4E5B9ull;
        h ^= h >> 32;
        return h;
    }

    // The two entries a node may be kept in.
    SearchTableEntry* Bucket(U64 computer, U64 human, int depthAndSide) const {
        const U64 hash = Hash(computer, human, depthAndSide) & ~U64{1};
        return depthAndSide >= SearchTable::kDeepDepth * 2
                   ? view_.deepEntries + (hash & view_.deepMask)
                   : view_.nearEntries + (hash & view_.nearMask);
    }

    SearchTableView view_;
};

}  // namespace
}  // namespace flipstone::kernels::FLIPSTONE_KERNEL_NAMESPACE

#pragma once

// The one lookup and the one store of the transposition table, shared by the search and the
// endgame solver. Threads share the table without locks: each slot is two words read and written
// atomically one by one, and the check word mixes a second hash of the position with the data
// word, so a slot that two threads tore apart reads as another position's.

#include <cstdint>

#include "engine/strong/CoreBoard.h"
#include "engine/strong/StrongTable.h"

namespace flipstone::strong::FLIPSTONE_KERNEL_NAMESPACE {
namespace {

// What the table knows of a position: its value lies within [lower, upper] when searched `depth`
// plies deep at `selectivity` (a depth at or past the empty squares is the exact end).
struct TableHit {
    int lower = kBelowAll;
    int upper = kAboveAll;
    int depth = -1;
    int selectivity = 0;
    int move = kNoMove;
};

// The cost of what an entry stored, log2 of the positions it took, caps at this.
constexpr int kMaxCost = 31;

inline U64 Mix(U64 x) {
    x ^= x >> 31;
    x *= 0x7FB5D329728EA185ull;
    x ^= x >> 27;
    x *= 0x81DADEF4BC2DD44Dull;
    return x ^ (x >> 33);
}

struct TableKey {
    TableBucket* bucket;
    U64 check;
};

inline TableKey KeyOf(TableBucket* buckets, U64 mask, U64 mover, U64 other) {
    const U64 first = Mix(mover ^ Mix(other + 0x9E3779B97F4A7C15ull));
    const U64 second = Mix(other ^ Mix(mover + 0xD6E8FEB86659FD93ull));
    return {buckets + (first & mask), second};
}

// The data word: lower and upper + 64, depth, selectivity, move, date, cost; bit 63 marks a used
// slot.
inline U64 Pack(int lower, int upper, int depth, int selectivity, int move, int date, int cost) {
    return static_cast<U64>(lower + 64) | (static_cast<U64>(upper + 64) << 8) |
           (static_cast<U64>(depth) << 16) | (static_cast<U64>(selectivity) << 24) |
           (static_cast<U64>(move) << 32) | (static_cast<U64>(date) << 40) |
           (static_cast<U64>(cost) << 48) | (U64{1} << 63);
}

inline int Field(U64 data, int shift) {
    return static_cast<int>((data >> shift) & 0xFF);
}

inline U64 LoadWord(const U64& word) {
    return __atomic_load_n(&word, __ATOMIC_RELAXED);
}

inline void StoreWord(U64& word, U64 value) {
    __atomic_store_n(&word, value, __ATOMIC_RELAXED);
}

inline bool Probe(const TableKey& key, TableHit& hit) {
    for (TableSlot& slot : key.bucket->slots) {
        const U64 data = LoadWord(slot.data);
        if ((LoadWord(slot.check) ^ data) == key.check && data != 0) {
            hit.lower = Field(data, 0) - 64;
            hit.upper = Field(data, 8) - 64;
            hit.depth = Field(data, 16);
            hit.selectivity = Field(data, 24);
            hit.move = Field(data, 32);
            return true;
        }
    }
    return false;
}

// How much a slot is worth keeping: this search's entries before older ones, then the deeper,
// the surer and the costlier.
inline int Worth(U64 data, int date) {
    if (data == 0) {
        return -1;
    }
    const int fresh = Field(data, 40) == date ? 1 : 0;
    return (fresh << 16) | (Field(data, 16) << 8) | (Field(data, 24) << 5) | Field(data, 48);
}

struct TableStore {
    int lower;
    int upper;
    int depth;
    int selectivity;
    int move;
    int cost;
};

// Stores what a search learnt: over the slot that holds the same position unless that came from
// a deeper search, or else over the slot least worth keeping. An older entry's best move stays
// when the new one names none.
inline void Store(const TableKey& key, int date, const TableStore& entry) {
    TableSlot* target = nullptr;
    int move = entry.move;
    int targetWorth = 1 << 30;
    for (TableSlot& slot : key.bucket->slots) {
        const U64 data = LoadWord(slot.data);
        if ((LoadWord(slot.check) ^ data) == key.check && data != 0) {
            if (Field(data, 16) > entry.depth ||
                (Field(data, 16) == entry.depth && Field(data, 24) > entry.selectivity)) {
                return;  // what it knows came from a deeper search
            }
            if (move == kNoMove) {
                move = Field(data, 32);
            }
            target = &slot;
            break;
        }
        const int worth = Worth(data, date);
        if (worth < targetWorth) {
            targetWorth = worth;
            target = &slot;
        }
    }
    const U64 data = Pack(entry.lower, entry.upper, entry.depth, entry.selectivity, move, date,
                          entry.cost > kMaxCost ? kMaxCost : entry.cost);
    StoreWord(target->check, key.check ^ data);
    StoreWord(target->data, data);
}

}  // namespace
}  // namespace flipstone::strong::FLIPSTONE_KERNEL_NAMESPACE

// The bitboard kernel. This file is compiled twice: once for the x86-64 baseline and once with
// FLIPSTONE_KERNEL_AVX2 set and AVX2/BMI2 code generation. Each build lives in its own
// namespace and uses nothing inline from shared headers, so the two never mix at link time and
// the baseline build never runs an instruction the processor may lack.
//
// Results are those of the plain search exactly: the same value and the same leaf count for
// every position, side, depth and bound. What changes is the work done to get them:
// - moves and flips are computed for all squares at once with word-wide shifts;
// - a node keeps its children, their legal moves and their static values in its own frame, so a
//   child searched next starts from what its parent already knows, and nothing is allocated;
// - a node one ply above the leaves does not search its children again at depth 0: that would
//   only evaluate the same boards a second time. Its value and leaf count follow from the values
//   it computed to order the moves, and when its parent will discard the value anyway (a cut-off)
//   it stops at the first child that proves the cut-off;
// - with one or two empty squares left, who can fill them decides a node, and legality tests on
//   those squares replace move generation over the whole board;
// - results of deeper nodes are remembered in the table in a form that answers every bound, the
//   shallower ones in a small part of it that the processor's caches can hold.

#include "engine/SearchKernel.h"

#include <cstdint>

#include "engine/SearchTable.h"

#if FLIPSTONE_KERNEL_AVX2
#include <immintrin.h>
#define FLIPSTONE_KERNEL_NAMESPACE avx2
#else
#define FLIPSTONE_KERNEL_NAMESPACE baseline
#endif

namespace flipstone::kernels::FLIPSTONE_KERNEL_NAMESPACE {

namespace {

using U64 = std::uint64_t;

constexpr int kLowest = -9999;
constexpr int kHighest = 9999;
// More than a side can ever have legal moves.
constexpr int kMaxMoves = 64;

constexpr U64 kNotColumn0 = 0xFEFEFEFEFEFEFEFEull;
constexpr U64 kNotColumn7 = 0x7F7F7F7F7F7F7F7Full;
constexpr U64 kInnerColumns = 0x7E7E7E7E7E7E7E7Eull;
constexpr U64 kCorners = 0x8100000000000081ull;
// The three neighbours of each corner.
constexpr U64 kCornerNeighbours = 0x42C300000000C342ull;

inline U64 Bit(int bit) {
    return U64{1} << bit;
}

inline int PopCount(U64 x) {
#if FLIPSTONE_KERNEL_AVX2
    return __builtin_popcountll(x);
#else
    x = x - ((x >> 1) & 0x5555555555555555ull);
    x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((x * 0x0101010101010101ull) >> 56);
#endif
}

inline int LowestBit(U64 x) {
    return __builtin_ctzll(x);
}

// Rays from each square to the edge, square itself excluded: towards higher bits (right, down,
// down-left, down-right) and towards lower bits (left, up, up-right, up-left). Lanes 0 to 3 of
// `up` and of `down` step by 1, 8, 7 and 9 bits.

struct alignas(32) RayLanes {
    U64 lane[4];
};

struct Rays {
    RayLanes up[64];
    RayLanes down[64];
};

constexpr U64 Ray(int bit, int columnStep, int rowStep) {
    U64 ray = 0;
    int column = (bit & 7) + columnStep;
    int row = (bit >> 3) + rowStep;
    while (column >= 0 && column < 8 && row >= 0 && row < 8) {
        ray |= U64{1} << (row * 8 + column);
        column += columnStep;
        row += rowStep;
    }
    return ray;
}

constexpr Rays MakeRays() {
    Rays rays{};
    // (column step, row step) of the lanes, towards higher bits; `down` walks the opposite way.
    constexpr int kLaneSteps[4][2] = {{1, 0}, {0, 1}, {-1, 1}, {1, 1}};
    for (int bit = 0; bit < 64; ++bit) {
        for (int d = 0; d < 4; ++d) {
            rays.up[bit].lane[d] = Ray(bit, kLaneSteps[d][0], kLaneSteps[d][1]);
            rays.down[bit].lane[d] = Ray(bit, -kLaneSteps[d][0], -kLaneSteps[d][1]);
        }
    }
    return rays;
}

constexpr Rays kRays = MakeRays();

#if FLIPSTONE_KERNEL_AVX2

inline U64 OrLanes(__m256i v) {
    const __m128i half = _mm_or_si128(_mm256_castsi256_si128(v), _mm256_extracti128_si256(v, 1));
    return static_cast<U64>(_mm_cvtsi128_si64(half)) | static_cast<U64>(_mm_extract_epi64(half, 1));
}

// Four directions per vector (steps 1, 8, 7, 9), each shifted both ways: runs of `other` discs
// that start next to a `mover` disc, grown by doubling, and the square just past them.
inline U64 LegalMoves(U64 mover, U64 other) {
    const __m256i shift1 = _mm256_set_epi64x(9, 7, 8, 1);
    const __m256i shift2 = _mm256_set_epi64x(18, 14, 16, 2);
    const __m256i moverV = _mm256_set1_epi64x(static_cast<long long>(mover));
    const __m256i otherV =
        _mm256_and_si256(_mm256_set1_epi64x(static_cast<long long>(other)),
                         _mm256_set_epi64x(static_cast<long long>(kInnerColumns),
                                           static_cast<long long>(kInnerColumns), -1LL,
                                           static_cast<long long>(kInnerColumns)));
    __m256i left = _mm256_and_si256(otherV, _mm256_sllv_epi64(moverV, shift1));
    __m256i right = _mm256_and_si256(otherV, _mm256_srlv_epi64(moverV, shift1));
    left = _mm256_or_si256(left, _mm256_and_si256(otherV, _mm256_sllv_epi64(left, shift1)));
    right = _mm256_or_si256(right, _mm256_and_si256(otherV, _mm256_srlv_epi64(right, shift1)));
    const __m256i pairsLeft = _mm256_and_si256(otherV, _mm256_sllv_epi64(otherV, shift1));
    const __m256i pairsRight = _mm256_srlv_epi64(pairsLeft, shift1);
    left = _mm256_or_si256(left, _mm256_and_si256(pairsLeft, _mm256_sllv_epi64(left, shift2)));
    right = _mm256_or_si256(right, _mm256_and_si256(pairsRight, _mm256_srlv_epi64(right, shift2)));
    left = _mm256_or_si256(left, _mm256_and_si256(pairsLeft, _mm256_sllv_epi64(left, shift2)));
    right = _mm256_or_si256(right, _mm256_and_si256(pairsRight, _mm256_srlv_epi64(right, shift2)));
    const __m256i moves =
        _mm256_or_si256(_mm256_sllv_epi64(left, shift1), _mm256_srlv_epi64(right, shift1));
    return OrLanes(moves) & ~(mover | other);
}

// Along each ray from the square: the first square that is not `other`; the discs before it
// turn when it holds `mover`. Towards higher bits that square is the ray's lowest such bit;
// towards lower bits the highest, found by clearing everything a nearer blocker shadows.
inline U64 Flips(int bit, U64 mover, U64 other) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i shift1 = _mm256_set_epi64x(9, 7, 8, 1);
    const __m256i shift2 = _mm256_set_epi64x(18, 14, 16, 2);
    const __m256i shift4 = _mm256_set_epi64x(36, 28, 32, 4);
    const __m256i moverV = _mm256_set1_epi64x(static_cast<long long>(mover));
    const __m256i otherV = _mm256_set1_epi64x(static_cast<long long>(other));

    const __m256i up = _mm256_load_si256(reinterpret_cast<const __m256i*>(kRays.up[bit].lane));
    const __m256i upBlockers = _mm256_andnot_si256(otherV, up);
    const __m256i upFirst = _mm256_and_si256(upBlockers, _mm256_sub_epi64(zero, upBlockers));
    const __m256i upEnd = _mm256_and_si256(upFirst, moverV);
    const __m256i upBelow = _mm256_andnot_si256(_mm256_cmpeq_epi64(upEnd, zero),
                                                _mm256_add_epi64(upEnd, _mm256_set1_epi64x(-1)));
    __m256i flipped = _mm256_and_si256(up, upBelow);

    const __m256i down = _mm256_load_si256(reinterpret_cast<const __m256i*>(kRays.down[bit].lane));
    const __m256i downBlockers = _mm256_andnot_si256(otherV, down);
    __m256i shadow = _mm256_srlv_epi64(downBlockers, shift1);
    shadow = _mm256_or_si256(shadow, _mm256_srlv_epi64(shadow, shift1));
    shadow = _mm256_or_si256(shadow, _mm256_srlv_epi64(shadow, shift2));
    shadow = _mm256_or_si256(shadow, _mm256_srlv_epi64(shadow, shift4));
    const __m256i downEnd = _mm256_and_si256(_mm256_andnot_si256(shadow, downBlockers), moverV);
    const __m256i downAbove = _mm256_sub_epi64(zero, _mm256_slli_epi64(downEnd, 1));
    flipped = _mm256_or_si256(flipped, _mm256_and_si256(down, downAbove));
    return OrLanes(flipped);
}

#else

template <int kStep>
inline U64 MovesOneWay(U64 mover, U64 other, U64 empty) {
    // A run can be at most six discs long; grow it one step twice, then two steps twice.
    auto shift = [](U64 x, int n) { return kStep > 0 ? x << n : x >> n; };
    constexpr int step = kStep > 0 ? kStep : -kStep;
    U64 run = other & shift(mover, step);
    run |= other & shift(run, step);
    const U64 pairs = other & shift(other, step);
    run |= pairs & shift(run, 2 * step);
    run |= pairs & shift(run, 2 * step);
    return shift(run, step) & empty;
}

inline U64 LegalMoves(U64 mover, U64 other) {
    const U64 empty = ~(mover | other);
    const U64 inner = other & kInnerColumns;
    return MovesOneWay<1>(mover, inner, empty) | MovesOneWay<-1>(mover, inner, empty) |
           MovesOneWay<8>(mover, other, empty) | MovesOneWay<-8>(mover, other, empty) |
           MovesOneWay<7>(mover, inner, empty) | MovesOneWay<-7>(mover, inner, empty) |
           MovesOneWay<9>(mover, inner, empty) | MovesOneWay<-9>(mover, inner, empty);
}

inline U64 Flips(int bit, U64 mover, U64 other) {
    U64 flipped = 0;
    for (int d = 0; d < 4; ++d) {
        const U64 up = kRays.up[bit].lane[d];
        const U64 upBlockers = up & ~other;
        const U64 upEnd = upBlockers & (0 - upBlockers) & mover;
        flipped |= up & (upEnd - static_cast<U64>(upEnd != 0));

        const U64 down = kRays.down[bit].lane[d];
        // Bit 0 stands in when there is no blocker; it is then not on the ray and turns nothing.
        const U64 downBlockers = (down & ~other) | 1;
        const U64 downEnd = Bit(63 - __builtin_clzll(downBlockers)) & mover & down;
        flipped |= down & (0 - (downEnd << 1));
    }
    return flipped;
}

#endif

inline int CornerTerms(U64 computer, U64 human) {
    const U64 emptyCorners = kCorners & ~(computer | human);
    const U64 across =
        emptyCorners | ((emptyCorners << 1) & kNotColumn0) | ((emptyCorners >> 1) & kNotColumn7);
    const U64 watched = (across | (across << 8) | (across >> 8)) & kCornerNeighbours;
    return 32 * (PopCount(computer & kCorners) - PopCount(human & kCorners)) -
           16 * (PopCount(computer & watched) - PopCount(human & watched));
}

inline int FinalScore(U64 computer, U64 human) {
    const int computerDiscs = PopCount(computer);
    const int humanDiscs = PopCount(human);
    if (humanDiscs == 0) {
        return 1100;
    }
    if (computerDiscs == 0) {
        return -1100;
    }
    const int difference = computerDiscs - humanDiscs;
    return difference > 0 ? 1000 + difference : difference - 1000;
}

// The evaluation, given both sides' legal moves on the board.
inline int Score(U64 computer, U64 human, U64 computerMoves, U64 humanMoves) {
    if ((computerMoves | humanMoves) == 0) {
        return FinalScore(computer, human);
    }
    return PopCount(computerMoves) - PopCount(humanMoves) + CornerTerms(computer, human);
}

// A position as a node receives it: the discs and both sides' legal moves.
struct Position {
    U64 computer;
    U64 human;
    U64 computerMoves;
    U64 humanMoves;
};

// Fills in both sides' legal moves and returns the static value. A full board needs no move
// generation: nobody can move there.
inline int Examine(Position& position) {
    if ((position.computer | position.human) == ~U64{0}) {
        position.computerMoves = 0;
        position.humanMoves = 0;
        return FinalScore(position.computer, position.human);
    }
    position.computerMoves = LegalMoves(position.computer, position.human);
    position.humanMoves = LegalMoves(position.human, position.computer);
    return Score(position.computer, position.human, position.computerMoves, position.humanMoves);
}

struct Context {
    std::int64_t leaves = 0;
    SearchTableEntry* table = nullptr;
    U64 mask = 0;
    SearchTableEntry* nearTable = nullptr;
    U64 nearMask = 0;
    int deepDepth = 0;
    int tableMinDepth = 0;
    const std::atomic<bool>* stop = nullptr;
};

inline bool Stopped(const Context& context) {
    return context.stop != nullptr && context.stop->load(std::memory_order_relaxed);
}

template <bool kComputer>
inline bool Better(int value, int than) {
    return kComputer ? value > than : value < than;
}

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

inline U64 Hash(U64 computer, U64 human, int depthAndSide) {
    U64 h = computer * 0x9E3779B97F4A7C15ull;
    h ^= (human + static_cast<U64>(depthAndSide)) * 0xC2B2AE3D27D4EB4Full;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 32;
    return h;
}

// What a lookup found.
enum class Lookup { kMiss, kAnswer, kResume };

template <bool kComputer>
Lookup Probe(const SearchTableEntry& entry, int bound, int& value, std::int64_t& leaves) {
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

// The two entries a node may be kept in.
inline SearchTableEntry* Bucket(const Context& context, U64 computer, U64 human, int depthAndSide) {
    const U64 hash = Hash(computer, human, depthAndSide) & ~U64{1};
    return depthAndSide >= context.deepDepth * 2 ? context.table + (hash & context.mask)
                                                 : context.nearTable + (hash & context.nearMask);
}

// Asks for a node's bucket ahead of its lookup, so that the memory access overlaps other work.
inline void Prefetch(const Context& context, U64 computer, U64 human, int depthAndSide) {
    const char* bucket =
        reinterpret_cast<const char*>(Bucket(context, computer, human, depthAndSide));
    __builtin_prefetch(bucket);
    __builtin_prefetch(bucket + 2 * sizeof(SearchTableEntry) - 1);
}

SearchTableEntry* FindEntry(const Context& context, U64 computer, U64 human, int depthAndSide,
                            SearchTableEntry*& victim) {
    SearchTableEntry* bucket = Bucket(context, computer, human, depthAndSide);
    for (int i = 0; i < 2; ++i) {
        SearchTableEntry& entry = bucket[i];
        if (entry.depthAndSide == depthAndSide && entry.computer == computer &&
            entry.human == human) {
            victim = &entry;
            return &entry;
        }
    }
    // The first entry keeps the deepest node seen, the second the latest of the others.
    victim = (depthAndSide >> 1) >= (bucket[0].depthAndSide >> 1) ? &bucket[0] : &bucket[1];
    return nullptr;
}

void Store(SearchTableEntry& entry, U64 computer, U64 human, int depthAndSide,
           const Profile& profile, bool complete, std::int64_t total) {
    if (total > static_cast<std::int64_t>(UINT32_MAX)) {
        return;
    }
    entry.computer = computer;
    entry.human = human;
    entry.depthAndSide = static_cast<std::uint8_t>(depthAndSide);
    for (int j = 0; j < profile.count; ++j) {
        entry.values[j] = static_cast<std::int16_t>(profile.values[j]);
        entry.leaves[j] = static_cast<std::uint32_t>(profile.leaves[j]);
    }
    entry.totalLeaves = static_cast<std::uint32_t>(total);
    entry.resumePlace = static_cast<std::uint8_t>(profile.lastPlace);
    entry.flags =
        static_cast<std::uint8_t>(profile.count | (complete ? SearchTableEntry::kComplete : 0) |
                                  (profile.truncated ? SearchTableEntry::kTruncated : 0));
}

template <bool kComputer>
int Node(Context& context, const Position& position, int value, int depth, int bound, bool exact);

// A node one ply above the leaves. Searching a child at depth 0 evaluates it again, so the
// values computed to order the moves decide everything: the node's value is the best of them,
// and the leaf count rises by one per move for the ordering and then by one for the first child
// searched if that already passes the bound (a cut-off), or by one per move otherwise. The
// children may therefore be evaluated in any order; when the caller discards a cut-off value
// anyway (`exact` false), the first child past the bound settles the node.
template <bool kComputer>
int Frontier(Context& context, const Position& position, int value, int bound, bool exact) {
    U64 moves = kComputer ? position.computerMoves : position.humanMoves;
    if (moves == 0) {
        // A pass to depth 0: this same board is evaluated once more.
        context.leaves += 1;
        return value;
    }
    const U64 mover = kComputer ? position.computer : position.human;
    const U64 other = kComputer ? position.human : position.computer;
    const int count = PopCount(moves);
    int best = kComputer ? kLowest : kHighest;
    do {
        const int bit = LowestBit(moves);
        moves &= moves - 1;
        const U64 flipped = Flips(bit, mover, other);
        const U64 newMover = mover | flipped | Bit(bit);
        const U64 newOther = other ^ flipped;
        Position child;
        child.computer = kComputer ? newMover : newOther;
        child.human = kComputer ? newOther : newMover;
        const int childValue = Examine(child);
        if (Better<kComputer>(childValue, best)) {
            best = childValue;
            if (!exact && Better<kComputer>(childValue, bound)) {
                context.leaves += count + 1;
                return childValue;
            }
        }
    } while (moves != 0);
    context.leaves += count + (Better<kComputer>(best, bound) ? 1 : count);
    return best;
}

// A node with moves to search, with or without the table.
template <bool kComputer, bool kTable>
int Expand(Context& context, const Position& position, int depth, int bound) {
    const U64 moves = kComputer ? position.computerMoves : position.humanMoves;

    const std::int64_t startLeaves = context.leaves;
    const int depthAndSide = depth * 2 + (kComputer ? 1 : 0);
    SearchTableEntry* entry = nullptr;
    SearchTableEntry* slot = nullptr;
    Profile profile;
    int best = kComputer ? kLowest : kHighest;
    int firstPlace = 0;
    bool resumed = false;
    if constexpr (kTable) {
        Prefetch(context, position.computer, position.human, depthAndSide);
    }

    // The children come first even when the table may answer: generating them gives the memory
    // time to deliver the entry.
    const U64 mover = kComputer ? position.computer : position.human;
    const U64 other = kComputer ? position.human : position.computer;
    const bool prefetchChildren =
        context.table != nullptr && depth - 1 >= context.tableMinDepth && depth - 1 < 128;
    const int childDepthAndSide = (depth - 1) * 2 + (kComputer ? 0 : 1);
    Position children[kMaxMoves];
    int values[kMaxMoves];
    std::uint8_t order[kMaxMoves];
    int count = 0;
    for (U64 rest = moves; rest != 0; rest &= rest - 1) {
        const int bit = LowestBit(rest);
        const U64 flipped = Flips(bit, mover, other);
        const U64 newMover = mover | flipped | Bit(bit);
        const U64 newOther = other ^ flipped;
        Position& child = children[count];
        child.computer = kComputer ? newMover : newOther;
        child.human = kComputer ? newOther : newMover;
        values[count] = Examine(child);
        if (prefetchChildren) {
            Prefetch(context, child.computer, child.human, childDepthAndSide);
        }
        // A stable insertion sort: best first for the side to move, equal values in generation
        // order.
        int place = count;
        while (place > 0 && Better<kComputer>(values[count], values[order[place - 1]])) {
            order[place] = order[place - 1];
            --place;
        }
        order[place] = static_cast<std::uint8_t>(count);
        ++count;
    }

    if constexpr (kTable) {
        entry = FindEntry(context, position.computer, position.human, depthAndSide, slot);
        if (entry != nullptr) {
            int found = 0;
            std::int64_t foundLeaves = 0;
            const Lookup lookup = Probe<kComputer>(*entry, bound, found, foundLeaves);
            if (lookup == Lookup::kAnswer) {
                context.leaves += foundLeaves;
                return found;
            }
            if (lookup == Lookup::kResume) {
                // Carry on after the child that stopped the earlier search.
                const int kept = entry->flags & SearchTableEntry::kCountMask;
                profile.count = kept;
                profile.truncated = (entry->flags & SearchTableEntry::kTruncated) != 0;
                for (int j = 0; j < kept; ++j) {
                    profile.values[j] = entry->values[j];
                    profile.leaves[j] = entry->leaves[j];
                }
                profile.lastPlace = entry->resumePlace;
                best = profile.values[kept - 1];
                firstPlace = entry->resumePlace + 1;
                context.leaves += profile.leaves[kept - 1];
                resumed = true;
            }
        }
    }

    if (!resumed) {
        context.leaves += count;
    }

    for (int place = firstPlace; place < count; ++place) {
        const int index = order[place];
        const int childValue =
            Node<!kComputer>(context, children[index], values[index], depth - 1, best, false);
        if (Stopped(context)) {
            // The child may have been cut short: its value means nothing, and neither this node
            // nor any above it is stored.
            return best;
        }
        if (Better<kComputer>(childValue, best)) {
            if constexpr (kTable) {
                profile.Add(childValue, context.leaves - startLeaves, place);
            }
            if (Better<kComputer>(childValue, bound)) {
                if constexpr (kTable) {
                    Store(*slot, position.computer, position.human, depthAndSide, profile, false,
                          context.leaves - startLeaves);
                }
                return childValue;
            }
            best = childValue;
        }
    }
    if constexpr (kTable) {
        Store(*slot, position.computer, position.human, depthAndSide, profile, true,
              context.leaves - startLeaves);
    }
    return best;
}

template <bool kComputer>
int Interior(Context& context, const Position& position, int value, int depth, int bound,
             bool exact) {
    if ((kComputer ? position.computerMoves : position.humanMoves) == 0) {
        // The side passes: the same board, the other side, one ply less, a bound that never cuts.
        return Node<!kComputer>(context, position, value, depth - 1, kComputer ? kLowest : kHighest,
                                exact);
    }
    if (context.table != nullptr && depth >= context.tableMinDepth && depth < 128) {
        return Expand<kComputer, true>(context, position, depth, bound);
    }
    return Expand<kComputer, false>(context, position, depth, bound);
}

// The board after `mover` plays on the last empty square, which is then full.
inline int FinalScoreAfter(U64 square, U64 mover, U64 other, bool moverIsComputer) {
    const U64 flipped = Flips(LowestBit(square), mover, other);
    const U64 newMover = mover | flipped | square;
    const U64 newOther = other ^ flipped;
    return moverIsComputer ? FinalScore(newMover, newOther) : FinalScore(newOther, newMover);
}

// A node with at most one empty square, settled without searching. If the side to move can fill
// the square, the node evaluates that full board to order its one move (a leaf) and searches
// it, which passes until the depth runs out and evaluates it again (another leaf), whatever the
// bound. If not, the side passes and, with depth left, the other side may fill it the same way.
// Otherwise the board is final or the depth ends: one more evaluation of this same board.
template <bool kComputer>
int LastSquare(Context& context, const Position& position, int value, int depth) {
    const U64 square = ~(position.computer | position.human);
    const U64 moverMoves = kComputer ? position.computerMoves : position.humanMoves;
    const U64 otherMoves = kComputer ? position.humanMoves : position.computerMoves;
    const U64 mover = kComputer ? position.computer : position.human;
    const U64 other = kComputer ? position.human : position.computer;
    if (moverMoves != 0) {
        context.leaves += 2;
        return FinalScoreAfter(square, mover, other, kComputer);
    }
    if (depth >= 2 && otherMoves != 0) {
        context.leaves += 2;
        return FinalScoreAfter(square, other, mover, !kComputer);
    }
    context.leaves += 1;
    return value;
}

// A node with two empty squares and depth for at least two plies: the general node, with what
// its children need worked out square by square. A child has one empty square left, so a legal
// move there for either side is one with discs to turn, and the turned discs give the final
// board that the child's own search (LastSquare) reaches.
template <bool kComputer>
int TwoSquares(Context& context, const Position& position, int depth, int bound) {
    const U64 mover = kComputer ? position.computer : position.human;
    const U64 other = kComputer ? position.human : position.computer;
    const U64 empty = ~(position.computer | position.human);
    U64 moves = kComputer ? position.computerMoves : position.humanMoves;
    const int count = PopCount(moves);
    // Per child: its static value, and the value and leaves of its search.
    int values[2];
    int results[2];
    int leaves[2];
    for (int i = 0; moves != 0; ++i, moves &= moves - 1) {
        const U64 square = moves & (0 - moves);
        const U64 flipped = Flips(LowestBit(square), mover, other);
        const U64 newMover = mover | flipped | square;
        const U64 newOther = other ^ flipped;
        const U64 rest = empty ^ square;
        const int restBit = LowestBit(rest);
        const U64 otherFlips = Flips(restBit, newOther, newMover);
        const U64 moverFlips = Flips(restBit, newMover, newOther);
        const U64 computer = kComputer ? newMover : newOther;
        const U64 human = kComputer ? newOther : newMover;
        if ((otherFlips | moverFlips) == 0) {
            values[i] = FinalScore(computer, human);
        } else {
            const int moverCount = moverFlips != 0 ? 1 : 0;
            const int otherCount = otherFlips != 0 ? 1 : 0;
            values[i] = (kComputer ? moverCount - otherCount : otherCount - moverCount) +
                        CornerTerms(computer, human);
        }
        if (otherFlips != 0) {
            // The other side fills the last square.
            const U64 otherAfter = newOther | otherFlips | rest;
            const U64 moverAfter = newMover ^ otherFlips;
            results[i] =
                kComputer ? FinalScore(moverAfter, otherAfter) : FinalScore(otherAfter, moverAfter);
            leaves[i] = 2;
        } else if (depth - 1 >= 2 && moverFlips != 0) {
            // The other side passes and this side fills it.
            const U64 moverAfter = newMover | moverFlips | rest;
            const U64 otherAfter = newOther ^ moverFlips;
            results[i] =
                kComputer ? FinalScore(moverAfter, otherAfter) : FinalScore(otherAfter, moverAfter);
            leaves[i] = 2;
        } else {
            results[i] = values[i];
            leaves[i] = 1;
        }
    }
    context.leaves += count;
    const bool swap = count == 2 && Better<kComputer>(values[1], values[0]);
    int best = kComputer ? kLowest : kHighest;
    for (int place = 0; place < count; ++place) {
        const int index = swap ? 1 - place : place;
        context.leaves += leaves[index];
        const int childValue = results[index];
        if (Better<kComputer>(childValue, best)) {
            if (Better<kComputer>(childValue, bound)) {
                return childValue;
            }
            best = childValue;
        }
    }
    return best;
}

template <bool kComputer>
int Node(Context& context, const Position& position, int value, int depth, int bound, bool exact) {
    const U64 empty = ~(position.computer | position.human);
    if ((empty & (empty - 1)) == 0) {
        return LastSquare<kComputer>(context, position, value, depth);
    }
    if (depth >= 2 && PopCount(empty) == 2 &&
        (kComputer ? position.computerMoves : position.humanMoves) != 0) {
        return TwoSquares<kComputer>(context, position, depth, bound);
    }
    if (depth == 1) {
        return Frontier<kComputer>(context, position, value, bound, exact);
    }
    return Interior<kComputer>(context, position, value, depth, bound, exact);
}

U64 LegalMovesEntry(U64 mover, U64 other) {
    return LegalMoves(mover, other);
}

U64 FlipsEntry(int bit, U64 mover, U64 other) {
    if (((mover | other) & Bit(bit)) != 0) {
        return 0;
    }
    return Flips(bit, mover, other);
}

std::int32_t EvaluateEntry(U64 computer, U64 human) {
    return Score(computer, human, LegalMoves(computer, human), LegalMoves(human, computer));
}

std::int32_t SearchEntry(const SearchRequest& request, std::int64_t& leaves) {
    Position position;
    position.computer = request.computer;
    position.human = request.human;
    const int value = Examine(position);
    if (request.depth <= 0) {
        leaves += 1;
        return value;
    }
    Context context;
    context.table = request.table;
    context.mask = request.tableMask;
    context.nearTable = request.nearTable;
    context.nearMask = request.nearTableMask;
    context.deepDepth = request.deepTableDepth;
    context.tableMinDepth = request.tableMinDepth;
    context.stop = request.stop;
    const int result =
        request.computerToMove
            ? Node<true>(context, position, value, request.depth, request.bound, true)
            : Node<false>(context, position, value, request.depth, request.bound, true);
    leaves += context.leaves;
    return result;
}

U64 Perft(U64 toMove, U64 other, int depth) {
    if (depth == 0) {
        return 1;
    }
    U64 moves = LegalMoves(toMove, other);
    if (moves == 0) {
        if (LegalMoves(other, toMove) == 0) {
            return 1;
        }
        return Perft(other, toMove, depth - 1);
    }
    if (depth == 1) {
        return static_cast<U64>(PopCount(moves));
    }
    U64 leaves = 0;
    for (; moves != 0; moves &= moves - 1) {
        const int bit = LowestBit(moves);
        const U64 flipped = Flips(bit, toMove, other);
        leaves += Perft(other ^ flipped, toMove | flipped | Bit(bit), depth - 1);
    }
    return leaves;
}

}  // namespace

extern const SearchKernel kKernel;
const SearchKernel kKernel = {
#if FLIPSTONE_KERNEL_AVX2
    "avx2",
#else
    "baseline",
#endif
    LegalMovesEntry, FlipsEntry, EvaluateEntry, SearchEntry, Perft,
};

}  // namespace flipstone::kernels::FLIPSTONE_KERNEL_NAMESPACE

#if !FLIPSTONE_KERNEL_AVX2

#if FLIPSTONE_HAVE_AVX2_KERNEL
namespace flipstone::kernels::avx2 {
extern const SearchKernel kKernel;
}  // namespace flipstone::kernels::avx2
#endif

namespace flipstone {

const SearchKernel& SearchKernel::Baseline() {
    return kernels::baseline::kKernel;
}

const SearchKernel* SearchKernel::Avx2() {
#if FLIPSTONE_HAVE_AVX2_KERNEL
    static const bool supported = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") &&
                                  __builtin_cpu_supports("bmi2") &&
                                  __builtin_cpu_supports("popcnt");
    return supported ? &kernels::avx2::kKernel : nullptr;
#else
    return nullptr;
#endif
}

const SearchKernel& SearchKernel::Best() {
    static const SearchKernel& best = Avx2() != nullptr ? *Avx2() : Baseline();
    return best;
}

}  // namespace flipstone

#endif

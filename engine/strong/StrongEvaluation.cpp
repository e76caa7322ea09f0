#include "engine/strong/StrongEvaluation.h"
#include "engine/strong/StrongMoves.h"

#include <algorithm>
#include <array>

namespace flipstone::strong {

namespace {

constexpr Bits kNotColumnA = 0xFEFEFEFEFEFEFEFEull;
constexpr Bits kNotColumnH = 0x7F7F7F7F7F7F7F7Full;

constexpr Bits kCornerSquares = 0x8100000000000081ull;
constexpr Bits kEdgeA = 0x2400810000810024ull;
constexpr Bits kEdgeB = 0x1800008181000018ull;
constexpr Bits kInnerRing = 0x003C424242423C00ull;

constexpr int kCornerWeight = 120;
constexpr int kEdgeAWeight = 10;
constexpr int kEdgeBWeight = 5;
constexpr int kInnerRingWeight = -3;
constexpr int kXWeight = -60;
constexpr int kCWeight = -25;
constexpr int kMobilityWeight = 15;
constexpr int kPotentialMobilityWeight = 5;
constexpr int kFrontierWeight = 8;
constexpr int kAnchoredEdgeWeight = 15;
constexpr int kLastMoveWeight = 10;

// A corner, the diagonal square next to it, the two edge squares next to it, and the steps
// along its two edges.
struct CornerZone {
    int corner;
    Bits xSquare;
    Bits cSquares;
    int edgeSteps[2];
};

constexpr std::array<CornerZone, 4> kZones = {{
    {0, Bits{1} << 9, (Bits{1} << 1) | (Bits{1} << 8), {1, 8}},
    {7, Bits{1} << 14, (Bits{1} << 6) | (Bits{1} << 15), {-1, 8}},
    {56, Bits{1} << 49, (Bits{1} << 48) | (Bits{1} << 57), {1, -8}},
    {63, Bits{1} << 54, (Bits{1} << 55) | (Bits{1} << 62), {-1, -8}},
}};

Bits Neighbours(Bits bits) {
    const Bits left = (bits >> 1) & kNotColumnH;
    const Bits right = (bits << 1) & kNotColumnA;
    const Bits row = bits | left | right;
    return (row | (row << 8) | (row >> 8)) & ~bits;
}

int SquareScore(Bits discs) {
    return kCornerWeight * Count(discs & kCornerSquares) + kEdgeAWeight * Count(discs & kEdgeA) +
           kEdgeBWeight * Count(discs & kEdgeB) + kInnerRingWeight * Count(discs & kInnerRing);
}

// Discs of the corner's colour in an unbroken line from it along an edge: none can be turned.
int AnchoredAlongEdge(const CornerZone& zone, int step, Bits owner) {
    int count = 0;
    for (int bit = zone.corner + step, walked = 1; walked < 8 && ((owner >> bit) & 1) != 0;
         bit += step, ++walked) {
        ++count;
    }
    return count;
}

int CornerZoneScore(Bits mover, Bits other) {
    int score = 0;
    for (const CornerZone& zone : kZones) {
        const Bits corner = Bits{1} << zone.corner;
        if (((mover | other) & corner) == 0) {
            score += kXWeight * (Count(mover & zone.xSquare) - Count(other & zone.xSquare));
            score += kCWeight * (Count(mover & zone.cSquares) - Count(other & zone.cSquares));
            continue;
        }
        const Bits owner = (mover & corner) != 0 ? mover : other;
        const int sign = owner == mover ? 1 : -1;
        for (const int step : zone.edgeSteps) {
            score += sign * kAnchoredEdgeWeight * AnchoredAlongEdge(zone, step, owner);
        }
    }
    return score;
}

}  // namespace

int StrongEvaluation::Evaluate(Bits mover, Bits other) {
    const Bits empty = ~(mover | other);
    const int mobility = Count(LegalMoves(mover, other)) - Count(LegalMoves(other, mover));
    const int potential = Count(empty & Neighbours(other)) - Count(empty & Neighbours(mover));
    const Bits nearEmpty = Neighbours(empty);
    const int frontier = Count(mover & nearEmpty) - Count(other & nearEmpty);
    const int score = SquareScore(mover) - SquareScore(other) + CornerZoneScore(mover, other) +
                      kMobilityWeight * mobility + kPotentialMobilityWeight * potential -
                      kFrontierWeight * frontier + (Count(empty) % 2 == 1 ? kLastMoveWeight : 0);
    return std::clamp(score, -kWin / 2, kWin / 2);
}

int StrongEvaluation::DiscDifference(Bits mover, Bits other) {
    const int difference = Count(mover) - Count(other);
    const int empty = 64 - Count(mover | other);
    return difference > 0 ? difference + empty : difference < 0 ? difference - empty : 0;
}

int StrongEvaluation::FinalValue(Bits mover, Bits other) {
    const int difference = DiscDifference(mover, other);
    return difference > 0 ? kWin + difference : difference < 0 ? difference - kWin : 0;
}

}  // namespace flipstone::strong

#include "engine/FastSearch.h"

#include "engine/BitBoard.h"

namespace flipstone {

FastSearch::FastSearch(int tableBits) : FastSearch(SearchKernel::Best(), true, tableBits) {}

FastSearch::FastSearch(const SearchKernel& kernel, bool useTable, int tableBits, int nearTableBits)
    : kernel_(kernel), useTable_(useTable), table_(tableBits, nearTableBits) {}

std::int32_t FastSearch::Evaluate(const Board& board, std::uint8_t computerColour,
                                  std::int64_t& leafCount) const {
    const BitBoard bits = BitBoard::FromBoard(board);
    ++leafCount;
    return kernel_.evaluate(bits.Discs(computerColour), bits.Discs(Opponent(computerColour)));
}

std::int32_t FastSearch::Search(const Board& board, std::uint8_t side, std::int32_t depth,
                                std::int32_t bound, std::uint8_t computerColour,
                                std::int64_t& leafCount, const std::atomic<bool>* stop) {
    const BitBoard bits = BitBoard::FromBoard(board);
    SearchRequest request;
    request.stop = stop;
    request.computer = bits.Discs(computerColour);
    request.human = bits.Discs(Opponent(computerColour));
    request.computerToMove = side == computerColour;
    request.depth = depth;
    request.bound = bound;
    if (useTable_ && depth >= 2) {
        request.table = table_.View();
    }
    return kernel_.search(request, leafCount);
}

}  // namespace flipstone

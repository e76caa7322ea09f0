#include "support/PlainSearch.h"

#include <algorithm>
#include <chrono>

namespace flipstone::testing {

namespace {

struct Candidate {
    std::int32_t value;
    std::int32_t index;
    std::int32_t column;
    std::int32_t row;
};

int CountMoves(const Board& board, std::uint8_t colour) {
    int count = 0;
    for (int column = 0; column < 8; ++column) {
        for (int row = 0; row < 8; ++row) {
            if (board.CanPlace(column, row, colour)) {
                ++count;
            }
        }
    }
    return count;
}

}  // namespace

std::int32_t PlainSearch::Evaluate(const Board& board) {
    ++leaves;
    const int mh = CountMoves(board, human_);
    const int mc = CountMoves(board, computer_);
    if (mh == 0 && mc == 0) {
        int dc = computer_ == 1 ? board.CountBlack() : board.CountWhite();
        int dh = computer_ == 1 ? board.CountWhite() : board.CountBlack();
        if (dh == 0) {
            return 1100;
        }
        if (dc == 0) {
            return -1100;
        }
        int d = dc - dh;
        return d > 0 ? 1000 + d : d - 1000;
    }
    std::int32_t v = mc - mh;
    const int regions[4][4] = {{0, 9, 8, 1}, {56, 49, 48, 57}, {7, 14, 15, 6}, {63, 54, 55, 62}};
    for (const auto& region : regions) {
        const std::uint8_t corner = board.squares[region[0]];
        if (corner == computer_) {
            v += 32;
        } else if (corner == human_) {
            v -= 32;
        } else {
            for (int k = 1; k < 4; ++k) {
                if (board.squares[region[k]] == computer_) {
                    v -= 16;
                } else if (board.squares[region[k]] == human_) {
                    v += 16;
                }
            }
        }
    }
    return v;
}

std::int32_t PlainSearch::Search(const Board& board, std::uint8_t side, std::int32_t depth,
                                 std::int32_t bound) {
    if (depth <= 0) {
        return Evaluate(board);
    }
    const bool computerNode = side == computer_;
    const std::uint8_t mover = computerNode ? computer_ : human_;
    const std::uint8_t other = computerNode ? human_ : computer_;
    std::int32_t best = computerNode ? -9999 : 9999;
    std::vector<Candidate> candidates;
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            if (board.CanPlace(column, row, mover)) {
                candidates.push_back({0, 0, column, row});
            }
        }
    }
    std::vector<Board> children(candidates.size());
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        children[i] = board;
        children[i].Place(candidates[i].column, candidates[i].row, mover);
        candidates[i].index = static_cast<std::int32_t>(i);
        candidates[i].value = Evaluate(children[i]);
    }
    if (computerNode) {
        std::stable_sort(candidates.begin(), candidates.end(),
                         [](const Candidate& a, const Candidate& b) { return a.value > b.value; });
    } else {
        std::stable_sort(candidates.begin(), candidates.end(),
                         [](const Candidate& a, const Candidate& b) { return a.value < b.value; });
    }
    for (const Candidate& candidate : candidates) {
        std::int32_t v = Search(children[candidate.index], other, depth - 1, best);
        if (computerNode ? v > best : v < best) {
            if (computerNode ? v > bound : v < bound) {
                return v;
            }
            best = v;
        }
    }
    if (best == (computerNode ? -9999 : 9999)) {
        Board pass = board;
        return Search(pass, other, depth - 1, best);
    }
    return best;
}

PlainRootResult PlainRootSearch(const Board& board, std::uint8_t computer, std::uint8_t human,
                                int levelIndex, bool forHint) {
    PlainSearch search(computer, human);
    PlainRootResult result;
    result.depth = levelIndex + 3;
    if (board.CountDiscs() >= 53 - levelIndex) {
        result.depth = levelIndex + 11;
    }
    const std::uint8_t mover = forHint ? human : computer;
    const std::uint8_t next = forHint ? computer : human;
    result.searchValue = forHint ? 9999 : -9999;
    std::vector<Candidate> candidates;
    std::vector<Board> children;
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            if (board.CanPlace(column, row, mover)) {
                Board child = board;
                child.Place(column, row, mover);
                children.push_back(child);
                candidates.push_back({search.Evaluate(child),
                                      static_cast<std::int32_t>(candidates.size()), column, row});
            }
        }
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [forHint](const Candidate& a, const Candidate& b) {
                         return forHint ? a.value < b.value : a.value > b.value;
                     });
    for (const Candidate& candidate : candidates) {
        const auto start = std::chrono::steady_clock::now();
        std::int32_t v =
            search.Search(children[candidate.index], next, result.depth, result.searchValue);
        const double milliseconds =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        if (forHint ? v < result.searchValue : v > result.searchValue) {
            result.searchValue = v;
            result.bestColumn = candidate.column;
            result.bestRow = candidate.row;
        }
        result.roots.push_back(
            {candidate.column, candidate.row, candidate.value, v, search.leaves, milliseconds});
    }
    result.leaves = search.leaves;
    return result;
}

}  // namespace flipstone::testing

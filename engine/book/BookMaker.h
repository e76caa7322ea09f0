#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/book/OpeningBook.h"

namespace flipstone::strong {
class StrongSearch;
}

namespace flipstone::book {

// What to add to a book.
struct BookExtension {
    // Every position after fewer moves than this gets all its moves into the book.
    int fullPlies = 0;
    // Games from the start position, as moves (BitBoard's bits). Each position along a game, before
    // `linePlies` moves, gets all its moves into the book; a game that ends sooner goes on with the
    // book's best move.
    std::vector<std::vector<int>> lines;
    int linePlies = 0;
    // The depth of the searches that value the positions the book lacks or holds from a shallower
    // search; each value is the mean of this depth's and the one before (see MeanOfDepths).
    int depth = 14;
    // The threads that search at once; 0 takes one per processor core.
    int threads = 0;
    // Where the book is written after each batch of searches, so that a run cut short loses
    // little; empty for nowhere.
    std::string checkpoint;
};

// Grows a book: gives the positions to expand all their moves, values each position after them
// that the book lacks by a deep search, then gives every position whose moves all lead into the
// book the best of their values, from the last moves back to the first. Each search runs on one
// thread with a table of its own, so the same book and extension always make the same book.
class BookMaker {
public:
    BookMaker(const OpeningBook& book, const BookExtension& extension, std::ostream& progress);
    OpeningBook Extend();
    // The threads the searches share out the positions on.
    int Threads() const { return threads_; }

private:
    struct Key {
        Bits mover;
        Bits other;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };
    // A position on the board as played, not turned into its canonical orientation.
    struct Played {
        Bits mover;
        Bits other;
    };

    static Key KeyOf(Bits mover, Bits other);
    void ExpandWidely();
    void ExpandLines();
    // Values the positions after the moves of `positions` that the book lacks.
    void ValueChildren(const std::vector<Played>& positions);
    // Whether the book holds the position from a search as deep as asked, or from its moves.
    bool Valued(const Key& key) const;
    // Searches the positions, on all the threads, and keeps their values.
    void ValuePositions(const std::vector<Key>& missing, std::size_t expanded);
    int SearchValue(strong::StrongSearch& search, Bits mover, Bits other) const;
    void BackUp();
    OpeningBook Book() const;

    const BookExtension extension_;
    const int threads_;
    std::ostream& progress_;
    std::unordered_map<Key, BookEntry, KeyHash> entries_;
    std::int64_t searched_ = 0;
};

}  // namespace flipstone::book

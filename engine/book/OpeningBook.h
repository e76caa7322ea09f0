#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/strong/Bits.h"
#include "engine/strong/EveryMoveSearch.h"

namespace flipstone::book {

using strong::Bits;

// One position of the book in its canonical orientation (see CanonicalPosition), the side to
// move having a move, with its value in discs for that side.
struct BookEntry {
    Bits mover = 0;
    Bits other = 0;
    std::int8_t value = 0;
    // The depth of the search that valued the position; 0 when every move of it leads into the
    // book and its value is the best of theirs.
    std::uint8_t depth = 0;

    bool SamePosition(const BookEntry& entry) const {
        return mover == entry.mover && other == entry.other;
    }
};

// The opening book: positions of the first moves valued by deep searches, each position whose
// moves all lead into the book valued by the best of them, so that the book never contradicts
// itself. Every orientation of a position finds the same entry.
class OpeningBook {
public:
    // Moves this close to the best one are as good to play: the games vary.
    static constexpr int kPlaySpread = 1;

    OpeningBook() = default;
    // Takes the entries in any order; a position given twice keeps its last entry.
    explicit OpeningBook(std::vector<BookEntry> entries);

    // The book built into the program (empty when it was built without one).
    static const OpeningBook& BuiltIn();
    static std::optional<OpeningBook> FromBytes(const unsigned char* bytes, std::size_t size);
    static std::optional<OpeningBook> Load(const std::string& path);
    bool Save(const std::string& path) const;

    std::size_t Size() const { return entries_.size(); }
    // Sorted by position.
    const std::vector<BookEntry>& Entries() const { return entries_; }

    // The entry of the position, in any orientation; null when the book lacks it.
    const BookEntry* Find(Bits mover, Bits other) const;
    // The value for the mover of playing `bit`, when the book holds the position it leads to or
    // the game ends there (the value is then exact).
    std::optional<strong::MoveValue> ValueOfMove(Bits mover, Bits other, int bit) const;
    // Every legal move's value from the book, best first (the first among equals first in the
    // board's order), when every move of the position leads into the book; none otherwise.
    std::optional<std::vector<strong::MoveValue>> MoveValues(Bits mover, Bits other) const;
    // For play: one of the moves within kPlaySpread discs of the best, the `draw`-th of them
    // (counting round), when every move of the position leads into the book.
    std::optional<int> ChooseMove(Bits mover, Bits other, std::uint64_t draw) const;
    // The moves the book plays from the position after `first` (which is included), best after
    // best while the positions are in the book: at most `length` of them.
    std::vector<int> BestLine(Bits mover, Bits other, int first, int length) const;

private:
    std::vector<BookEntry> entries_;
};

}  // namespace flipstone::book

// The opening book: its maker, its file, and that no book contradicts itself.
#include "engine/book/OpeningBook.h"

#include <gtest/gtest.h>

#include <bit>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "engine/BitBoard.h"
#include "engine/Position.h"
#include "engine/book/BookMaker.h"
#include "engine/book/BookMove.h"
#include "engine/book/BookMoves.h"

namespace flipstone::book {
namespace {

const BitBoard kStart = BitBoard::FromBoard(Position::Start().GetBoard());

// Every position whose moves all lead into the book is worth the best of them.
void ExpectConsistent(const OpeningBook& book) {
    int complete = 0;
    for (const BookEntry& entry : book.Entries()) {
        const auto values = book.MoveValues(entry.mover, entry.other);
        if (values) {
            ++complete;
            EXPECT_EQ(entry.value, values->front().value);
            EXPECT_EQ(entry.depth, 0);
        } else {
            EXPECT_GT(entry.depth, 0);
        }
    }
    EXPECT_GT(complete, 0);
}

OpeningBook SmallBook(const OpeningBook& from, int threads) {
    BookExtension extension;
    extension.fullPlies = 3;
    // Deep enough to cut on a guess, where what a table kept from another position would show.
    extension.depth = 8;
    extension.threads = threads;
    // f5 d6 c3, going on with the book's best moves to the sixth.
    extension.lines = {{BitBoard::BitOf(5, 4), BitBoard::BitOf(3, 5), BitBoard::BitOf(2, 2)}};
    extension.linePlies = 6;
    std::ostringstream progress;
    return BookMaker(from, extension, progress).Extend();
}

TEST(OpeningBookTest, AMadeBookIsConsistentTheSameOnAnyThreadsAndReadsBack) {
    const OpeningBook book = SmallBook(OpeningBook(), 2);
    ExpectConsistent(book);
    // The four first moves are images of each other: one entry, one value.
    const auto first = book.MoveValues(kStart.black, kStart.white);
    ASSERT_TRUE(first);
    ASSERT_EQ(first->size(), 4u);
    EXPECT_EQ(first->front().value, first->back().value);
    // The game line went on past its given moves.
    Position position = Position::Start();
    for (const char* move : {"f5", "d6", "c3"}) {
        position.Play({move[0] - 'a', move[1] - '1'});
    }
    const BitBoard line = BitBoard::FromBoard(position.GetBoard());
    EXPECT_TRUE(
        book.MoveValues(line.Discs(position.ToMove()), line.Discs(Opponent(position.ToMove()))));

    // Made from nothing on one thread, every position searched anew: the same entries.
    const OpeningBook alone = SmallBook(OpeningBook(), 1);
    ASSERT_EQ(alone.Size(), book.Size());
    for (std::size_t i = 0; i < book.Size(); ++i) {
        EXPECT_TRUE(alone.Entries()[i].SamePosition(book.Entries()[i]));
        EXPECT_EQ(alone.Entries()[i].value, book.Entries()[i].value);
        EXPECT_EQ(alone.Entries()[i].depth, book.Entries()[i].depth);
    }
    // Extended again with the same options, it has nothing to add.
    EXPECT_EQ(SmallBook(book, 1).Size(), book.Size());
    const std::string path = ::testing::TempDir() + "opening-book-test.book";
    ASSERT_TRUE(book.Save(path));
    const std::optional<OpeningBook> read = OpeningBook::Load(path);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->Size(), book.Size());
    for (std::size_t i = 0; i < book.Size(); ++i) {
        EXPECT_TRUE(read->Entries()[i].SamePosition(book.Entries()[i]));
        EXPECT_EQ(read->Entries()[i].value, book.Entries()[i].value);
    }
    // A file cut short is no book.
    std::ofstream(path, std::ios::binary | std::ios::trunc) << "FLIPSTONE-BOOK 1\x05";
    EXPECT_FALSE(OpeningBook::Load(path));
    std::remove(path.c_str());
}

// In play the book gives one of its moves within a disc of the best, at once (the game past the
// book searches: StrongestComputerTest shows it thinking there).
TEST(OpeningBookTest, PlayTakesTheBooksGoodMoves) {
    const OpeningBook book = SmallBook(OpeningBook(), 2);
    strong::StrongSearch search(14, 1);
    const auto values = book.MoveValues(kStart.black, kStart.white);
    for (std::uint64_t draw = 0; draw < 4; ++draw) {
        const strong::ThinkResult played =
            ThinkWithBook(search, book, kStart.black, kStart.white, std::chrono::seconds(10), draw);
        EXPECT_TRUE(played.fromBook);
        EXPECT_GE(played.value, values->front().value - OpeningBook::kPlaySpread);
    }
}

TEST(OpeningBookTest, TheBuiltInBookIsConsistent) {
    const OpeningBook& book = OpeningBook::BuiltIn();
    if (book.Size() == 0) {
        GTEST_SKIP() << "built without a book";
    }
    ExpectConsistent(book);
    const auto first = book.MoveValues(kStart.black, kStart.white);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->front().value, first->back().value);
}

}  // namespace
}  // namespace flipstone::book

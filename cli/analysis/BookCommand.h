#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "engine/Position.h"
#include "engine/book/BookMaker.h"

namespace flipstone::cli {

// What book is asked: to look a position up (in the built-in book, or in `file`), or to extend
// `file` (made when missing) with what `extension` says.
struct BookRequest {
    Position position = Position::Start();
    std::string file;
    bool extend = false;
    book::BookExtension extension;
    // With extend: a file of games, one transcript a line, whose positions go into the book.
    std::string linesFile;
};

// flipstone-cli book: one JSON line with the position's book entry and its moves' values; or,
// extending, the maker's progress on stderr and a summary line.
int RunBook(const BookRequest& request, std::ostream& out, std::ostream& err);

}  // namespace flipstone::cli

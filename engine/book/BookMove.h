#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

#include "engine/book/OpeningBook.h"
#include "engine/strong/StrongSearch.h"

namespace flipstone::book {

// The strongest player's move in play: while every move of the position leads into the book, one
// of the book's best moves (the `draw`-th of those within a disc of the best, so that its games
// vary), at once; otherwise what its search finds within the budget, as `job` (see StrongSearch).
strong::ThinkResult ThinkWithBook(strong::StrongSearch& search, const OpeningBook& book, Bits mover,
                                  Bits other, std::chrono::duration<double> budget,
                                  std::uint64_t draw,
                                  std::optional<strong::StrongSearch::Job> job = {});

}  // namespace flipstone::book

#include "engine/book/BookMove.h"

namespace flipstone::book {

strong::ThinkResult ThinkWithBook(strong::StrongSearch& search, const OpeningBook& book, Bits mover,
                                  Bits other, std::chrono::duration<double> budget,
                                  std::uint64_t draw,
                                  std::optional<strong::StrongSearch::Job> job) {
    if (const std::optional<int> bit = book.ChooseMove(mover, other, draw)) {
        strong::ThinkResult result;
        result.bit = *bit;
        result.value = book.ValueOfMove(mover, other, *bit)->value;
        result.fromBook = true;
        return result;
    }
    return search.Think(mover, other, budget, job);
}

}  // namespace flipstone::book

#pragma once

#include <random>
#include <string>

#include "engine/book/OpeningBook.h"
#include "engine/strong/StrongSearch.h"
#include "protocol/EnginePlayer.h"

namespace flipstone::protocol {

// The strongest player: the opening book's moves while it has them, then deepening searches on
// the time it is given, and the exact endgame.
class StrongPlayer : public EnginePlayer {
public:
    // On `threads` threads; 0 takes one per processor core.
    explicit StrongPlayer(int threads = 0,
                          const book::OpeningBook& book = book::OpeningBook::BuiltIn())
        : search_(strong::StrongSearch::kDefaultTableBits, threads),
          book_(book),
          draws_(std::random_device()()) {}
    std::string Mode() const override { return "max"; }
    MoveChoice ChooseMove(const Position& position, double seconds) override;

private:
    strong::StrongSearch search_;
    const book::OpeningBook& book_;
    std::mt19937_64 draws_;
};

}  // namespace flipstone::protocol

#pragma once

#include "cli/GtpPlayer.h"
#include "engine/strong/StrongSearch.h"

namespace flipstone::cli {

// The strongest player: deepening searches on the time it is given, and the exact endgame.
class StrongPlayer : public GtpPlayer {
public:
    // On `threads` threads; 0 takes one per processor core.
    explicit StrongPlayer(int threads = 0)
        : search_(strong::StrongSearch::kDefaultTableBits, threads) {}
    std::string Mode() const override { return "max"; }
    Square ChooseMove(const Board& board, std::uint8_t side, double seconds) override;

private:
    strong::StrongSearch search_;
};

}  // namespace flipstone::cli

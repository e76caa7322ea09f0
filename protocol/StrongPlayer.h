#pragma once

#include <string>
#include <vector>

#include "engine/strong/StrongSearch.h"
#include "protocol/EnginePlayer.h"
#include "protocol/StopSignal.h"

namespace flipstone::protocol {

// The strongest player: deepening searches on the time it is given, and the exact endgame.
class StrongPlayer : public EnginePlayer {
public:
    // On `threads` threads; 0 takes one per processor core.
    explicit StrongPlayer(int threads = 0)
        : search_(strong::StrongSearch::kDefaultTableBits, threads) {}
    std::string Mode() const override { return "max"; }
    MoveChoice ChooseMove(const Position& position, double seconds) override;
    // Every legal move of the colour to move with its value for that colour, best first, within
    // about `seconds` in all. Once `stop` asks, the values of the last depth every move finished
    // are given at once.
    std::vector<MoveChoice> ValueEveryMove(const Position& position, double seconds,
                                           const StopSignal& stop);
    // Its search, for a review that judges a whole game with what the player has learnt.
    strong::StrongSearch& Search() { return search_; }

private:
    strong::ThinkResult Think(const Position& position, double seconds);

    strong::StrongSearch search_;
};

}  // namespace flipstone::protocol

#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "cli/measure/TickMeter.h"
#include "engine/SearchKernel.h"
#include "game/SearchWorker.h"

namespace flipstone::cli {

struct SelfPlayResult {
    int moves = 0;
    int black = 0;
    int white = 0;
    bool finishedProperly = false;  // 64 discs, or neither side can move
    std::string message;            // the game-over text
    // Steps that did their work; a step that waited for a root move does not count.
    long long steps = 0;
};

// What selfplay is asked to play, read from its options.
struct SelfPlayRequest {
    int games = 1;
    int computerLevel = 1;
    int hintLevel = 1;
    std::uint32_t seed = 1;
    // Step on the window's timer, in real time, and measure the steps.
    bool ticks = false;
    const SearchKernel* kernel = &SearchKernel::Best();
    // Synchronous unless stepping on the timer, which the window does with the search thread.
    SearchMode mode = SearchMode::kSynchronous;
};

// Plays one whole game through the document's turn cycle: the computer at the request's
// computer level, the human side playing what the hint at its hint level suggests (its first
// few moves drawn from the seed). The human plays black when humanFirst. With a tick meter, every
// step waits for the meter's next tick and is measured.
SelfPlayResult PlayOneGame(const SelfPlayRequest& request, bool humanFirst, std::uint32_t seed,
                           std::ostream* moveLog, int gameNumber, TickMeter* ticks);

// flipstone-cli selfplay: plays the request's games, each move and result a JSON line, then a
// summary; 1 when a game did not end properly.
int RunSelfPlay(const SelfPlayRequest& request, std::ostream& out);

}  // namespace flipstone::cli

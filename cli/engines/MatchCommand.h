#pragma once

#include <cstdint>
#include <ostream>
#include <string>

namespace flipstone::cli {

// What match is asked for: two engines' command lines and the openings they play.
struct MatchRequest {
    std::string first;
    std::string second;
    std::string openingsFile;  // one move list a line; empty for random openings
    int openings = 2;
    int randomPlies = 8;
    std::uint32_t seed = 1;
    double gameSeconds = 0;  // each side's time for a game; 0 for no clock
};

// flipstone-cli match: the two engines play each opening twice, once with each colour, and each
// game and the summary are printed as JSON lines. Status 1 when a game was lost by an illegal
// move or a protocol error, or an engine could not start; status 2, before any game, when the
// openings file cannot be read or one of its lines is not a legal opening.
int RunMatch(const MatchRequest& request, std::ostream& out, std::ostream& err);

}  // namespace flipstone::cli

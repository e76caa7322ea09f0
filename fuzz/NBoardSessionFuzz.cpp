// Fuzzes the NBoard reader, the GGF of `set game` included: the input is a conversation, one
// command a line, answered by a session whose go is the game's level 1 and whose hints come from
// the strongest player on a tiny budget. Every line the engine writes is one of the protocol's,
// and the position is always the end of the game the session keeps.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz/FuzzInput.h"
#include "game/review/PositionAnalyst.h"
#include "protocol/LevelPlayer.h"
#include "protocol/nboard/NBoardSession.h"

namespace {

using flipstone::fuzz::Require;

constexpr double kThinkingSeconds = 0.001;
constexpr std::int64_t kAnalysisNodes = 20000;

bool IsEngineLine(const std::string& line) {
    for (const char* start :
         {"set myname ", "pong", "status", "search ", "=== ", "learned", "analysis "}) {
        if (line.starts_with(start)) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static flipstone::protocol::LevelPlayer level(1);
    static flipstone::PositionAnalyst analyst(flipstone::book::OpeningBook::BuiltIn(),
                                              {kAnalysisNodes, 8, 8, kAnalysisNodes});
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    flipstone::protocol::NBoardSession session(level, analyst, kThinkingSeconds, out);
    session.Serve(in);
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
        Require(IsEngineLine(line), "the engine writes only the protocol's lines");
    }
    Require(session.CurrentPosition() == session.Game().FinalPosition(),
            "the position is the end of the game kept");
    return 0;
}

#include "cli/engines/NBoardCommand.h"

#include <memory>

#include "game/review/PositionAnalyst.h"
#include "protocol/LevelPlayer.h"
#include "protocol/StrongPlayer.h"
#include "protocol/nboard/NBoardSession.h"

namespace flipstone::cli {

int RunNBoard(const NBoardRequest& request, std::istream& in, std::ostream& out) {
    protocol::StrongPlayer strongest;
    std::unique_ptr<protocol::LevelPlayer> level;
    if (request.level > 0) {
        level = std::make_unique<protocol::LevelPlayer>(request.level);
    }
    protocol::EnginePlayer& player = level ? static_cast<protocol::EnginePlayer&>(*level)
                                           : static_cast<protocol::EnginePlayer&>(strongest);
    PositionAnalyst analyst;
    protocol::NBoardSession session(player, analyst, request.moveSeconds, out);
    session.Serve(in);
    return 0;
}

}  // namespace flipstone::cli

#include "cli/engines/GtpCommand.h"

#include <memory>
#include <string>

#include "protocol/LevelPlayer.h"
#include "protocol/StrongPlayer.h"
#include "protocol/gtp/GtpSession.h"

namespace flipstone::cli {

int RunGtp(const GtpRequest& request, std::istream& in, std::ostream& out) {
    std::unique_ptr<protocol::EnginePlayer> player;
    if (request.level == 0) {
        player = std::make_unique<protocol::StrongPlayer>(request.threads);
    } else {
        player = std::make_unique<protocol::LevelPlayer>(request.level);
    }
    protocol::GtpSession session(*player, request.moveSeconds);
    session.Serve(in, out);
    return 0;
}

}  // namespace flipstone::cli

#include "cli/GtpCommand.h"

#include <memory>
#include <string>

#include "cli/GtpSession.h"
#include "cli/LevelPlayer.h"
#include "cli/StrongPlayer.h"

namespace flipstone::cli {

int RunGtp(const GtpRequest& request, std::istream& in, std::ostream& out) {
    std::unique_ptr<GtpPlayer> player;
    if (request.level == 0) {
        player = std::make_unique<StrongPlayer>(request.threads);
    } else {
        player = std::make_unique<LevelPlayer>(request.level);
    }
    GtpSession session(*player, request.moveSeconds);
    for (std::string line; !session.QuitAsked() && std::getline(in, line);) {
        const std::string reply = session.Answer(line);
        if (!reply.empty()) {
            out << reply << std::flush;
        }
    }
    return 0;
}

}  // namespace flipstone::cli

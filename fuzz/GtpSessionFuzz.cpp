// Fuzzes the GTP reader: the input is a conversation, one command a line, answered by a session
// whose player is the game's level 1. Every line gets no reply or one well-formed reply, and
// only a successful command that may move the game changes the position.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/FuzzInput.h"
#include "protocol/LevelPlayer.h"
#include "protocol/gtp/GtpSession.h"

namespace {

using flipstone::fuzz::Require;

constexpr double kMoveSeconds = 0.001;
// Enough lines for any game; more only repeat what the reader already does.
constexpr std::size_t kMostLines = 200;

// GTP drops control characters before it reads a line: "genm\x11ove" is genmove.
bool MayChangePosition(std::string line) {
    std::erase_if(line, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
    for (const char* command : {"play", "genmove", "undo", "clear_board", "boardsize"}) {
        if (line.find(command) != std::string::npos) {
            return true;
        }
    }
    return false;
}

void CheckReply(const std::string& reply) {
    if (reply.empty()) {
        return;
    }
    Require(reply[0] == '=' || reply[0] == '?', "a reply begins with = or ?");
    Require(reply.size() >= 3 && reply.ends_with("\n\n"), "a reply ends with a blank line");
    Require(reply.find("\n\n") == reply.size() - 2, "a reply has no blank line inside");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines = flipstone::fuzz::SplitArguments(data, size);
    lines.resize(std::min(lines.size(), kMostLines));
    flipstone::protocol::LevelPlayer player(1);
    flipstone::protocol::GtpSession session(player, kMoveSeconds);
    for (const std::string& line : lines) {
        const flipstone::Board before = session.CurrentPosition().GetBoard();
        const std::string reply = session.Answer(line);
        CheckReply(reply);
        if (reply.empty() || reply[0] == '?' || !MayChangePosition(line)) {
            Require(session.CurrentPosition().GetBoard() == before,
                    "only a move, undo or a new board moves");
        }
        if (session.QuitAsked()) {
            break;
        }
    }
    return 0;
}

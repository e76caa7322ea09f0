#include "protocol/gtp/GtpPeer.h"

#include <cmath>
#include <stdexcept>

#include "protocol/InputLines.h"
#include "protocol/Vocabulary.h"

namespace flipstone::protocol {

namespace {

std::string Command(std::string_view name, const std::string& arguments = "") {
    return std::string(name) + (arguments.empty() ? "" : " " + arguments);
}

std::string Seconds(MatchEngine::Milliseconds timeout) {
    return std::to_string((timeout.count() + 999) / 1000);
}

}  // namespace

GtpPeer::~GtpPeer() {
    channel_.Send(Command(gtp::kQuit));
}

std::string GtpPeer::Label(Milliseconds timeout) {
    std::string label;
    for (const std::string_view command : {gtp::kName, gtp::kVersion}) {
        unsent_ = {Command(command)};
        const EngineAnswer answer = Exchange(timeout);
        if (!answer.ok) {
            throw std::runtime_error("the engine " + answer.fault);
        }
        label += (label.empty() ? "" : " ") + answer.text;
    }
    return label;
}

void GtpPeer::NewGame(double gameSeconds) {
    unsent_ = {Command(gtp::kSetGame, std::string(kGameName)), Command(gtp::kBoardSize, "8"),
               Command(gtp::kClearBoard)};
    timed_ = gameSeconds > 0;
    notes_.clear();
    if (timed_) {
        unsent_.push_back(
            Command(gtp::kTimeSettings, std::to_string(std::lround(gameSeconds)) + " 0 0"));
    }
}

void GtpPeer::Tell(std::uint8_t colour, Square square) {
    unsent_.push_back(Command(gtp::kPlay, ColourWord(colour) + " " + SquareWord(square)));
}

EngineAnswer GtpPeer::Sync(Milliseconds timeout) {
    return Exchange(timeout);
}

EngineAnswer GtpPeer::Move(std::uint8_t colour, double secondsLeft, Milliseconds timeout) {
    if (timed_) {
        const long seconds = std::lround(std::floor(std::max(secondsLeft, 0.0)));
        unsent_.push_back(
            Command(gtp::kTimeLeft, ColourWord(colour) + " " + std::to_string(seconds) + " 0"));
    }
    unsent_.push_back(Command(gtp::kGenmove, ColourWord(colour)));
    return Exchange(timeout);
}

bool GtpPeer::IsClockCommand(const std::string& command) const {
    return command.starts_with(gtp::kTimeSettings) || command.starts_with(gtp::kTimeLeft);
}

EngineAnswer GtpPeer::Exchange(Milliseconds timeout) {
    std::vector<std::string> commands;
    commands.swap(unsent_);
    bool written = true;
    for (const std::string& command : commands) {
        written = written && channel_.Send(command);
    }
    const auto deadline = EngineChannel::Clock::now() + timeout;
    EngineAnswer answer;
    for (const std::string& command : commands) {
        GtpReply reply;
        if (!ReadReply(command, timeout, deadline, reply, answer)) {
            return answer;
        }
        if (!reply.success && IsClockCommand(command)) {
            if (timed_) {
                notes_.push_back("plays untimed: it answered '" + command + "' with '? " +
                                 reply.text + "'");
            }
            timed_ = false;
        } else if (!reply.success) {
            return {false, "", "answered '" + command + "' with '? " + reply.text + "'"};
        }
        answer.text = reply.text;
    }
    if (!written) {
        return {false, "", "no longer reads its input"};
    }
    return answer;
}

bool GtpPeer::ReadReply(const std::string& command, Milliseconds timeout,
                        EngineChannel::Clock::time_point deadline, GtpReply& reply,
                        EngineAnswer& answer) {
    ChannelLine line;
    do {
        line = channel_.ReadLine(deadline);
    } while (line.status == LineStatus::kLine && line.text.empty());
    const std::optional<GtpReply> first =
        line.status == LineStatus::kLine ? ReadGtpReplyLine(line.text) : std::nullopt;
    if (!first) {
        answer.ok = false;
        answer.fault = line.status == LineStatus::kClosed
                           ? "ended without answering '" + command + "'"
                       : line.status == LineStatus::kTimedOut
                           ? "gave no reply to '" + command + "' within " + Seconds(timeout) + " s"
                       : line.status == LineStatus::kTooLong
                           ? "wrote a line longer than " + std::to_string(kLongestLine) +
                                 " bytes in reply to '" + command + "'"
                           : "wrote '" + line.text.substr(0, 80) + "' where the reply to '" +
                                 command + "' belongs";
        return false;
    }
    reply = *first;
    for (line = channel_.ReadLine(deadline); line.status == LineStatus::kLine && !line.text.empty();
         line = channel_.ReadLine(deadline)) {
        reply.text += "\n" + line.text;
    }
    return true;
}

}  // namespace flipstone::protocol

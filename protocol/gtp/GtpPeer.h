#pragma once

#include <string>
#include <vector>

#include "protocol/EngineChannel.h"
#include "protocol/gtp/GtpWords.h"
#include "protocol/referee/MatchEngine.h"

namespace flipstone::protocol {

// The referee's end of GTP: it speaks to a GTP engine as Quarry does. Passes are never sent (a
// side without a move is skipped, and the other side's next play or genmove is its pass), and
// the moves an engine missed are written just before its genmove, all before any reply is read.
// An engine that answers '?' to the clock commands plays untimed.
class GtpPeer : public MatchEngine {
public:
    explicit GtpPeer(EngineChannel& channel) : channel_(channel) {}
    // Asks the engine to quit.
    ~GtpPeer() override;
    GtpPeer(const GtpPeer&) = delete;
    GtpPeer& operator=(const GtpPeer&) = delete;

    std::string Label(Milliseconds timeout) override;
    void NewGame(double gameSeconds) override;
    void Tell(std::uint8_t colour, Square square) override;
    EngineAnswer Sync(Milliseconds timeout) override;
    EngineAnswer Move(std::uint8_t colour, double secondsLeft, Milliseconds timeout) override;
    bool KeepsTime() const override { return timed_; }
    const std::vector<std::string>& Notes() const override { return notes_; }

private:
    // Sends every command held back, then reads each one's reply; the answer's text is the last
    // reply's.
    EngineAnswer Exchange(Milliseconds timeout);
    // The reply to `command`, or the fault in `answer`.
    bool ReadReply(const std::string& command, Milliseconds timeout,
                   EngineChannel::Clock::time_point deadline, GtpReply& reply,
                   EngineAnswer& answer);
    bool IsClockCommand(const std::string& command) const;

    EngineChannel& channel_;
    std::vector<std::string> unsent_;
    bool timed_ = false;
    std::vector<std::string> notes_;
};

}  // namespace flipstone::protocol

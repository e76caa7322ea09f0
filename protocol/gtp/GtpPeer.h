#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>

#include "protocol/gtp/GtpWords.h"

namespace flipstone::protocol {

// A GTP engine running as a child process, started from a shell command line; its standard
// input and output are the pipes this object writes to and reads from. Its standard error stays
// the referee's.
class GtpPeer {
public:
    // Throws std::runtime_error when the command cannot be started.
    explicit GtpPeer(const std::string& commandLine);
    ~GtpPeer();
    GtpPeer(const GtpPeer&) = delete;
    GtpPeer& operator=(const GtpPeer&) = delete;

    // Writes one command; false when the engine no longer reads.
    bool Send(const std::string& command);
    // The next reply, or nothing when the engine closed its output, wrote something that is
    // not a reply, or said nothing within the timeout.
    std::optional<GtpReply> Receive(std::chrono::milliseconds timeout);

private:
    bool ReadLine(std::string& line, std::chrono::steady_clock::time_point deadline);
    void Stop();

    pid_t pid_ = -1;
    int toEngine_ = -1;
    int fromEngine_ = -1;
    std::string buffer_;
};

}  // namespace flipstone::protocol

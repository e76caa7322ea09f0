#pragma once

#include <sys/types.h>

#include <deque>
#include <string>

#include "protocol/EngineChannel.h"
#include "protocol/InputLines.h"

namespace flipstone::protocol {

// An engine running as a child process, started from a shell command line: its standard input
// and output are the pipes this channel writes to and reads from; its standard error stays ours.
// An engine that exits or dies makes Send fail and ReadLine say the channel closed: never a
// signal to this process.
class ChildProcess : public EngineChannel {
public:
    // Throws std::runtime_error when the command cannot be started.
    explicit ChildProcess(const std::string& commandLine);
    // Closes the engine's input and gives it a moment to leave before it is killed.
    ~ChildProcess() override;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Send(const std::string& line) override;
    ChannelLine ReadLine(Clock::time_point deadline) override;

private:
    // Reads what the engine has written by the deadline; false when it wrote nothing more.
    bool ReadMore(Clock::time_point deadline);
    void Stop();

    pid_t pid_ = -1;
    int toEngine_ = -1;
    int fromEngine_ = -1;
    bool closed_ = false;
    LineAssembler assembler_;
    std::deque<InputLine> lines_;
};

}  // namespace flipstone::protocol

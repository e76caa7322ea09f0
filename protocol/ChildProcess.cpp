#include "protocol/ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace flipstone::protocol {

namespace {

// How long a stopping engine may take to leave after its input closes before it is killed.
constexpr auto kQuitGrace = std::chrono::seconds(2);

void ClosePipe(int& fd) {
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
}

// Writes to a pipe whose reader may be gone: the write then fails with EPIPE (or, when the reader
// goes while it waits, writes part), and the SIGPIPE it raises either way is held back on this
// thread and taken, so that it never reaches the process.
ssize_t WriteWithoutSigpipe(int fd, const char* data, std::size_t size) {
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    sigset_t before;
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &before);
    const ssize_t count = write(fd, data, size);
    const int error = errno;
    sigset_t pending;
    sigpending(&pending);
    if (sigismember(&pending, SIGPIPE) == 1) {
        const timespec now{0, 0};
        while (sigtimedwait(&pipeSignal, nullptr, &now) < 0 && errno == EINTR) {
        }
    }
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    errno = error;
    return count;
}

}  // namespace

ChildProcess::ChildProcess(const std::string& commandLine) {
    int input[2];
    int output[2];
    if (pipe2(input, O_CLOEXEC) != 0) {
        throw std::runtime_error("cannot make pipes: " + std::string(std::strerror(errno)));
    }
    if (pipe2(output, O_CLOEXEC) != 0) {
        close(input[0]);
        close(input[1]);
        throw std::runtime_error("cannot make pipes: " + std::string(std::strerror(errno)));
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    std::string shell = "sh";
    std::string option = "-c";
    std::string command = commandLine;
    char* argv[] = {shell.data(), option.data(), command.data(), nullptr};
    const int status = posix_spawn(&pid_, "/bin/sh", &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(input[0]);
    close(output[1]);
    toEngine_ = input[1];
    fromEngine_ = output[0];
    if (status != 0) {
        pid_ = -1;
        Stop();
        throw std::runtime_error("cannot start '" + commandLine + "': " + std::strerror(status));
    }
}

ChildProcess::~ChildProcess() {
    Stop();
}

void ChildProcess::Stop() {
    ClosePipe(toEngine_);
    ClosePipe(fromEngine_);
    if (pid_ <= 0) {
        return;
    }
    const auto deadline = Clock::now() + kQuitGrace;
    while (waitpid(pid_, nullptr, WNOHANG) == 0) {
        if (Clock::now() >= deadline) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    pid_ = -1;
}

bool ChildProcess::Send(const std::string& command) {
    const std::string line = command + "\n";
    std::size_t written = 0;
    while (toEngine_ >= 0 && written < line.size()) {
        const ssize_t count =
            WriteWithoutSigpipe(toEngine_, line.data() + written, line.size() - written);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return false;
        }
        written += static_cast<std::size_t>(count);
    }
    return toEngine_ >= 0;
}

bool ChildProcess::ReadMore(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) {
        return false;
    }
    pollfd wait{fromEngine_, POLLIN, 0};
    const int ready = poll(&wait, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) {
        return true;
    }
    if (ready <= 0) {
        return false;
    }
    char chunk[4096];
    const ssize_t count = read(fromEngine_, chunk, sizeof chunk);
    if (count <= 0) {
        closed_ = true;
        if (auto rest = assembler_.Finish()) {
            lines_.push_back(std::move(*rest));
        }
        return true;
    }
    for (ssize_t i = 0; i < count; ++i) {
        if (auto line = assembler_.Take(chunk[i])) {
            lines_.push_back(std::move(*line));
        }
    }
    return true;
}

ChannelLine ChildProcess::ReadLine(Clock::time_point deadline) {
    while (lines_.empty() && !closed_ && fromEngine_ >= 0) {
        if (!ReadMore(deadline)) {
            return {LineStatus::kTimedOut, ""};
        }
    }
    if (lines_.empty()) {
        return {LineStatus::kClosed, ""};
    }
    InputLine line = std::move(lines_.front());
    lines_.pop_front();
    return line.tooLong ? ChannelLine{LineStatus::kTooLong, ""}
                        : ChannelLine{LineStatus::kLine, std::move(line.text)};
}

}  // namespace flipstone::protocol

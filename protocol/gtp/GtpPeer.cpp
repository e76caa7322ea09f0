#include "protocol/gtp/GtpPeer.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <thread>
#include <vector>

extern char** environ;

namespace flipstone::protocol {

namespace {

using Clock = std::chrono::steady_clock;

// How long a stopping engine may take to leave after quit before it is killed.
constexpr auto kQuitGrace = std::chrono::seconds(2);
constexpr std::size_t kLongestReply = 1 << 20;

void ClosePipe(int& fd) {
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
}

std::string WithoutCarriageReturn(std::string line) {
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

}  // namespace

GtpPeer::GtpPeer(const std::string& commandLine) {
    int input[2];
    int output[2];
    if (pipe2(input, O_CLOEXEC) != 0 || pipe2(output, O_CLOEXEC) != 0) {
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
        Stop();
        throw std::runtime_error("cannot start '" + commandLine + "': " + std::strerror(status));
    }
}

GtpPeer::~GtpPeer() {
    Send(std::string(gtp::kQuit));
    Stop();
}

void GtpPeer::Stop() {
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

bool GtpPeer::Send(const std::string& command) {
    const std::string line = command + "\n";
    std::size_t written = 0;
    while (toEngine_ >= 0 && written < line.size()) {
        const ssize_t count = write(toEngine_, line.data() + written, line.size() - written);
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

bool GtpPeer::ReadLine(std::string& line, Clock::time_point deadline) {
    for (;;) {
        const std::size_t end = buffer_.find('\n');
        if (end != std::string::npos) {
            line = WithoutCarriageReturn(buffer_.substr(0, end));
            buffer_.erase(0, end + 1);
            return true;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd wait{fromEngine_, POLLIN, 0};
        if (fromEngine_ < 0 || buffer_.size() > kLongestReply || left.count() <= 0 ||
            poll(&wait, 1, static_cast<int>(left.count())) <= 0) {
            return false;
        }
        char chunk[4096];
        const ssize_t count = read(fromEngine_, chunk, sizeof chunk);
        if (count <= 0) {
            return false;
        }
        buffer_.append(chunk, static_cast<std::size_t>(count));
    }
}

std::optional<GtpReply> GtpPeer::Receive(std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    std::string line;
    do {
        if (!ReadLine(line, deadline)) {
            return std::nullopt;
        }
    } while (line.empty());
    std::optional<GtpReply> reply = ReadGtpReplyLine(line);
    if (!reply) {
        return std::nullopt;
    }
    while (ReadLine(line, deadline) && !line.empty()) {
        reply->text += "\n" + line;
    }
    return reply;
}

}  // namespace flipstone::protocol

#include "protocol/LineQueue.h"

#include <algorithm>

#include "protocol/Vocabulary.h"

namespace flipstone::protocol {

namespace {

// How long a finished conversation waits for the rest of an input that is already there.
constexpr auto kReadingGrace = std::chrono::milliseconds(100);

}  // namespace

LineQueue::LineQueue(std::istream& in, std::string_view stopWord) : stopWord_(stopWord) {
    // The replies are flushed line by line; reading must not flush them from this other thread.
    in.tie(nullptr);
    reader_ = std::thread(Read, std::ref(in), shared_);
}

LineQueue::~LineQueue() {
    bool ended = false;
    {
        std::unique_lock lock(shared_->mutex);
        ended = shared_->arrived.wait_for(lock, kReadingGrace, [&] { return shared_->ended; });
    }
    if (ended) {
        reader_.join();
    } else {
        reader_.detach();
    }
}

void LineQueue::Read(std::istream& in, const std::shared_ptr<Shared>& shared) {
    for (;;) {
        std::optional<InputLine> line = ReadInputLine(in);
        const std::lock_guard lock(shared->mutex);
        if (!line) {
            shared->ended = true;
            shared->arrived.notify_all();
            return;
        }
        shared->lines.push_back(std::move(*line));
        shared->arrived.notify_all();
    }
}

std::optional<InputLine> LineQueue::Next() {
    std::unique_lock lock(shared_->mutex);
    shared_->arrived.wait(lock, [&] { return !shared_->lines.empty() || shared_->ended; });
    if (shared_->lines.empty()) {
        return std::nullopt;
    }
    InputLine line = std::move(shared_->lines.front());
    shared_->lines.pop_front();
    return line;
}

bool LineQueue::StopRequested() const {
    const std::lock_guard lock(shared_->mutex);
    return std::any_of(shared_->lines.begin(), shared_->lines.end(), [&](const InputLine& line) {
        const std::string_view text = Trimmed(line.text);
        return text.substr(0, text.find(' ')) == stopWord_;
    });
}

}  // namespace flipstone::protocol

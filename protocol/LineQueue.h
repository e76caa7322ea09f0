#pragma once

#include <condition_variable>
#include <deque>
#include <istream>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>
#include <thread>

#include "protocol/InputLines.h"
#include "protocol/StopSignal.h"

namespace flipstone::protocol {

// The lines of an input, read on a thread of their own as they come, so that the thinking they
// started can see a line that asks it to stop. The input must outlive the reading, which ends
// only at the end of the input.
class LineQueue : public StopSignal {
public:
    // Starts reading `in`; the thinking stops once a line whose first word is `stopWord` waits.
    LineQueue(std::istream& in, std::string_view stopWord);
    // Waits a moment for the reading to reach the end of the input; if it does not, the reading
    // is left to end with the input, which the program's exit brings.
    ~LineQueue() override;
    LineQueue(const LineQueue&) = delete;
    LineQueue& operator=(const LineQueue&) = delete;

    // The next line, waiting for it; nothing once the input has ended.
    std::optional<InputLine> Next();
    bool StopRequested() const override;

private:
    // What the reading thread and this object share; the thread keeps it alive if it outlives the
    // object.
    struct Shared {
        std::mutex mutex;
        std::condition_variable arrived;
        std::deque<InputLine> lines;
        bool ended = false;
    };

    static void Read(std::istream& in, const std::shared_ptr<Shared>& shared);

    std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
    std::string stopWord_;
    std::thread reader_;
};

}  // namespace flipstone::protocol

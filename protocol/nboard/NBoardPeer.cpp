#include "protocol/nboard/NBoardPeer.h"

#include <stdexcept>

#include "engine/Board.h"
#include "game/records/GameRecord.h"
#include "game/records/RecordWriter.h"
#include "protocol/InputLines.h"
#include "protocol/Vocabulary.h"
#include "protocol/nboard/NBoardWords.h"

namespace flipstone::protocol {

namespace {

std::string Line(std::string_view word, const std::string& rest) {
    return std::string(word) + " " + rest;
}

std::string Seconds(MatchEngine::Milliseconds timeout) {
    return std::to_string((timeout.count() + 999) / 1000);
}

}  // namespace

std::string NBoardPeer::Label(Milliseconds timeout) {
    unsent_.insert(unsent_.begin(), {Line(nboard::kNBoard, std::to_string(nboard::kVersion)),
                                     Line(nboard::kSet, std::string(nboard::kDepth) + " " +
                                                            std::to_string(kSearchDepth))});
    const EngineAnswer answer = Sync(timeout);
    if (!answer.ok) {
        throw std::runtime_error("the NBoard engine " + answer.fault);
    }
    return name_.empty() ? "an NBoard engine" : name_;
}

void NBoardPeer::NewGame(double gameSeconds) {
    notes_.clear();
    if (gameSeconds > 0) {
        notes_.emplace_back("plays untimed: NBoard's protocol gives the referee no clock to set");
    }
    unsent_.push_back(Line(nboard::kSet, std::string(nboard::kGame) + " " + WriteGgf({})));
    lastMover_ = kWhite;
}

void NBoardPeer::Tell(std::uint8_t colour, Square square) {
    TellMove(colour, SquareWord(square));
}

void NBoardPeer::TellMove(std::uint8_t colour, const std::string& move) {
    if (colour == lastMover_) {
        unsent_.push_back(Line(nboard::kMove, std::string(nboard::kPass)));
    }
    unsent_.push_back(Line(nboard::kMove, move));
    lastMover_ = colour;
}

EngineAnswer NBoardPeer::Sync(Milliseconds timeout) {
    const std::string ping = std::to_string(++pings_);
    return Exchange(Line(nboard::kPing, ping), Line(nboard::kPong, ping), timeout);
}

EngineAnswer NBoardPeer::Move(std::uint8_t colour, double, Milliseconds timeout) {
    if (colour == lastMover_) {
        unsent_.push_back(Line(nboard::kMove, std::string(nboard::kPass)));
        lastMover_ = Opponent(colour);
    }
    EngineAnswer answer = Exchange(std::string(nboard::kGo), nboard::kChosenMove, timeout);
    answer.text = std::string(NBoardMoveOf(answer.text));
    if (answer.ok) {
        TellMove(colour, answer.text);
    }
    return answer;
}

EngineAnswer NBoardPeer::Exchange(const std::string& last, std::string_view awaited,
                                  Milliseconds timeout) {
    std::vector<std::string> lines;
    lines.swap(unsent_);
    lines.push_back(last);
    bool written = true;
    for (const std::string& line : lines) {
        written = written && channel_.Send(line);
    }
    const auto deadline = EngineChannel::Clock::now() + timeout;
    for (;;) {
        const ChannelLine line = channel_.ReadLine(deadline);
        if (line.status == LineStatus::kClosed) {
            return {false, "", "ended without answering '" + last + "'"};
        }
        if (line.status == LineStatus::kTimedOut) {
            return {false, "",
                    "gave no answer to '" + last + "' within " + Seconds(timeout) + " s"};
        }
        if (line.status == LineStatus::kTooLong) {
            return {false, "",
                    "wrote a line longer than " + std::to_string(kLongestLine) +
                        " bytes before answering '" + last + "'"};
        }
        const std::string_view text = Trimmed(line.text);
        const std::string myName = Line(nboard::kSet, std::string(nboard::kMyName));
        if (text.starts_with(myName)) {
            name_ = std::string(Trimmed(text.substr(myName.size())));
        }
        if (text == awaited || text.starts_with(std::string(awaited) + " ")) {
            return {written, std::string(Trimmed(text.substr(awaited.size()))),
                    written ? "" : "no longer reads its input"};
        }
    }
}

}  // namespace flipstone::protocol

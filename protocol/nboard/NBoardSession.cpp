#include "protocol/nboard/NBoardSession.h"

#include <algorithm>
#include <charconv>
#include <chrono>

#include "engine/BitBoard.h"
#include "game/records/RecordReader.h"
#include "game/review/GameReview.h"
#include "game/review/ReviewPositions.h"
#include "protocol/LineQueue.h"
#include "protocol/SearchStopRelay.h"
#include "protocol/Vocabulary.h"
#include "protocol/nboard/NBoardWords.h"

namespace flipstone::protocol {

namespace {

using Clock = std::chrono::steady_clock;

// The first word of a text and the rest after it.
std::pair<std::string_view, std::string_view> FirstWord(std::string_view text) {
    text = Trimmed(text);
    const std::size_t end = std::min(text.find_first_of(" \t"), text.size());
    return {text.substr(0, end), Trimmed(text.substr(end))};
}

// A position of the game as GGF counts them, passes included: its number, the colour to move
// (the one that must pass, before a pass), and the record's position it shows (its move count).
struct GgfPosition {
    int movesMade;
    std::uint8_t toMove;
    int ply;
};

std::vector<GgfPosition> GgfPositions(const GameRecord& record) {
    std::vector<GgfPosition> positions;
    Position position = record.StartPosition();
    std::uint8_t expected = record.firstToMove == kWhite ? kWhite : kBlack;
    int made = 0;
    for (int ply = 0;; ++ply) {
        const std::uint8_t mover = position.IsOver() ? expected : position.ToMove();
        if (mover != expected) {
            positions.push_back({made++, expected, ply});
        }
        positions.push_back({made, mover, ply});
        if (ply == static_cast<int>(record.moves.size())) {
            return positions;
        }
        position.Play(record.moves[static_cast<std::size_t>(ply)]);
        ++made;
        expected = Opponent(mover);
    }
}

}  // namespace

const std::array<NBoardSession::Command, 9> NBoardSession::kCommands = {{
    {nboard::kNBoard, &NBoardSession::NBoard},
    {nboard::kSet, &NBoardSession::Set},
    {nboard::kMove, &NBoardSession::Move},
    {nboard::kHint, &NBoardSession::Hint},
    {nboard::kGo, &NBoardSession::Go},
    {nboard::kPing, &NBoardSession::Ping},
    {nboard::kLearn, &NBoardSession::Learn},
    {nboard::kAnalyze, &NBoardSession::Analyze},
    {nboard::kQuit, &NBoardSession::Quit},
}};

NBoardSession::NBoardSession(EnginePlayer& player, PositionAnalyst& analyst, double moveSeconds,
                             std::ostream& out)
    : player_(player), analyst_(analyst), moveSeconds_(moveSeconds), out_(out) {}

void NBoardSession::Serve(std::istream& in) {
    LineQueue lines(in, nboard::kPing);
    while (!quitAsked_) {
        const std::optional<InputLine> line = lines.Next();
        if (!line) {
            return;
        }
        if (!line->tooLong) {
            Handle(line->text, lines);
        }
    }
}

void NBoardSession::Handle(std::string_view line, const StopSignal& stop) {
    const auto words = FirstWord(line);
    const auto command = std::find_if(kCommands.begin(), kCommands.end(),
                                      [&](const Command& c) { return c.name == words.first; });
    if (command != kCommands.end()) {
        (this->*command->run)(words.second, stop);
    }
}

void NBoardSession::Say(std::string_view word, const std::string& text) {
    out_ << word << (text.empty() ? "" : " ") << text << '\n' << std::flush;
}

void NBoardSession::NBoard(std::string_view, const StopSignal&) {
    Say(nboard::kSet,
        std::string(nboard::kMyName) + " Flipstone " FLIPSTONE_VERSION " " + player_.Mode());
}

void NBoardSession::Set(std::string_view arguments, const StopSignal&) {
    const auto [what, value] = FirstWord(arguments);
    // The search depth and the contempt for book draws are taken and left aside: the players
    // think by time, and have no book.
    if (what == nboard::kGame) {
        SetGame(value);
    }
}

void NBoardSession::SetGame(std::string_view text) {
    const RecordReading reading = ReadGameRecord(text);
    if (!reading.record) {
        Say(nboard::kStatus, "Flipstone kept its game: " + reading.error.message);
        return;
    }
    game_ = *reading.record;
    position_ = game_.FinalPosition();
}

void NBoardSession::Move(std::string_view arguments, const StopSignal&) {
    const std::string_view move = NBoardMoveOf(arguments);
    if (LowerCase(move) == LowerCase(nboard::kPass) || LowerCase(move) == "pass") {
        return;  // the pass rule already gave the turn to the other side
    }
    const auto square = ReadSquareWord(move);
    if (!square || !position_.Play(*square)) {
        Say(nboard::kStatus, "Flipstone kept its game: the move '" +
                                 std::string(move.substr(0, 20)) + "' is not legal there.");
        return;
    }
    game_.moves.push_back(*square);
}

void NBoardSession::Hint(std::string_view arguments, const StopSignal& stop) {
    int count = 1;
    std::from_chars(arguments.data(), arguments.data() + arguments.size(), count);
    Say(nboard::kStatus, "Flipstone is thinking");
    PositionAnalysis analysis;
    if (!position_.IsOver()) {
        const std::uint8_t side = position_.ToMove();
        const BitBoard bits = BitBoard::FromBoard(position_.GetBoard());
        const PositionAnalyst::Job job = analyst_.NewJob();
        const SearchStopRelay relay(stop, analyst_);
        analysis = analyst_.Analyse(bits.Discs(side), bits.Discs(Opponent(side)), job);
    }
    const std::size_t shown =
        std::min(analysis.moves.size(), static_cast<std::size_t>(std::max(count, 1)));
    for (std::size_t i = 0; i < shown; ++i) {
        const strong::MoveValue& value = analysis.moves[i];
        const Square square{BitBoard::ColumnOf(value.bit), BitBoard::RowOf(value.bit)};
        const std::string depth =
            value.exact ? std::string(nboard::kExactDepth) : std::to_string(value.depth);
        Say(nboard::kSearch, SquareWord(square) + " " + NBoardNumber(value.value) + " 0 " + depth);
    }
    Say(nboard::kStatus);
}

void NBoardSession::Go(std::string_view, const StopSignal&) {
    if (position_.IsOver()) {
        Say(nboard::kChosenMove, std::string(nboard::kPass));
        return;
    }
    Say(nboard::kStatus, "Flipstone is thinking");
    const auto start = Clock::now();
    const MoveChoice choice = player_.ChooseMove(position_, moveSeconds_);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const std::optional<double> value =
        choice.value ? std::optional<double>(*choice.value) : std::nullopt;
    Say(nboard::kChosenMove, NBoardMoveText(SquareWord(choice.square), value, seconds));
}

void NBoardSession::Ping(std::string_view arguments, const StopSignal&) {
    Say(nboard::kPong, std::string(FirstWord(arguments).first));
}

void NBoardSession::Learn(std::string_view, const StopSignal&) {
    Say(nboard::kLearned);
}

void NBoardSession::Analyze(std::string_view, const StopSignal& stop) {
    const std::vector<GgfPosition> positions = GgfPositions(game_);
    GameReview review(ReviewPositionsOf(game_));
    // One job for the whole game: once stopped, no analysis of it runs any more.
    const PositionAnalyst::Job job = analyst_.NewJob();
    const SearchStopRelay relay(stop, analyst_);
    Say(nboard::kStatus, "Flipstone is analysing the game");
    // The review judges the positions from the end backwards, and each is told as it is judged;
    // one whose analysis was stopped is not judged, and so not told.
    auto next = positions.rbegin();
    for (int ply = positions.back().ply; ply >= 0 && !stop.StopRequested(); --ply) {
        review.Step(analyst_, job);
        const std::optional<PositionValue> value = review.Results().ValueAfter(ply);
        for (; value && next != positions.rend() && next->ply == ply; ++next) {
            const int forMover = next->toMove == kBlack ? value->black : -value->black;
            Say(nboard::kAnalysis, std::to_string(next->movesMade) + " " + NBoardNumber(forMover));
        }
    }
    Say(nboard::kStatus);
}

void NBoardSession::Quit(std::string_view, const StopSignal&) {
    quitAsked_ = true;
}

}  // namespace flipstone::protocol

#include "cli/engines/MatchCommand.h"

#include <array>
#include <chrono>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <vector>

#include "cli/json/JsonNumber.h"
#include "cli/json/JsonString.h"
#include "protocol/ChildProcess.h"
#include "protocol/Vocabulary.h"
#include "protocol/gtp/GtpPeer.h"
#include "protocol/nboard/NBoardPeer.h"
#include "protocol/referee/Openings.h"
#include "protocol/referee/Referee.h"

namespace flipstone::cli {

namespace {

using protocol::MoveList;
using protocol::Referee;
using protocol::RefereedGame;

constexpr auto kNameTimeout = std::chrono::seconds(30);

std::string JsonList(const std::vector<std::string>& texts) {
    std::string json;
    for (const std::string& text : texts) {
        json += (json.empty() ? "" : ",") + JsonString(text);
    }
    return "[" + json + "]";
}

// How an engine is named on the command line when it speaks NBoard's protocol.
constexpr std::string_view kNBoardPrefix = "nboard:";

// One engine of the match: its process, and the protocol the referee speaks to it in (NBoard's
// for "nboard:COMMAND", GTP's otherwise), which goes first on the way out.
class Engine {
public:
    explicit Engine(const std::string& given)
        : nboard_(given.starts_with(kNBoardPrefix)),
          process_(nboard_ ? given.substr(kNBoardPrefix.size()) : given) {
        if (nboard_) {
            peer_ = std::make_unique<protocol::NBoardPeer>(process_);
        } else {
            peer_ = std::make_unique<protocol::GtpPeer>(process_);
        }
    }

    protocol::MatchEngine& Peer() { return *peer_; }

private:
    bool nboard_;
    protocol::ChildProcess process_;
    std::unique_ptr<protocol::MatchEngine> peer_;
};

std::vector<MoveList> OpeningsOf(const MatchRequest& request) {
    if (request.openingsFile.empty()) {
        return protocol::RandomOpenings(request.openings, request.randomPlies, request.seed);
    }
    std::ifstream file(request.openingsFile);
    if (!file) {
        throw std::runtime_error("cannot read " + request.openingsFile);
    }
    return protocol::ReadOpenings(file, request.openingsFile);
}

// The match so far, from the first engine's side.
struct Tally {
    int games = 0;
    int wins = 0;
    int draws = 0;
    int losses = 0;
    int faults = 0;
    int discDifference = 0;
    std::array<double, 2> seconds{};  // first, second
    std::array<int, 2> moves{};

    void Add(const RefereedGame& record, bool firstIsBlack) {
        const int margin = (firstIsBlack ? 1 : -1) * record.BlackMargin();
        ++games;
        wins += margin > 0 ? 1 : 0;
        draws += margin == 0 ? 1 : 0;
        losses += margin < 0 ? 1 : 0;
        faults += record.forfeited != kEmpty || !record.fault.empty() ? 1 : 0;
        discDifference += margin;
        for (int colour = 0; colour < 2; ++colour) {
            const int engine = (colour == 0) == firstIsBlack ? 0 : 1;
            seconds[engine] += record.seconds[colour];
            moves[engine] += record.moveCount[colour];
        }
    }
};

double PerMove(double seconds, int moves) {
    return moves > 0 ? seconds / moves : 0.0;
}

void PrintGame(std::ostream& out, int number, const std::string& black, const std::string& white,
               const RefereedGame& record) {
    out << "{\"game\":" << number << ",\"black\":" << JsonString(black)
        << ",\"white\":" << JsonString(white) << ",\"moves\":" << JsonString(record.moves)
        << ",\"black_discs\":" << record.blackDiscs << ",\"white_discs\":" << record.whiteDiscs
        << ",\"result\":" << JsonString(protocol::ResultWord(record.BlackMargin()))
        << ",\"fault\":" << (record.fault.empty() ? "null" : JsonString(record.fault))
        << ",\"notes\":" << JsonList(record.notes)
        << ",\"black_seconds\":" << FixedDecimals(record.seconds[0], 3)
        << ",\"white_seconds\":" << FixedDecimals(record.seconds[1], 3) << "}\n"
        << std::flush;
}

void PrintSummary(std::ostream& out, const std::array<std::string, 2>& labels, const Tally& tally) {
    out << "{\"first\":" << JsonString(labels[0]) << ",\"second\":" << JsonString(labels[1])
        << ",\"games\":" << tally.games << ",\"wins\":" << tally.wins
        << ",\"draws\":" << tally.draws << ",\"losses\":" << tally.losses
        << ",\"faults\":" << tally.faults << ",\"disc_difference\":" << tally.discDifference
        << ",\"first_seconds_per_move\":"
        << FixedDecimals(PerMove(tally.seconds[0], tally.moves[0]), 3)
        << ",\"second_seconds_per_move\":"
        << FixedDecimals(PerMove(tally.seconds[1], tally.moves[1]), 3) << "}\n";
}

}  // namespace

int RunMatch(const MatchRequest& request, std::ostream& out, std::ostream& err) {
    std::vector<MoveList> openings;
    try {
        openings = OpeningsOf(request);
    } catch (const std::runtime_error& error) {
        err << "flipstone-cli match: " << error.what() << "\n";
        return 2;
    }
    try {
        std::array<std::unique_ptr<Engine>, 2> engines{std::make_unique<Engine>(request.first),
                                                       std::make_unique<Engine>(request.second)};
        const std::array<std::string, 2> labels = {engines[0]->Peer().Label(kNameTimeout),
                                                   engines[1]->Peer().Label(kNameTimeout)};
        Tally tally;
        for (const MoveList& opening : openings) {
            for (const bool firstIsBlack : {true, false}) {
                const int black = firstIsBlack ? 0 : 1;
                Referee referee(engines[black]->Peer(), engines[1 - black]->Peer(),
                                request.gameSeconds);
                const RefereedGame record = referee.Play(opening);
                tally.Add(record, firstIsBlack);
                PrintGame(out, tally.games, labels[black], labels[1 - black], record);
                if (!record.fault.empty()) {
                    // Replies may still be on their way: the next game starts afresh.
                    engines = {std::make_unique<Engine>(request.first),
                               std::make_unique<Engine>(request.second)};
                }
            }
        }
        PrintSummary(out, labels, tally);
        return tally.faults > 0 ? 1 : 0;
    } catch (const std::runtime_error& error) {
        err << "flipstone-cli match: " << error.what() << "\n";
        return 1;
    }
}

}  // namespace flipstone::cli

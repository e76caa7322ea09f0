#include "cli/MatchCommand.h"

#include <signal.h>

#include <array>
#include <chrono>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <vector>

#include "cli/JsonNumber.h"
#include "protocol/Vocabulary.h"
#include "protocol/gtp/GtpPeer.h"
#include "protocol/gtp/GtpWords.h"
#include "protocol/referee/Openings.h"
#include "protocol/referee/Referee.h"

namespace flipstone::cli {

namespace {

using protocol::GameRecord;
using protocol::GtpPeer;
using protocol::MoveList;
using protocol::Referee;

constexpr auto kNameTimeout = std::chrono::seconds(30);

std::string JsonString(const std::string& text) {
    std::string json = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            json += '?';
        } else {
            json += c;
        }
    }
    return json + "\"";
}

// "name version" as the engine tells them, the way Quarry names an engine.
std::string EngineLabel(GtpPeer& peer) {
    std::string label;
    for (const std::string_view command : {protocol::gtp::kName, protocol::gtp::kVersion}) {
        peer.Send(std::string(command));
        const auto reply = peer.Receive(kNameTimeout);
        if (!reply || !reply->success) {
            throw std::runtime_error("no answer to " + std::string(command));
        }
        label += (label.empty() ? "" : " ") + reply->text;
    }
    return label;
}

std::vector<MoveList> ReadOpenings(const std::string& path) {
    std::ifstream file(path);
    if (!file) {
        throw std::runtime_error("cannot read " + path);
    }
    std::vector<MoveList> openings;
    int number = 0;
    for (std::string line; std::getline(file, line);) {
        ++number;
        const auto moves = protocol::ParseMoveList(line);
        if (!moves) {
            throw std::runtime_error(path + ":" + std::to_string(number) + ": not a move list");
        }
        if (!moves->empty()) {
            openings.push_back(*moves);
        }
    }
    return openings;
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

    void Add(const GameRecord& record, bool firstIsBlack) {
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
               const GameRecord& record) {
    out << "{\"game\":" << number << ",\"black\":" << JsonString(black)
        << ",\"white\":" << JsonString(white) << ",\"moves\":" << JsonString(record.moves)
        << ",\"black_discs\":" << record.blackDiscs << ",\"white_discs\":" << record.whiteDiscs
        << ",\"result\":" << JsonString(protocol::ResultWord(record.BlackMargin()))
        << ",\"fault\":" << (record.fault.empty() ? "null" : JsonString(record.fault))
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
    // An engine that dies must give a failed write, not end the referee.
    signal(SIGPIPE, SIG_IGN);
    try {
        const std::vector<MoveList> openings =
            request.openingsFile.empty()
                ? protocol::RandomOpenings(request.openings, request.randomPlies, request.seed)
                : ReadOpenings(request.openingsFile);
        std::array<std::unique_ptr<GtpPeer>, 2> peers{std::make_unique<GtpPeer>(request.first),
                                                      std::make_unique<GtpPeer>(request.second)};
        const std::array<std::string, 2> labels = {EngineLabel(*peers[0]), EngineLabel(*peers[1])};
        Tally tally;
        for (const MoveList& opening : openings) {
            for (const bool firstIsBlack : {true, false}) {
                const int black = firstIsBlack ? 0 : 1;
                Referee referee(*peers[black], *peers[1 - black], request.gameSeconds);
                const GameRecord record = referee.Play(opening);
                tally.Add(record, firstIsBlack);
                PrintGame(out, tally.games, labels[black], labels[1 - black], record);
                if (!record.fault.empty()) {
                    // Replies may still be on their way: the next game starts afresh.
                    peers = {std::make_unique<GtpPeer>(request.first),
                             std::make_unique<GtpPeer>(request.second)};
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

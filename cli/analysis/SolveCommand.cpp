#include "cli/analysis/SolveCommand.h"

#include <CLI/CLI.hpp>
#include <chrono>
#include <fstream>
#include <optional>
#include <vector>

#include "cli/json/JsonNumber.h"
#include "engine/BitBoard.h"
#include "engine/BoardText.h"
#include "engine/strong/StrongSearch.h"

namespace flipstone::cli {

namespace {

constexpr const char* kSolveFooter =
    R"(Solves positions exactly with the strongest player: the final disc difference for the side to
move when both sides play perfectly (the winner gets the empty squares), and a move that reaches
it. --board and --side give one position; --file a suite, one position a line in the common
form of the public endgame suites: 64 characters (X black, O white, - empty), a space, X or O
for the side to move, then anything after a ';'. Lines that are empty or start with '%' or '#'
are skipped. Where the text after ';' names moves with their values (A2:+38), the first value
is the expected one and every move named with it a best move: the line then says whether the
solver agrees ("right"), and solve exits with 1 when it does not.

Prints {"position","board","side","move","value","nodes","ms"} for each position, with
"moves":[{"move","value"},...] for every legal move with --all, then
{"positions","nodes","ms","right","wrong"}. The move is null when the side to move must pass.
--threads sets the threads (default: one per processor core).)";

// The largest table the solver takes: 2^23 entries, 128 MiB.
constexpr int kSolveTableBits = 23;

// A position of a suite, with what its line says of its value and best moves.
struct SuitePosition {
    strong::Bits mover = 0;
    strong::Bits other = 0;
    std::string board;
    bool blackToMove = true;
    std::optional<int> expected;
    std::vector<int> bestMoves;
};

std::string MoveName(int bit) {
    if (bit < 0) {
        return "null";
    }
    return "\"" + BoardText::SquareName({BitBoard::ColumnOf(bit), BitBoard::RowOf(bit)}) + "\"";
}

std::optional<SuitePosition> PositionOf(const std::string& boardText, bool blackToMove) {
    std::string error;
    const std::optional<Board> board = BoardText::Parse(boardText, error);
    if (!board) {
        return std::nullopt;
    }
    const BitBoard bits = BitBoard::FromBoard(*board);
    SuitePosition position;
    position.mover = blackToMove ? bits.black : bits.white;
    position.other = blackToMove ? bits.white : bits.black;
    position.board = BoardText::Format(*board);
    position.blackToMove = blackToMove;
    return position;
}

// A move and its value written as "F5:+18" at `at`; the length read, or zero.
std::size_t ReadMoveValue(const std::string& text, std::size_t at, std::string& move, int& value) {
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (at + 3 >= text.size() || text[at + 2] != ':') {
        return 0;
    }
    std::size_t end = at + 3;
    if (text[end] == '+' || text[end] == '-') {
        ++end;
    }
    const std::size_t digitsAt = end;
    while (end < text.size() && isDigit(text[end])) {
        ++end;
    }
    if (end == digitsAt) {
        return 0;
    }
    move = text.substr(at, 2);
    value = std::stoi(text.substr(at + 3, end - at - 3));
    return end - at;
}

// The moves and values named after the ';': the first value, and every move named with it.
void ReadExpected(const std::string& comment, SuitePosition& position) {
    for (std::size_t at = 0; at < comment.size();) {
        std::string move;
        int value = 0;
        const std::size_t length = ReadMoveValue(comment, at, move, value);
        const std::optional<Square> square =
            length == 0 ? std::nullopt : BoardText::ParseSquare(move);
        if (!square) {
            ++at;
            continue;
        }
        at += length;
        if (!position.expected) {
            position.expected = value;
        }
        if (value == *position.expected) {
            position.bestMoves.push_back(BitBoard::BitOf(square->column, square->row));
        }
    }
}

// One line of a suite file; nothing for a line that is not a position.
std::optional<SuitePosition> ParseLine(const std::string& line) {
    const std::size_t semicolon = line.find(';');
    const std::string head = line.substr(0, semicolon);
    const std::size_t space = head.find_first_of(" \t");
    if (space == std::string::npos) {
        return std::nullopt;
    }
    const std::size_t sideAt = head.find_first_not_of(" \t", space);
    if (sideAt == std::string::npos || (head[sideAt] != 'X' && head[sideAt] != 'O') ||
        head.find_first_not_of(" \t\r", sideAt + 1) != std::string::npos) {
        return std::nullopt;
    }
    std::optional<SuitePosition> position = PositionOf(head.substr(0, space), head[sideAt] == 'X');
    if (position && semicolon != std::string::npos) {
        ReadExpected(line.substr(semicolon + 1), *position);
    }
    return position;
}

struct Totals {
    int positions = 0;
    std::int64_t nodes = 0;
    double ms = 0;
    int right = 0;
    int wrong = 0;
};

void SolveOne(strong::StrongSearch& search, const SuitePosition& position, bool all, Totals& totals,
              std::ostream& out) {
    const auto begin = std::chrono::steady_clock::now();
    search.ClearTable();
    const strong::ThinkResult result = search.Solve(position.mover, position.other);
    std::vector<strong::MoveValue> values;
    if (all) {
        values =
            search.ValueEveryMove(position.mover, position.other, strong::AnalysisBudget::Exact());
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
    ++totals.positions;
    totals.nodes += result.nodes;
    totals.ms += ms;
    out << "{\"position\":" << totals.positions << ",\"board\":\"" << position.board
        << "\",\"side\":\"" << (position.blackToMove ? 'b' : 'w')
        << "\",\"move\":" << MoveName(result.bit) << ",\"value\":" << result.value
        << ",\"nodes\":" << result.nodes << ",\"ms\":" << FixedDecimals(ms, 1);
    if (all) {
        out << ",\"moves\":[";
        for (std::size_t i = 0; i < values.size(); ++i) {
            out << (i > 0 ? "," : "") << "{\"move\":" << MoveName(values[i].bit)
                << ",\"value\":" << values[i].value << "}";
        }
        out << "]";
    }
    if (position.expected) {
        const bool bestMove = position.bestMoves.empty() ||
                              std::find(position.bestMoves.begin(), position.bestMoves.end(),
                                        result.bit) != position.bestMoves.end();
        const bool right = result.value == *position.expected && bestMove;
        (right ? totals.right : totals.wrong) += 1;
        out << ",\"expected\":" << *position.expected
            << ",\"right\":" << (right ? "true" : "false");
    }
    out << "}" << std::endl;
}

}  // namespace

CLI::App& DeclareSolve(CLI::App& app, SolveRequest& request) {
    CLI::App& solve = *app.add_subcommand("solve", "solve positions exactly to the end");
    solve.footer(kSolveFooter);
    CLI::Option* board =
        solve.add_option("--board", request.board, "the position (see the board format)")
            ->type_name("BOARD");
    solve.add_option("--side", request.side, "the side to move, with --board")
        ->check(CLI::IsMember({"b", "w", "black", "white"}).description(""))
        ->type_name("b|w|black|white");
    solve.add_option("--file", request.file, "a suite of positions, one a line")
        ->type_name("FILE")
        ->excludes(board);
    solve.add_flag("--all", request.all, "also every legal move's exact value")
        ->multi_option_policy(CLI::MultiOptionPolicy::Throw);
    return solve;
}

std::string SolveUsageProblem(const SolveRequest& request) {
    if (request.file.empty() == request.board.empty()) {
        return "solve: give either --board with --side, or --file";
    }
    if (!request.board.empty()) {
        std::string error;
        if (!BoardText::Parse(request.board, error)) {
            return "--board: " + error;
        }
        if (request.side.empty()) {
            return "--board needs --side";
        }
    } else if (!request.side.empty()) {
        return "--side goes with --board";
    }
    return "";
}

int RunSolve(const SolveRequest& request, std::ostream& out, std::ostream& err) {
    std::vector<SuitePosition> positions;
    if (!request.board.empty()) {
        positions.push_back(*PositionOf(request.board, request.side[0] == 'b'));
    } else {
        std::ifstream in(request.file);
        if (!in) {
            err << "flipstone-cli: cannot read " << request.file << "\n";
            return 1;
        }
        int number = 0;
        for (std::string line; std::getline(in, line);) {
            ++number;
            if (line.empty() || line[0] == '%' || line[0] == '#' || line == "\r") {
                continue;
            }
            std::optional<SuitePosition> position = ParseLine(line);
            if (!position) {
                err << "flipstone-cli: " << request.file << " line " << number
                    << " is not a position\n";
                return 1;
            }
            positions.push_back(*position);
        }
    }
    strong::StrongSearch search(kSolveTableBits, request.threads);
    Totals totals;
    for (const SuitePosition& position : positions) {
        SolveOne(search, position, request.all, totals, out);
    }
    out << "{\"positions\":" << totals.positions << ",\"threads\":" << search.Threads()
        << ",\"nodes\":" << totals.nodes << ",\"ms\":" << FixedDecimals(totals.ms, 1)
        << ",\"right\":" << totals.right << ",\"wrong\":" << totals.wrong << "}" << std::endl;
    return totals.wrong > 0 ? 1 : 0;
}

}  // namespace flipstone::cli

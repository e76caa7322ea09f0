// Fuzzes flipstone-cli's argument handling: the input is the argument list, one argument a
// line. Every list is read as the tool reads it; lists that ask for a long search (perft beyond
// depth 3, selfplay, bench, analyse above level 1 or of an endgame), gtp (it reads standard
// input) and match (it starts the commands it is given) are only read, and the others run
// through RunCli to the end. A refusal is one printable line with status 2.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliArguments.h"
#include "cli/FlipstoneCli.h"
#include "fuzz/FuzzInput.h"

namespace {

using flipstone::cli::CliArguments;
using flipstone::cli::CliCommand;
using flipstone::cli::UsageError;
using flipstone::fuzz::Printable;
using flipstone::fuzz::Require;

constexpr int kDeepestPerftRun = 3;
// Below this many discs a level 1 analysis searches 4 plies, which takes milliseconds.
constexpr int kFewestEndgameDiscs = 52;

bool AnalyseRunsQuickly(const flipstone::AnalyseRequest& request) {
    Require(request.level >= 1 && request.level <= 4, "analyse reads a level of 1 to 4");
    Require(request.computer == flipstone::kBlack || request.computer == flipstone::kWhite,
            "analyse reads a colour");
    return request.level == 1 && request.board.CountDiscs() < kFewestEndgameDiscs;
}

bool PerftRunsQuickly(int depth) {
    Require(depth >= 1 && depth <= 14, "perft reads a depth of 1 to 14");
    return depth <= kDeepestPerftRun;
}

bool SelfPlayRunsQuickly(const flipstone::cli::SelfPlayRequest& request) {
    Require(request.games >= 1 && request.computerLevel >= 1 && request.computerLevel <= 4 &&
                request.hintLevel >= 1 && request.hintLevel <= 4,
            "selfplay reads games and two levels in range");
    return false;
}

// Reads the arguments as the tool does; false when running them would start a long search.
// Arguments the reader refuses run, to see the refusal RunCli prints.
bool RunsQuickly(const std::vector<std::string>& args) {
    CliArguments arguments;
    try {
        arguments = flipstone::cli::ReadCliArguments(args);
    } catch (const UsageError&) {
        return true;
    }
    switch (arguments.command) {
        case CliCommand::kAnalyse:
            return !arguments.analyseStrongest && AnalyseRunsQuickly(arguments.analyse);
        case CliCommand::kBook:
            return !arguments.book.extend && arguments.book.file.empty();
        case CliCommand::kPerft:
            return PerftRunsQuickly(arguments.perftDepth);
        case CliCommand::kSelfPlay:
            return SelfPlayRunsQuickly(arguments.selfPlay);
        case CliCommand::kBench:
        case CliCommand::kGtp:
        case CliCommand::kMatch:
        case CliCommand::kNBoard:
        case CliCommand::kReview:
        case CliCommand::kSolve:
            return false;
        case CliCommand::kPrintText:
            break;
    }
    return true;
}

void CheckRefusal(const std::string& err) {
    const std::string prefix = "flipstone-cli: ";
    Require(err.rfind(prefix, 0) == 0, "a refusal names the program");
    Require(err.size() > prefix.size() + 1 && err.back() == '\n', "a refusal ends its line");
    Require(Printable(err.substr(0, err.size() - 1)), "a refusal is one line of plain text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> args = flipstone::fuzz::SplitArguments(data, size);
    if (!RunsQuickly(args)) {
        return 0;
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = flipstone::cli::RunCli(args, out, err);
    Require(status >= 0 && status <= 2, "the status is 0, 1 or 2");
    if (status == 2) {
        CheckRefusal(err.str());
    } else {
        Require(err.str().empty(), "a command that runs writes nothing on stderr");
        Require(!out.str().empty() && out.str().back() == '\n', "a command that runs prints lines");
    }
    return 0;
}

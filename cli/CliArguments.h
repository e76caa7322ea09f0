#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "cli/analysis/AnalyseCommand.h"
#include "cli/analysis/BookCommand.h"
#include "cli/analysis/ReviewCommand.h"
#include "cli/analysis/SolveCommand.h"
#include "cli/engines/GtpCommand.h"
#include "cli/engines/MatchCommand.h"
#include "cli/engines/NBoardCommand.h"
#include "cli/measure/SelfPlayCommand.h"

namespace flipstone::cli {

// A problem with the command line, reported in one line with exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class CliCommand {
    kPrintText,
    kAnalyse,
    kBench,
    kBook,
    kGtp,
    kMatch,
    kNBoard,
    kPerft,
    kReview,
    kSelfPlay,
    kSolve
};

// What the command line asks for: a text to print (the help or the version), or one command with
// what its options say.
struct CliArguments {
    CliCommand command = CliCommand::kPrintText;
    std::string text;
    AnalyseRequest analyse;
    bool analyseStrongest = false;
    Position analysePosition = Position::Start();
    std::string benchSuite = "all";
    BookRequest book;
    GtpRequest gtp;
    MatchRequest match;
    NBoardRequest nboard;
    int perftDepth = 1;
    ReviewRequest review;
    SelfPlayRequest selfPlay;
    SolveRequest solve;
};

// Reads flipstone-cli's arguments (without the program name) against the commands and options
// that --help lists; a UsageError names the option or argument that is wrong.
CliArguments ReadCliArguments(const std::vector<std::string>& args);

}  // namespace flipstone::cli

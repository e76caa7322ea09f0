#include "cli/FlipstoneCli.h"

#include <iostream>

#include "cli/CliArguments.h"
#include "cli/analysis/AnalyseCommand.h"
#include "cli/analysis/BookCommand.h"
#include "cli/analysis/ReviewCommand.h"
#include "cli/analysis/SolveCommand.h"
#include "cli/engines/GtpCommand.h"
#include "cli/engines/MatchCommand.h"
#include "cli/engines/NBoardCommand.h"
#include "cli/measure/BenchCommand.h"
#include "cli/measure/PerftCommand.h"
#include "cli/measure/SelfPlayCommand.h"

namespace flipstone::cli {

namespace {

// Keeps an error message on one line of printable text, whatever the user typed.
std::string OneLine(const std::string& text) {
    std::string line;
    for (const char c : text.substr(0, 300)) {
        const auto byte = static_cast<unsigned char>(c);
        line += byte >= 0x20 && byte < 0x7F ? c : '?';
    }
    return line;
}

int RunCommand(const CliArguments& arguments, std::istream& in, std::ostream& out,
               std::ostream& err) {
    switch (arguments.command) {
        case CliCommand::kAnalyse:
            return arguments.analyseStrongest ? RunStrongestAnalyse(arguments.analysePosition, out)
                                              : RunAnalyse(arguments.analyse, out);
        case CliCommand::kBook:
            return RunBook(arguments.book, out, err);
        case CliCommand::kBench:
            return RunBench(arguments.benchSuite, out);
        case CliCommand::kGtp:
            return RunGtp(arguments.gtp, in, out);
        case CliCommand::kMatch:
            return RunMatch(arguments.match, out, err);
        case CliCommand::kNBoard:
            return RunNBoard(arguments.nboard, in, out);
        case CliCommand::kPerft:
            return RunPerft(arguments.perftDepth, out);
        case CliCommand::kReview:
            return RunReview(arguments.review, out);
        case CliCommand::kSelfPlay:
            return RunSelfPlay(arguments.selfPlay, out);
        case CliCommand::kSolve:
            return RunSolve(arguments.solve, out, err);
        case CliCommand::kPrintText:
            break;
    }
    out << arguments.text;
    return 0;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return RunCli(args, std::cin, out, err);
}

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err) {
    CliArguments arguments;
    try {
        arguments = ReadCliArguments(args);
    } catch (const UsageError& error) {
        err << "flipstone-cli: " << OneLine(error.what()) << "\n";
        return 2;
    }
    return RunCommand(arguments, in, out, err);
}

}  // namespace flipstone::cli

// flipstone-soak: plays many whole games through the game document's turn cycle and checks the
// document's invariants after every step, click and command.
#include <iomanip>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "soak/SoakRunner.h"

namespace {

using flipstone::cli::CliOptions;
using flipstone::cli::UsageError;
using flipstone::cli::WorkerOption;
using flipstone::soak::SoakFigures;
using flipstone::soak::SoakRunner;
using flipstone::soak::SoakSettings;

constexpr const char* kUsage =
    "usage: flipstone-soak [--games N] [--seed K] [--max-level L] [--worker W] [--quiet]\n"
    "Plays N whole games (default 1000) with every pairing of the levels 1..L (default 4) for\n"
    "the computer and the hint, the human moving first and second, and checks the game\n"
    "document after every step. With --worker threaded the searches run on the document's\n"
    "search thread, and each game is played again with synchronous searches from the same\n"
    "seed: both must publish the same root steps. Exits with 1 when a check fails.\n";

struct SoakCommand {
    SoakSettings settings;
    bool quiet = false;
};

SoakCommand ReadCommand(const std::vector<std::string>& args) {
    const CliOptions options(args, {"games", "seed", "max-level", "worker"}, {"quiet"});
    SoakCommand command;
    command.quiet = options.Has("quiet");
    SoakSettings& settings = command.settings;
    settings.games = static_cast<int>(options.IntegerOr("games", settings.games, 1, 1000000));
    settings.seed = static_cast<std::uint32_t>(options.IntegerOr("seed", 1, 0, 4294967295LL));
    settings.highestLevel = static_cast<int>(options.IntegerOr("max-level", 4, 1, 4));
    settings.mode = WorkerOption(options, flipstone::SearchMode::kSynchronous);
    return command;
}

void PrintFigures(const SoakSettings& settings, const SoakFigures& figures) {
    std::cout << "soak: seed " << settings.seed << ", levels " << settings.lowestLevel << ".."
              << settings.highestLevel << " for the computer and the hint\n"
              << "games played        " << figures.games << "\n"
              << "new games midway    " << figures.newGamesMidway << " (while discs turn "
              << figures.newGamesWhileTurning << ", while the computer thinks "
              << figures.newGamesWhileThinking << ", during a hint " << figures.newGamesDuringHint
              << ", on the human's turn " << figures.newGamesOnHumanTurn << ")\n"
              << "new games in box    " << figures.newGamesInGameOverBox << "\n"
              << "cancelled starts    " << figures.cancelledStarts << "\n"
              << "steps taken         " << figures.steps << "\n"
              << "steps that waited   " << figures.waitedSteps << "\n"
              << "root steps compared " << figures.searchSteps << "\n"
              << "clicks              " << figures.clicks << " (refused " << figures.refusedClicks
              << ")\n"
              << "hints asked         " << figures.hints << "\n"
              << "invariant checks    " << figures.checks << "\n"
              << "failures            " << figures.failures << "\n"
              << "wall time           " << std::fixed << std::setprecision(1) << figures.seconds
              << " s\n";
    for (const std::string& failure : figures.failureTexts) {
        std::cout << "FAILED: " << failure << "\n";
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    try {
        const SoakCommand command = ReadCommand(args);
        SoakRunner runner(command.settings);
        const SoakFigures figures = runner.Run(command.quiet ? nullptr : &std::cerr);
        PrintFigures(command.settings, figures);
        return figures.failures == 0 ? 0 : 1;
    } catch (const UsageError& error) {
        std::cerr << "flipstone-soak: " << error.what() << "\n" << kUsage;
        return 2;
    }
}

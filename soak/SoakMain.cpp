// flipstone-soak: plays many whole games through the game document's turn cycle and checks the
// document's invariants after every step, click and command.
#include <iomanip>
#include <iostream>
#include <optional>
#include <string>

#include "soak/SoakOptions.h"
#include "soak/SoakRunner.h"

namespace {

using flipstone::soak::SoakFigures;
using flipstone::soak::SoakOptions;
using flipstone::soak::SoakRunner;
using flipstone::soak::SoakSettings;

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
    SoakOptions options;
    const std::optional<int> status =
        flipstone::soak::ReadSoakOptions(argc, argv, options, std::cout, std::cerr);
    if (status) {
        return *status;
    }
    SoakRunner runner(options.settings);
    const SoakFigures figures = runner.Run(options.quiet ? nullptr : &std::cerr);
    PrintFigures(options.settings, figures);
    return figures.failures == 0 ? 0 : 1;
}

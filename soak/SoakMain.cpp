// flipstone-soak: plays many whole games through the game document's turn cycle and checks the
// document's invariants after every step, click and command.
#include <CLI/CLI.hpp>
#include <iomanip>
#include <iostream>
#include <string>

#include "soak/SoakRunner.h"

namespace {

using flipstone::soak::SoakFigures;
using flipstone::soak::SoakRunner;
using flipstone::soak::SoakSettings;

constexpr const char* kDescription =
    "flipstone-soak: plays whole games with every pairing of the levels 1..L for the computer\n"
    "and the hint, the human moving first and second, and checks the game document after every\n"
    "step. With --worker threaded the searches run on the document's search thread, and each\n"
    "game is played again with synchronous searches from the same seed: both must publish the\n"
    "same root steps. Exits with 1 when a check fails.";

struct SoakCommand {
    SoakSettings settings;
    std::string worker = "synchronous";
    bool quiet = false;
};

void Declare(CLI::App& app, SoakCommand& command) {
    SoakSettings& settings = command.settings;
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::Throw);
    app.add_option("--games", settings.games, "the number of games")
        ->check(CLI::Range(1, 1000000))
        ->capture_default_str();
    app.add_option("--seed", settings.seed, "the seed of the random play")->capture_default_str();
    app.add_option("--max-level", settings.highestLevel, "the highest level L played")
        ->check(CLI::Range(1, 4))
        ->capture_default_str();
    app.add_option("--worker", command.worker, "where the searches run")
        ->check(CLI::IsMember({"synchronous", "threaded"}))
        ->capture_default_str();
    app.add_flag("--quiet", command.quiet, "no progress lines on standard error")
        ->multi_option_policy(CLI::MultiOptionPolicy::Throw);
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
    SoakCommand command;
    CLI::App app(kDescription, "flipstone-soak");
    Declare(app, command);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return 0;
    } catch (const CLI::ParseError& error) {
        std::cerr << "flipstone-soak: " << error.what() << "\n";
        return 2;
    }
    command.settings.mode = command.worker == "threaded" ? flipstone::SearchMode::kThreaded
                                                         : flipstone::SearchMode::kSynchronous;
    SoakRunner runner(command.settings);
    const SoakFigures figures = runner.Run(command.quiet ? nullptr : &std::cerr);
    PrintFigures(command.settings, figures);
    return figures.failures == 0 ? 0 : 1;
}

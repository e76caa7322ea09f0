#include "soak/SoakOptions.h"

#include <CLI/CLI.hpp>
#include <string>

namespace flipstone::soak {

namespace {

constexpr const char* kDescription =
    "flipstone-soak: plays whole games with every pairing of the levels 1..L for the computer\n"
    "and the hint, the human moving first and second, and checks the game document after every\n"
    "step. With --worker threaded the searches run on the document's search thread, and each\n"
    "game is played again with synchronous searches from the same seed: both must publish the\n"
    "same root steps. Exits with 1 when a check fails.";

void Declare(CLI::App& app, SoakOptions& options, std::string& worker) {
    SoakSettings& settings = options.settings;
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::Throw);
    app.add_option("--games", settings.games, "the number of games")
        ->check(CLI::Range(1, 1000000))
        ->capture_default_str();
    app.add_option("--seed", settings.seed, "the seed of the random play")->capture_default_str();
    app.add_option("--max-level", settings.highestLevel, "the highest level L played")
        ->check(CLI::Range(1, 4))
        ->capture_default_str();
    app.add_option("--worker", worker, "where the searches run")
        ->check(CLI::IsMember({"synchronous", "threaded"}))
        ->capture_default_str();
    app.add_flag("--quiet", options.quiet, "no progress lines on standard error")
        ->multi_option_policy(CLI::MultiOptionPolicy::Throw);
}

}  // namespace

std::optional<int> ReadSoakOptions(int argc, const char* const* argv, SoakOptions& options,
                                   std::ostream& out, std::ostream& err) {
    CLI::App app(kDescription, "flipstone-soak");
    std::string worker = "synchronous";
    Declare(app, options, worker);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return 0;
    } catch (const CLI::ParseError& error) {
        err << "flipstone-soak: " << error.what() << "\n";
        return 2;
    }
    options.settings.mode = worker == "threaded" ? SearchMode::kThreaded : SearchMode::kSynchronous;
    return std::nullopt;
}

}  // namespace flipstone::soak

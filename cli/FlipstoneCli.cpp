#include "cli/FlipstoneCli.h"

#include <functional>
#include <map>

#include "cli/AnalyseCommand.h"
#include "cli/BenchCommand.h"
#include "cli/CliOptions.h"
#include "cli/PerftCommand.h"
#include "cli/SelfPlayCommand.h"

namespace flipstone::cli {

namespace {

constexpr const char* kOverview = R"(flipstone-cli: the Flipstone Reversi engine without a window.

Usage: flipstone-cli COMMAND [OPTIONS]
  or:  flipstone-cli --help | --version

Commands:
  analyse   search one position as the computer (or the hint) would, print the result
  bench     time the computer's search on fixed suites of positions
  perft     count the leaves of the full move tree from the start position
  selfplay  play whole games through the game's turn cycle
  help      explain a command: flipstone-cli help COMMAND

Output is one JSON object per line. Usage errors print one line on stderr and exit with 2.

Board format: 64 characters, row 0 first and columns 0..7 within a row (square index
row*8+column); X or * is black, O is white, - or . is empty. A square is named by its column
letter a-h and row digit 1-8: column 3, row 2 is d3. The start position is
  ---------------------------OX------XO---------------------------
)";

constexpr const char* kVersion = "flipstone-cli " FLIPSTONE_VERSION R"(
Copyright (C) 2026 the Flipstone developers.
License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
)";

const std::map<std::string, std::string>& CommandHelp() {
    static const std::map<std::string, std::string> help = {
        {"analyse", R"(flipstone-cli analyse --board S --computer b|w --level 1..4 [--hint]

Runs one complete root search on the board S, exactly as the game does when the computer
(colour b or w) chooses its move at that level, or with --hint as the hint for the other colour.
Prints {"column","row","move","value","leaves","depth","roots":[...],"ms"}; each root entry has
its move, its static value, its searched value, the cumulative leaf count after it and its time
in ms, in the order searched. Values are from the computer's side. When the searching side has
no legal move the move is null, column and row are -1 and the value is the starting value
(-9999, or 9999 for a hint) with 0 leaves.
)"},
        {"bench", R"(flipstone-cli bench [--suite midgame|endgame|all]

Times the computer's move search on fixed suites of positions reached by seeded random play,
running each through the game's root steps exactly as the game does: midgame (10 positions,
44 to 26 empty squares) and endgame (8 positions with 14 empty squares, where the search looks
15 plies ahead), both at Level 4; all (the default) runs both. Prints one line per suite:
{"suite","positions","root_moves","leaves","seconds","leaves_per_second","slowest_root_ms"},
where slowest_root_ms is the longest single root move, the longest the window waits.
)"},
        {"perft", R"(flipstone-cli perft --depth N

Counts the leaves of the full move tree from the start position for depths 1..N (N at most
14), one line per depth. A pass counts as a move; a finished game reached earlier counts as one
leaf.
)"},
        {"selfplay", R"(flipstone-cli selfplay --games N --levels A,B [--seed K] [--ticks]
                       [--kernel baseline|avx2|best] [--worker threaded|synchronous]

Plays N whole games through the game's turn cycle: the computer at level A, the human side
playing the hint at level B (its first three moves drawn at random from seed K, default 1).
The human plays black in odd games and white in even ones. Prints each move, each result and a
summary; exits with 1 if a game did not end with a full board or both sides blocked.

--kernel runs the search on the baseline (any x86-64) or the AVX2 build of its kernel; best,
the default, is the one the game would pick on this processor.

--worker threaded runs the root searches on a thread of their own, as the window does: a step
whose root move is not searched yet changes nothing, and the next step tries again.
synchronous searches each root move inside its step. The moves, values and leaf counts are the
same either way. The default is threaded with --ticks and synchronous without.

--ticks steps the game in real time as the window does: one step every 10 ms tick, a tick that
a long step has overrun following at once. The summary then adds, over all games:
  ticks               the steps taken
  longest_step_ms     the longest single step: the longest the window's thread is busy
  longest_wait_ticks  the most steps in a row that found their root move not yet searched
                      (always 0 when synchronous)
  longest_move_ticks  the longest computer move, from the end of the step that gives the
                      computer the turn to the end of the step that plays its move, counted
                      in 10 ms timer periods (rounded up) of real time
  longest_move_ms     the same in milliseconds
)"},
        {"help", R"(flipstone-cli help [COMMAND]

Explains the program, or one command.
)"},
    };
    return help;
}

using Command = std::function<int(const std::vector<std::string>&, std::ostream&)>;

const std::map<std::string, Command>& Commands() {
    static const std::map<std::string, Command> commands = {
        {"analyse", RunAnalyse},
        {"bench", RunBench},
        {"perft", RunPerft},
        {"selfplay", RunSelfPlay},
    };
    return commands;
}

int RunHelp(const std::vector<std::string>& args, std::ostream& out) {
    if (args.empty()) {
        out << kOverview;
        return 0;
    }
    if (args.size() > 1) {
        throw UsageError("help takes at most one command name");
    }
    const auto found = CommandHelp().find(args[0]);
    if (found == CommandHelp().end()) {
        throw UsageError("no help for unknown command '" + args[0] + "'");
    }
    out << found->second;
    return 0;
}

// Keeps an error message on one line of printable text, whatever the user typed.
std::string OneLine(const std::string& text) {
    std::string line;
    for (const char c : text.substr(0, 300)) {
        const auto byte = static_cast<unsigned char>(c);
        line += byte >= 0x20 && byte < 0x7F ? c : '?';
    }
    return line;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        if (args.empty()) {
            throw UsageError("no command given; try flipstone-cli --help");
        }
        const std::string& name = args[0];
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        if (name == "--help" || name == "-h" || name == "help") {
            return RunHelp(rest, out);
        }
        if (name == "--version") {
            if (!rest.empty()) {
                throw UsageError("--version takes no arguments");
            }
            out << kVersion;
            return 0;
        }
        const auto found = Commands().find(name);
        if (found == Commands().end()) {
            throw UsageError("unknown command '" + name + "'; try flipstone-cli --help");
        }
        if (rest.size() == 1 && (rest[0] == "--help" || rest[0] == "-h")) {
            return RunHelp({name}, out);
        }
        return found->second(rest, out);
    } catch (const UsageError& error) {
        err << "flipstone-cli: " << OneLine(error.what()) << "\n";
        return 2;
    }
}

}  // namespace flipstone::cli

#include "cli/CliArguments.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/BoardText.h"
#include "game/records/RecordReader.h"

namespace flipstone::cli {

namespace {

constexpr const char* kProgram = "flipstone-cli";

constexpr const char* kDescription =
    "flipstone-cli: the Flipstone Reversi engine without a window.";

constexpr const char* kFooter =
    R"(Output is one JSON object per line (gtp and nboard speak their protocols instead). Usage errors print one line on
stderr and exit with 2.

Board format: 64 characters, row 0 first and columns 0..7 within a row (square index
row*8+column); X or * is black, O is white, - or . is empty. A square is named by its column
letter a-h and row digit 1-8: column 3, row 2 is d3. The start position is
  ---------------------------OX------XO---------------------------)";

constexpr const char* kVersion = "flipstone-cli " FLIPSTONE_VERSION R"(
Copyright (C) 2026 the Flipstone developers.
License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
)";

constexpr const char* kAnalyseFooter =
    R"(Runs one complete root search on the board, exactly as the game does when the computer
chooses its move at that level, or with --hint as the hint for the other colour. Prints
{"column","row","move","value","leaves","depth","roots":[...],"ms"}; each root entry has its
move, its static value, its searched value, the cumulative leaf count after it and its time in
ms, in the order searched. Values are from the computer's side. When the searching side has no
legal move the move is null, column and row are -1 and the value is the starting value (-9999,
or 9999 for a hint) with 0 leaves.

With --strongest and --side, values every move of the position with the side to move as the
review, Move Values and NBoard's hint do (the same values for every mirror image, at any load):
prints {"move","value","book","moves":[{"move","value","exact"},...],"line":[...],"ms"}, values
in discs for the side to move, best first; line is the expected moves from the best one on.)";

constexpr const char* kBookFooter =
    R"(Looks the position after --moves (the start position without it) up in the opening book:
prints {"positions","in_book","value","depth","moves"}: the book's size, whether it holds the
position, its value for the side to move (the mean of a search --depth and one ply less deep,
or, at depth 0, the best of its moves' values) and, when every move of the position leads into
the book, each move's value, best first. The book keeps positions in their canonical
orientation, so every mirror image of a position finds the same entry.

With --extend, grows the book in --file (made when missing): every position before --plies
moves, and every position of the --games file (one transcript a line) before --game-plies moves,
gets all its moves into the book, a game that ends sooner going on with the book's best move;
each new position is valued by a search of --depth plies on one thread with a table of its own,
and then every position whose moves all lead into the book takes the best of their values. The
book is written after each batch of searches, so a run cut short keeps what it found; the same
book and options always make the same book, on any --threads (default: one per core). Progress
goes to stderr, then a summary {"book","positions_before","positions","threads","seconds"}.
scripts/make-book makes the built-in book.)";

constexpr const char* kBenchFooter =
    R"(Times the computer's move search on fixed suites of positions reached by seeded random play,
running each through the game's root steps exactly as the game does: midgame (10 positions,
44 to 26 empty squares) and endgame (8 positions with 14 empty squares, where the search looks
15 plies ahead), both at Level 4. Prints one line per suite:
{"suite","positions","root_moves","leaves","seconds","leaves_per_second","slowest_root_ms"},
where slowest_root_ms is the longest single root move, the longest the window waits.)";

constexpr const char* kPerftFooter =
    R"(Counts the leaves of the full move tree from the start position for depths 1..N, one line
per depth. A pass counts as a move; a finished game reached earlier counts as one leaf.)";

constexpr const char* kReviewFooter =
    R"(Reviews a game as the window's Game > Review Game does: every position judged by the same
analysis that Move Values and NBoard's hint give it, from the opening book while the game is in
it, exact (solved) for the last 21 empty squares, from 26 solved at rising selectivity up to
the exact value as far as a fixed number of positions allows, and searched within a fixed number
of positions before that. Each position is judged on one thread
in its canonical orientation, so the verdict is the same at any machine load and for every
mirror image of the game; the positions are shared among --threads threads (default: one per
core). The moves are a transcript (f5d6c3..., either case, spaces, commas, dashes or move
numbers between them), a GGF game, or a board and the side to move. Prints a line per move in
order {"ply","colour","move","best","value","best_value","loss","exact","book"} (values are disc
differences from the mover's side; loss = best_value - value, never negative), then a summary
{"moves","black_loss","white_loss","exact_moves","final_value","opening","seconds"}; the opening
is the name of the well-known line the game follows, or null. A move that is not legal is a
usage error: exit 2, no move lines, and the message names it.)";

constexpr const char* kSelfPlayFooter =
    R"(Plays N whole games through the game's turn cycle: the computer at level A, the human side
playing the hint at level B (its first three moves drawn at random from the seed). The human
plays black in odd games and white in even ones. Prints each move, each result and a summary;
exits with 1 if a game did not end with a full board or both sides blocked.

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
  longest_move_ms     the same in milliseconds)";

constexpr const char* kGtpFooter =
    R"(Speaks the Go Text Protocol on standard input and output in the Othello dialect that Quarry
uses: list_games answers Othello, boardsize takes only 8, squares are written A1 to H8 with
column A on the left and row 1 at the top, and passes are never sent: a play or genmove for the
colour that is not to move is its turn when the side to move has no legal move, and genmove
answers pass only when the colour has none. Also known: protocol_version, name, version,
known_command, list_commands, set_game, clear_board, komi (ignored), undo, final_score (the disc
difference, B+n, W+n or 0), showboard, time_settings, time_left and quit. Ends at quit or when
the input closes.

With --level each move is exactly the game's move at that level (as analyse finds it). Without
it the strongest player moves: deeper and deeper searches with a pattern evaluation on --threads
threads (default: one per core) until the move's time is spent, and the exact solution of the
last 20 to 30 empty squares when it can be finished in time. It thinks --move-time seconds a
move (default 1); with time_settings and time_left, the clock decides instead: a share of the
time left for each of its moves still to come. The version tells the players apart: "1.0.7
level 3", "1.0.7 max".)";

constexpr const char* kNBoardFooter =
    R"(Speaks the protocol of the NBoard board program (version 2) on standard input and output:
nboard 2 (answered with set myname), set game GGF (the game to think about, read as the game
records are; one that cannot be read is left aside with a status line), set depth and set
contempt (taken and left aside), move F5/eval/time (a move that is not legal is left
aside with a status line), go (answered === F5/eval/time; the move is not played until NBoard
sends it back with move), hint N (a search line "search F5 eval 0 depth" for each of the N best
moves, depth 100% when the value is exact), analyze (the game review's value of every position
of the game, from the end backwards: "analysis N eval", N counting passes, the value from the
side to move's view), ping N (stops the thinking, answered pong N), learn (answered learned) and
quit. Lines longer than 64 KiB and unknown commands are skipped.

With --level go plays the game's move at that level; without it the strongest player moves: the
opening book's move while it has one, otherwise what it finds in about --move-time seconds
(default 1). Hints and analyze always come from the strongest player, by the analysis the review
gives every position, whatever --move-time says: the book's values in the opening, otherwise a
fixed number of positions searched on one thread (about a second of one core), exact from 21
empty squares, so a position always gets the same values.)";

constexpr const char* kMatchFooter =
    R"(Referees games between two GTP engines, each started from a shell command line (for example
"flipstone-cli gtp" and "/usr/games/gtp-rhino --level 5"). Each opening is played twice, the
first engine black in one game and white in the other. The openings are --openings random ones
of --random-plies moves (default 2 of 8, from --seed), or the lines of --openings-file, each a
game record from the start position, such as f5d6c3d3c4 or a GGF game. The referee speaks to the engines as Quarry does: it never sends a
pass, and it writes the moves an engine missed and its genmove before reading the replies. Every
reply is checked: an illegal move, a failed command, a reply that is not GTP or none within two
minutes loses the game. With --game-time each side has that many seconds for a game, told to it
by time_settings and time_left, and running over loses; an engine that answers '?' to them
plays untimed, and the game's notes say so. An engine given as nboard:COMMAND speaks NBoard's
protocol (version 2) instead: it is told each game as GGF and each move, asked with go, and
plays untimed.

Prints a line per game {"game","black","white","moves","black_discs","white_discs","result",
"fault","notes","black_seconds","white_seconds"} (result B+n, W+n or 0, the disc difference; fault null
or the line that says what went wrong) and then a summary from the first engine's side
{"first","second","games","wins","draws","losses","faults","disc_difference",
"first_seconds_per_move","second_seconds_per_move"}. Exits with 1 when a game was lost by a
fault or an engine could not be started, and with 2 before any game when a line of the
openings file is not a legal opening from the start position (the line and the move named).)";

// The usage line lists every option a command takes as it is declared: the required ones bare,
// the others in brackets.
class UsageFormatter : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App* app, std::string name) const override {
        std::string usage = get_label("Usage") + ": " + name;
        for (const CLI::Option* option : app->get_options()) {
            if (option == app->get_help_ptr()) {
                continue;
            }
            std::string text = option->get_name();
            if (option->nonpositional() && !option->get_type_name().empty()) {
                text += " " + option->get_type_name();
            }
            usage += " " + (option->get_required() ? text : "[" + text + "]");
        }
        if (!app->get_subcommands({}).empty()) {
            usage += " " + get_label("SUBCOMMAND");
        }
        return usage + "\n";
    }
};

// A whole number in decimal within [low, high]; it goes on without leading zeros, since CLI11
// alone would also read 0x10, and 010 as octal.
CLI::Validator WholeNumber(long long low, long long high) {
    const std::string range = std::to_string(low) + ".." + std::to_string(high);
    auto check = [low, high, range](std::string& text) -> std::string {
        const bool negative = !text.empty() && text[0] == '-';
        const std::string digits = text.substr(negative ? 1 : 0);
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) {
            return "must be a whole number in " + range + ", not '" + text + "'";
        }
        const std::size_t first = std::min(digits.find_first_not_of('0'), digits.size() - 1);
        const std::string value = (negative ? "-" : "") + digits.substr(first);
        if (value.size() > 18 || std::stoll(value) < low || std::stoll(value) > high) {
            return "must be in " + range + ", not " + text;
        }
        text = value;
        return "";
    };
    return CLI::Validator(check, "");
}

template <typename T>
CLI::Option* AddWholeNumber(CLI::App& command, const std::string& name, T& value, long long low,
                            long long high, const std::string& help) {
    return command.add_option(name, value, help)
        ->transform(WholeNumber(low, high))
        ->type_name(std::to_string(low) + ".." + std::to_string(high));
}

CLI::Option* AddChoice(CLI::App& command, const std::string& name, std::string& value,
                       const std::vector<std::string>& choices, const std::string& help) {
    std::string shown;
    for (const std::string& choice : choices) {
        shown += (shown.empty() ? "" : "|") + choice;
    }
    return command.add_option(name, value, help)
        ->check(CLI::IsMember(choices).description(""))
        ->type_name(shown);
}

CLI::Option* AddFlag(CLI::App& command, const std::string& name, bool& value,
                     const std::string& help) {
    return command.add_flag(name, value, help)->multi_option_policy(CLI::MultiOptionPolicy::Throw);
}

// The option texts that need more than a conversion, read once the command line is parsed.
struct OptionTexts {
    std::string board;
    std::string computer;
    std::pair<int, int> levels;
    std::string kernel = "best";
    std::string worker;
    std::string helpTopic;
    std::string moves;
    std::string side;
    int level = 0;
    bool version = false;
};

void DeclareAnalyse(CLI::App& app, CliArguments& arguments, OptionTexts& texts) {
    CLI::App& analyse = *app.add_subcommand(
        "analyse", "search one position as the computer (or the hint) would, print the result");
    analyse.footer(kAnalyseFooter);
    analyse.add_option("--board", texts.board, "the position (see the board format)")
        ->required()
        ->type_name("BOARD");
    CLI::Option* strongest = AddFlag(analyse, "--strongest", arguments.analyseStrongest,
                                     "value every move as the review does instead");
    AddChoice(analyse, "--side", texts.side, {"b", "w", "black", "white"},
              "with --strongest: the side to move")
        ->needs(strongest);
    AddChoice(analyse, "--computer", texts.computer, {"b", "w", "black", "white"},
              "the computer's colour");
    AddWholeNumber(analyse, "--level", texts.level, 1, 4, "the level");
    AddFlag(analyse, "--hint", arguments.analyse.forHint,
            "search the hint for the other colour instead");
}

void DeclareBook(CLI::App& app, CliArguments& arguments, OptionTexts& texts) {
    BookRequest& request = arguments.book;
    CLI::App& book = *app.add_subcommand(
        "book", "look a position up in the opening book, or make or extend a book");
    book.footer(kBookFooter);
    book.add_option("--moves", texts.moves, "the position after these moves (see below)")
        ->type_name("TRANSCRIPT");
    book.add_option("--file", request.file, "the book file (default: the built-in book)")
        ->type_name("FILE");
    CLI::Option* extend =
        AddFlag(book, "--extend", request.extend, "extend --file (made when missing)");
    AddWholeNumber(book, "--plies", request.extension.fullPlies, 0, 12,
                   "every position before this many moves gets all its moves")
        ->needs(extend);
    book.add_option("--games", request.linesFile, "a file of games, one transcript a line")
        ->type_name("FILE")
        ->needs(extend);
    AddWholeNumber(book, "--game-plies", request.extension.linePlies, 0, 40,
                   "the positions of the games before this many moves get all their moves")
        ->needs(extend);
    AddWholeNumber(book, "--depth", request.extension.depth, 2, 30,
                   "the depth of the searches that value new positions (default 14)")
        ->needs(extend);
    AddWholeNumber(book, "--threads", request.extension.threads, 1, 256,
                   "the threads (default: one per core)")
        ->needs(extend);
}

void DeclareBench(CLI::App& app, CliArguments& arguments) {
    CLI::App& bench =
        *app.add_subcommand("bench", "time the computer's search on fixed suites of positions");
    bench.footer(kBenchFooter);
    AddChoice(bench, "--suite", arguments.benchSuite, {"midgame", "endgame", "all"},
              "the suite to run; all (the default) runs both");
}

void DeclarePerft(CLI::App& app, CliArguments& arguments) {
    CLI::App& perft = *app.add_subcommand(
        "perft", "count the leaves of the full move tree from the start position");
    perft.footer(kPerftFooter);
    AddWholeNumber(perft, "--depth", arguments.perftDepth, 1, 14, "the deepest depth N counted")
        ->required();
}

void DeclareReview(CLI::App& app, CliArguments& arguments, OptionTexts& texts) {
    CLI::App& review = *app.add_subcommand("review", "judge every move of a game");
    review.footer(kReviewFooter);
    review.add_option("--moves", texts.moves, "the game (see below)")
        ->required()
        ->type_name("TRANSCRIPT");
    AddWholeNumber(review, "--threads", arguments.review.threads, 1, 256,
                   "the threads (default: one per core)");
}

void DeclareSelfPlay(CLI::App& app, CliArguments& arguments, OptionTexts& texts) {
    SelfPlayRequest& request = arguments.selfPlay;
    CLI::App& selfplay =
        *app.add_subcommand("selfplay", "play whole games through the game's turn cycle");
    selfplay.footer(kSelfPlayFooter);
    AddWholeNumber(selfplay, "--games", request.games, 1, 100000, "the number of games N")
        ->required();
    AddWholeNumber(selfplay, "--levels", texts.levels, 1, 4,
                   "the computer's level A and the hint's level B")
        ->required()
        ->delimiter(',')
        ->type_name("A,B");
    AddWholeNumber(selfplay, "--seed", request.seed, 0, 4294967295LL,
                   "the seed of the random openings (default 1)");
    AddFlag(selfplay, "--ticks", request.ticks, "step on the window's 10 ms timer, in real time");
    AddChoice(selfplay, "--kernel", texts.kernel, {"baseline", "avx2", "best"},
              "the build of the search kernel (default best)");
    AddChoice(selfplay, "--worker", texts.worker, {"threaded", "synchronous"},
              "where the root searches run (see below)");
}

void DeclareGtp(CLI::App& app, CliArguments& arguments) {
    CLI::App& gtp = *app.add_subcommand("gtp", "play as a GTP engine on standard input and output");
    gtp.footer(kGtpFooter);
    AddWholeNumber(gtp, "--level", arguments.gtp.level, 1, 4,
                   "play the game's level instead of the strongest player");
    gtp.add_option("--move-time", arguments.gtp.moveSeconds,
                   "the strongest player's seconds a move (default 1)")
        ->check(CLI::Range(0.01, 3600.0).description(""))
        ->type_name("0.01..3600");
    AddWholeNumber(gtp, "--threads", arguments.gtp.threads, 1, 256,
                   "the strongest player's threads (default: one per core)");
}

void DeclareNBoard(CLI::App& app, CliArguments& arguments) {
    CLI::App& nboard = *app.add_subcommand(
        "nboard", "play and analyse as an NBoard engine on standard input and output");
    nboard.footer(kNBoardFooter);
    AddWholeNumber(nboard, "--level", arguments.nboard.level, 1, 4,
                   "play the game's level instead of the strongest player");
    nboard
        .add_option("--move-time", arguments.nboard.moveSeconds, "the seconds of a go (default 1)")
        ->check(CLI::Range(0.01, 3600.0).description(""))
        ->type_name("0.01..3600");
}

void DeclareMatch(CLI::App& app, CliArguments& arguments) {
    MatchRequest& request = arguments.match;
    CLI::App& match =
        *app.add_subcommand("match", "referee games between two GTP or NBoard engines");
    match.footer(kMatchFooter);
    match
        .add_option("--first", request.first,
                    "the first engine's command line (nboard:COMMAND for an NBoard engine)")
        ->required()
        ->type_name("COMMAND");
    match.add_option("--second", request.second, "the second engine's command line")
        ->required()
        ->type_name("COMMAND");
    match.add_option("--openings-file", request.openingsFile, "play these openings, one a line")
        ->type_name("FILE");
    AddWholeNumber(match, "--openings", request.openings, 1, 10000,
                   "the number of random openings (default 2)");
    AddWholeNumber(match, "--random-plies", request.randomPlies, 0, 30,
                   "the moves of a random opening (default 8)");
    AddWholeNumber(match, "--seed", request.seed, 0, 4294967295LL,
                   "the seed of the random openings (default 1)");
    match.add_option("--game-time", request.gameSeconds, "each side's seconds for a game")
        ->check(CLI::Range(1.0, 86400.0).description(""))
        ->type_name("1..86400");
}

void DeclareHelp(CLI::App& app, OptionTexts& texts) {
    CLI::App& help = *app.add_subcommand("help", "explain a command: flipstone-cli help COMMAND");
    AddChoice(help, "COMMAND", texts.helpTopic,
              {"analyse", "bench", "book", "gtp", "match", "nboard", "perft", "review", "selfplay",
               "solve", "help"},
              "the command to explain");
}

// Lists the commands under "Commands:" in the help.
void GroupAsCommands(CLI::App& app) {
    for (CLI::App* command : app.get_subcommands({})) {
        command->group("Commands");
    }
}

void Declare(CLI::App& app, CliArguments& arguments, OptionTexts& texts) {
    auto formatter = std::make_shared<UsageFormatter>();
    formatter->label("SUBCOMMAND", "COMMAND");
    formatter->column_width(34);
    app.formatter(formatter);
    app.footer(kFooter);
    AddFlag(app, "--version", texts.version, "print the version and exit");
    app.require_subcommand(0, 1);
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::Throw);
    DeclareAnalyse(app, arguments, texts);
    DeclareBench(app, arguments);
    DeclareBook(app, arguments, texts);
    DeclareGtp(app, arguments);
    DeclareMatch(app, arguments);
    DeclareNBoard(app, arguments);
    DeclarePerft(app, arguments);
    DeclareReview(app, arguments, texts);
    DeclareSelfPlay(app, arguments, texts);
    AddWholeNumber(DeclareSolve(app, arguments.solve), "--threads", arguments.solve.threads, 1, 256,
                   "the threads (default: one per core)");
    DeclareHelp(app, texts);
    GroupAsCommands(app);
}

std::string HelpText(const CLI::App& app, const std::string& topic) {
    const CLI::App* about = topic.empty() ? &app : app.get_subcommand(topic);
    const std::string name = topic.empty() ? kProgram : std::string(kProgram) + " " + topic;
    return app.get_formatter()->make_help(about, name, CLI::AppFormatMode::Normal);
}

std::uint8_t Colour(const std::string& text) {
    return text[0] == 'b' ? kBlack : kWhite;
}

const SearchKernel& Kernel(const std::string& name) {
    if (name == "baseline") {
        return SearchKernel::Baseline();
    }
    if (name == "avx2") {
        if (SearchKernel::Avx2() == nullptr) {
            throw UsageError("--kernel avx2: this program or processor has no AVX2 kernel");
        }
        return *SearchKernel::Avx2();
    }
    return SearchKernel::Best();
}

void CompleteBook(const OptionTexts& texts, BookRequest& request) {
    if (request.extend) {
        if (request.file.empty()) {
            throw UsageError("--extend needs --file");
        }
        if (!texts.moves.empty()) {
            throw UsageError("--extend takes no --moves");
        }
        return;
    }
    if (!texts.moves.empty()) {
        RecordReading reading = ReadGameRecord(texts.moves);
        if (!reading.record) {
            throw UsageError("--moves: " + reading.error.message);
        }
        request.position = reading.record->FinalPosition();
    }
}

// Finishes the requests from the option texts once the command line has parsed.
void Complete(const std::string& command, const OptionTexts& texts, CliArguments& arguments) {
    if (command == "analyse") {
        std::string error;
        const auto board = BoardText::Parse(texts.board, error);
        if (!board) {
            throw UsageError("--board: " + error);
        }
        if (arguments.analyseStrongest) {
            if (texts.side.empty()) {
                throw UsageError("--strongest needs --side");
            }
            if (!texts.computer.empty() || texts.level != 0 || arguments.analyse.forHint) {
                throw UsageError("--strongest takes no --computer, --level or --hint");
            }
            arguments.analysePosition = Position::FromBoard(*board, Colour(texts.side));
            return;
        }
        if (texts.computer.empty() || texts.level == 0) {
            throw UsageError("analyse needs --computer and --level (or --strongest and --side)");
        }
        arguments.analyse.level = texts.level;
        arguments.analyse.board = *board;
        arguments.analyse.computer = Colour(texts.computer);
    } else if (command == "book") {
        CompleteBook(texts, arguments.book);
    } else if (command == "review") {
        RecordReading reading = ReadGameRecord(texts.moves);
        if (!reading.record) {
            throw UsageError("--moves: " + reading.error.message);
        }
        arguments.review.record = std::move(*reading.record);
    } else if (command == "selfplay") {
        SelfPlayRequest& request = arguments.selfPlay;
        std::tie(request.computerLevel, request.hintLevel) = texts.levels;
        request.kernel = &Kernel(texts.kernel);
        const bool threaded = texts.worker.empty() ? request.ticks : texts.worker == "threaded";
        request.mode = threaded ? SearchMode::kThreaded : SearchMode::kSynchronous;
    } else if (command == "solve") {
        const std::string problem = SolveUsageProblem(arguments.solve);
        if (!problem.empty()) {
            throw UsageError(problem);
        }
    }
}

CliCommand CommandNamed(const std::string& name) {
    if (name == "analyse") {
        return CliCommand::kAnalyse;
    }
    if (name == "book") {
        return CliCommand::kBook;
    }
    if (name == "bench") {
        return CliCommand::kBench;
    }
    if (name == "gtp") {
        return CliCommand::kGtp;
    }
    if (name == "match") {
        return CliCommand::kMatch;
    }
    if (name == "nboard") {
        return CliCommand::kNBoard;
    }
    if (name == "perft") {
        return CliCommand::kPerft;
    }
    if (name == "review") {
        return CliCommand::kReview;
    }
    if (name == "selfplay") {
        return CliCommand::kSelfPlay;
    }
    if (name == "solve") {
        return CliCommand::kSolve;
    }
    return CliCommand::kPrintText;
}

}  // namespace

CliArguments ReadCliArguments(const std::vector<std::string>& args) {
    CliArguments arguments;
    OptionTexts texts;
    CLI::App app(kDescription, kProgram);
    Declare(app, arguments, texts);
    std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 reads from the back
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        arguments.text = app.help();
        return arguments;
    } catch (const CLI::ParseError& error) {
        throw UsageError(error.what());
    }
    const std::vector<CLI::App*> chosen = app.get_subcommands();
    if (texts.version) {
        if (!chosen.empty()) {
            throw UsageError("--version takes no command");
        }
        arguments.text = kVersion;
        return arguments;
    }
    if (chosen.empty()) {
        throw UsageError("no command given; try flipstone-cli --help");
    }
    const std::string command = chosen.front()->get_name();
    arguments.command = CommandNamed(command);
    if (command == "help") {
        arguments.text = HelpText(app, texts.helpTopic);
    }
    Complete(command, texts, arguments);
    return arguments;
}

}  // namespace flipstone::cli

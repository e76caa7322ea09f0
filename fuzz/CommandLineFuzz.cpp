// Fuzzes the desktop program's command line: the input is the argument list, one argument a
// line. The file to open is the first non-empty argument that is not a switch, and the
// removal message shows only when the removal was asked for.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "fuzz/FuzzInput.h"

namespace {

using flipstone::CommandLine;
using flipstone::fuzz::Require;

std::string FirstPath(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (!argument.empty() && !CommandLine::IsSwitch(argument)) {
            return argument;
        }
    }
    return "";
}

bool HoldsNul(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument.find('\0') != std::string::npos) {
            return true;
        }
    }
    return false;
}

std::vector<const char*> Argv(const std::vector<std::string>& arguments) {
    std::vector<const char*> argv{"flipstone"};
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    argv.push_back(nullptr);
    return argv;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> arguments = flipstone::fuzz::SplitArguments(data, size);
    const CommandLine commandLine = CommandLine::Parse(arguments);
    Require(commandLine.FilePath() == FirstPath(arguments),
            "the file is the first argument that is not a switch");
    Require(commandLine.HasFilePath() == !commandLine.FilePath().empty(),
            "there is a file exactly when its path is not empty");
    Require(!commandLine.ShowsUnregisterMessage() || commandLine.Unregister(),
            "the removal message shows only for a removal");

    if (HoldsNul(arguments)) {
        return 0;  // a real argv cannot hold a NUL byte, so there is nothing to compare
    }
    const std::vector<const char*> argv = Argv(arguments);
    const CommandLine fromArgv = CommandLine::Parse(static_cast<int>(argv.size() - 1), argv.data());
    Require(fromArgv.FilePath() == commandLine.FilePath() &&
                fromArgv.Unregister() == commandLine.Unregister() &&
                fromArgv.ShowsUnregisterMessage() == commandLine.ShowsUnregisterMessage(),
            "argv and the argument list read alike");
    return 0;
}

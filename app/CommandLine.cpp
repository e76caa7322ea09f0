#include "app/CommandLine.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace flipstone {
namespace {

bool EqualIgnoringCase(const std::string& text, const std::string& word) {
    return std::equal(text.begin(), text.end(), word.begin(), word.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

bool NamesExistingEntry(const std::string& argument) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(argument, error));
}

}  // namespace

bool CommandLine::IsSwitch(const std::string& argument) {
    if (argument.empty() || (argument[0] != '/' && argument[0] != '-')) {
        return false;
    }
    const bool slashAfterFirst = argument.find('/', 1) != std::string::npos;
    return !slashAfterFirst && !NamesExistingEntry(argument);
}

CommandLine CommandLine::Parse(const std::vector<std::string>& arguments) {
    CommandLine commandLine;
    for (const std::string& argument : arguments) {
        if (IsSwitch(argument)) {
            commandLine.TakeSwitch(argument.substr(1));
        } else if (!argument.empty() && commandLine.filePath_.empty()) {
            commandLine.filePath_ = argument;
        }
    }
    return commandLine;
}

CommandLine CommandLine::Parse(int argc, const char* const* argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.emplace_back(argv[i]);
    }
    return Parse(arguments);
}

void CommandLine::TakeSwitch(const std::string& name) {
    if (EqualIgnoringCase(name, "Unregister") || EqualIgnoringCase(name, "Unregserver")) {
        unregister_ = true;
    } else if (EqualIgnoringCase(name, "Embedding")) {
        embedding_ = true;
    }
}

}  // namespace flipstone

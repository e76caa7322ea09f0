// Every flipstone-cli command line in the fenced code blocks of README.md and docs/*.md parses
// with the tool's own argument reader; none of them is run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliArguments.h"
#include "engine/SearchKernel.h"

namespace flipstone::cli {
namespace {

namespace fs = std::filesystem;

struct DocumentedLine {
    std::string place;
    std::string text;
};

// The lines of a file's fenced code blocks, a line ending in a backslash joined to the next.
std::vector<DocumentedLine> FencedLines(const fs::path& file) {
    std::ifstream in(file);
    std::vector<DocumentedLine> lines;
    bool fenced = false;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (line.starts_with("```")) {
            fenced = !fenced;
        } else if (fenced && !lines.empty() && lines.back().text.ends_with("\\")) {
            lines.back().text += line;
        } else if (fenced) {
            lines.push_back({file.filename().string() + ":" + std::to_string(number), line});
        }
    }
    return lines;
}

// The words of a shell command line: quotes group, a backslash at a line's end is a space, and
// a word that starts with '#' starts a comment.
std::vector<std::string> ShellWords(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    char quote = 0;
    for (const char c : line) {
        if (c == quote) {
            quote = 0;
        } else if (quote != 0) {
            word += c;
        } else if (c == '"' || c == '\'') {
            quote = c;
            inWord = true;
        } else if (c == '#' && !inWord) {
            break;
        } else if (c == ' ' || c == '\\') {
            if (inWord) {
                words.push_back(word);
            }
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) {
        words.push_back(word);
    }
    return words;
}

// The arguments after flipstone-cli (by any path, timed or not); none when the line runs
// another program.
std::optional<std::vector<std::string>> CliArgumentsOf(const std::string& line) {
    std::vector<std::string> words = ShellWords(line);
    if (!words.empty() && words.front() == "time") {
        words.erase(words.begin());
    }
    if (words.empty() || !words.front().ends_with("flipstone-cli")) {
        return std::nullopt;
    }
    return std::vector<std::string>(words.begin() + 1, words.end());
}

TEST(DocumentedCommandsTest, EveryDocumentedCommandLineParses) {
    const fs::path source = FLIPSTONE_SOURCE_DIR;
    std::vector<fs::path> files{source / "README.md"};
    for (const fs::directory_entry& entry : fs::directory_iterator(source / "docs")) {
        if (entry.path().extension() == ".md") {
            files.push_back(entry.path());
        }
    }
    int commands = 0;
    for (const fs::path& file : files) {
        for (const DocumentedLine& line : FencedLines(file)) {
            const auto arguments = CliArgumentsOf(line.text);
            // A documented AVX2 kernel needs a processor that has one.
            if (!arguments || (line.text.find("--kernel avx2") != std::string::npos &&
                               SearchKernel::Avx2() == nullptr)) {
                continue;
            }
            ++commands;
            try {
                ReadCliArguments(*arguments);
            } catch (const UsageError& error) {
                ADD_FAILURE() << line.place << ": " << line.text << "\n" << error.what();
            }
        }
    }
    EXPECT_GT(commands, 10) << "the documented command lines were not found";
}

}  // namespace
}  // namespace flipstone::cli

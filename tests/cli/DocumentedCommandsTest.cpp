// Every flipstone-cli command line in the fenced code blocks of README.md and docs/*.md parses
// with the tool's own argument reader; none of them is run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliArguments.h"
#include "engine/SearchKernel.h"

namespace flipstone::cli {
namespace {

namespace fs = std::filesystem;

// The lines of a page's fenced code blocks, a line that ends in a backslash joined to the next.
std::vector<std::string> FencedLines(const fs::path& page) {
    std::ifstream in(page);
    std::vector<std::string> lines;
    bool fenced = false;
    bool continued = false;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("```")) {
            fenced = !fenced;
        } else if (fenced) {
            const bool continues = line.ends_with("\\");
            if (continues) {
                line.back() = ' ';
            }
            if (continued) {
                lines.back() += line;
            } else {
                lines.push_back(line);
            }
            continued = continues;
        }
    }
    return lines;
}

// The words of a shell command line, quoted ones whole, up to a comment.
std::vector<std::string> ShellWords(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> std::quoted(word) && !word.starts_with("#");) {
        words.push_back(word);
    }
    return words;
}

TEST(DocumentedCommandsTest, EveryDocumentedCommandLineParses) {
    const fs::path source = FLIPSTONE_SOURCE_DIR;
    std::vector<fs::path> pages{source / "README.md"};
    for (const fs::directory_entry& entry : fs::directory_iterator(source / "docs")) {
        if (entry.path().extension() == ".md") {
            pages.push_back(entry.path());
        }
    }
    int commands = 0;
    for (const fs::path& page : pages) {
        for (const std::string& line : FencedLines(page)) {
            std::vector<std::string> words = ShellWords(line);
            if (!words.empty() && words.front() == "time") {
                words.erase(words.begin());
            }
            // A documented AVX2 kernel needs a processor that has one.
            if (words.empty() || !words.front().ends_with("flipstone-cli") ||
                (line.find("--kernel avx2") != std::string::npos && !SearchKernel::Avx2())) {
                continue;
            }
            ++commands;
            try {
                ReadCliArguments(std::vector<std::string>(words.begin() + 1, words.end()));
            } catch (const UsageError& error) {
                ADD_FAILURE() << page.filename() << ": " << line << "\n" << error.what();
            }
        }
    }
    EXPECT_GT(commands, 10) << "the documented command lines were not found";
}

}  // namespace
}  // namespace flipstone::cli

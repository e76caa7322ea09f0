#pragma once

#include <string>
#include <vector>

namespace flipstone {

// The program's command line: an optional file to open instead of a new game, and the
// switches "Unregister" (or "Unregserver") and "Embedding", written after "-" or "/" in any
// letter case. An argument that names an existing file or folder, or that has a "/" after its
// first character, is a path even when it begins with "/" or "-": absolute paths begin with
// "/" here.
class CommandLine {
public:
    // The arguments after the program name.
    static CommandLine Parse(const std::vector<std::string>& arguments);
    static CommandLine Parse(int argc, const char* const* argv);

    // The first path given; empty when none.
    const std::string& FilePath() const { return filePath_; }
    bool HasFilePath() const { return !filePath_.empty(); }
    // The program only removes its settings and ends, without a window.
    bool Unregister() const { return unregister_; }
    // Whether the removal message is shown: not when "Embedding" is also given.
    bool ShowsUnregisterMessage() const { return unregister_ && !embedding_; }

    static bool IsSwitch(const std::string& argument);

private:
    void TakeSwitch(const std::string& name);

    std::string filePath_;
    bool unregister_ = false;
    bool embedding_ = false;
};

}  // namespace flipstone

#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/SearchWorker.h"

namespace flipstone::cli {

// A problem with the command line, reported in one line with exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The options after a command: "--name value" pairs and bare "--flag"s. Only the names a command
// declares are accepted; anything else is a usage error naming it.
class CliOptions {
public:
    CliOptions(const std::vector<std::string>& args, const std::vector<std::string>& valued,
               const std::vector<std::string>& flags);

    bool Has(const std::string& name) const { return values_.count(name) != 0; }
    std::string Required(const std::string& name) const;
    std::optional<std::string> Optional(const std::string& name) const;
    // A whole number within [low, high]; the error names the option and the range.
    long long Integer(const std::string& name, long long low, long long high) const;
    long long IntegerOr(const std::string& name, long long fallback, long long low,
                        long long high) const;

    static long long ParseInteger(const std::string& what, const std::string& text, long long low,
                                  long long high);

private:
    std::map<std::string, std::string> values_;
};

// The --worker option: "threaded" or "synchronous", the fallback when it is not given.
SearchMode WorkerOption(const CliOptions& options, SearchMode fallback);

}  // namespace flipstone::cli

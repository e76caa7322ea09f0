#include "cli/CliOptions.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace flipstone::cli {

namespace {

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

CliOptions::CliOptions(const std::vector<std::string>& args, const std::vector<std::string>& valued,
                       const std::vector<std::string>& flags) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0 || arg.size() == 2) {
            throw UsageError("unexpected argument '" + arg + "'");
        }
        const std::string name = arg.substr(2);
        if (values_.count(name) != 0) {
            throw UsageError("option --" + name + " given twice");
        }
        if (Contains(flags, name)) {
            values_[name] = "";
        } else if (Contains(valued, name)) {
            if (i + 1 >= args.size()) {
                throw UsageError("option --" + name + " needs a value");
            }
            values_[name] = args[++i];
        } else {
            throw UsageError("unknown option --" + name);
        }
    }
}

std::string CliOptions::Required(const std::string& name) const {
    const auto found = values_.find(name);
    if (found == values_.end()) {
        throw UsageError("missing option --" + name);
    }
    return found->second;
}

std::optional<std::string> CliOptions::Optional(const std::string& name) const {
    const auto found = values_.find(name);
    if (found == values_.end()) {
        return std::nullopt;
    }
    return found->second;
}

long long CliOptions::ParseInteger(const std::string& what, const std::string& text, long long low,
                                   long long high) {
    const std::string range = std::to_string(low) + ".." + std::to_string(high);
    if (text.empty() || text.size() > 19 ||
        text.find_first_not_of("0123456789", text[0] == '-' ? 1 : 0) != std::string::npos ||
        text == "-") {
        throw UsageError(what + " must be a whole number in " + range + ", not '" + text + "'");
    }
    errno = 0;
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (errno != 0 || value < low || value > high) {
        throw UsageError(what + " must be in " + range + ", not " + text);
    }
    return value;
}

long long CliOptions::Integer(const std::string& name, long long low, long long high) const {
    return ParseInteger("--" + name, Required(name), low, high);
}

long long CliOptions::IntegerOr(const std::string& name, long long fallback, long long low,
                                long long high) const {
    return Has(name) ? Integer(name, low, high) : fallback;
}

SearchMode WorkerOption(const CliOptions& options, SearchMode fallback) {
    const std::optional<std::string> worker = options.Optional("worker");
    if (!worker) {
        return fallback;
    }
    if (*worker == "threaded") {
        return SearchMode::kThreaded;
    }
    if (*worker == "synchronous") {
        return SearchMode::kSynchronous;
    }
    throw UsageError("--worker must be threaded or synchronous, not '" + *worker + "'");
}

}  // namespace flipstone::cli

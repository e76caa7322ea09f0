#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace flipstone::cli {

// Runs flipstone-cli with its arguments (without the program name). Usage errors give one line
// on err and status 2.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The same, with the input the commands that read one (gtp) read.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err);

}  // namespace flipstone::cli

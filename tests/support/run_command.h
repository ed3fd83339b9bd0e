// Runs a program as a user would and collects its exit status and output.
#pragma once

#include <string>
#include <vector>

namespace zeb::testing {

struct CommandResult {
  int exitStatus = -1;
  std::string out;
  std::string err;
};

// Runs the program with the arguments (no shell), waiting for it to end.
CommandResult runCommand(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace zeb::testing

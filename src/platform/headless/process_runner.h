// Running helper programs of the desktop (database updates and the like) and waiting for
// them, with a time limit.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zeb {

// The program's full path found on PATH; empty when it is not installed.
std::filesystem::path findProgram(std::string_view name);

struct ProcessRun {
  std::filesystem::path program;
  std::vector<std::string> arguments;
  // Variables set for the program on top of this process's environment.
  std::vector<std::pair<std::string, std::string>> environment;
  std::chrono::milliseconds timeLimit{30000};
};

// Runs the program with its output discarded and waits; a program still running at the
// time limit is killed. True when it ran and exited with status 0.
bool runAndWait(const ProcessRun& run);

}  // namespace zeb

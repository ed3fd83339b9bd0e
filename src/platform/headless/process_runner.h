// Running helper programs of the desktop (database updates and the like) and waiting for
// them, with a time limit.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zeb {

// The program's full path found on PATH; empty when it is not installed.
std::filesystem::path findProgram(std::string_view name);

// Variables to set (or, without a value, to remove) in a program's environment.
using EnvironmentChanges = std::vector<std::pair<std::string, std::optional<std::string>>>;

// This process's environment ("NAME=value" entries) with the changes made.
std::vector<std::string> environmentWith(const EnvironmentChanges& changes);

// Pointers to the strings with a null pointer after them, as posix_spawn takes argument and
// environment lists; the strings must outlive the list.
std::vector<char*> execList(std::vector<std::string>& words);

struct ProcessRun {
  std::filesystem::path program;
  std::vector<std::string> arguments;
  // Changes to this process's environment for the program.
  EnvironmentChanges environment;
  std::chrono::milliseconds timeLimit{30000};
};

// Runs the program with its output discarded and waits; a program still running at the
// time limit is killed. True when it ran and exited with status 0.
bool runAndWait(const ProcessRun& run);

}  // namespace zeb

// Running helper programs.
#include "platform/headless/process_runner.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <system_error>
#include <thread>

extern char** environ;

namespace zeb {

std::filesystem::path findProgram(std::string_view name) {
  const char* path = std::getenv("PATH");
  std::string_view folders = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  while (!folders.empty()) {
    const auto colon = folders.find(':');
    const std::string_view folder = folders.substr(0, colon);
    folders = colon == std::string_view::npos ? std::string_view() : folders.substr(colon + 1);
    if (folder.empty()) continue;
    const std::filesystem::path candidate = std::filesystem::path(folder) / name;
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error) && ::access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

std::vector<std::string> environmentWith(const EnvironmentChanges& changes) {
  std::vector<std::string> variables;
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    const std::string_view variable = *entry;
    bool changed = false;
    for (const auto& [name, value] : changes)
      changed = changed || (variable.starts_with(name) && variable.substr(name.size()).starts_with('='));
    if (!changed) variables.emplace_back(variable);
  }
  for (const auto& [name, value] : changes)
    if (value) variables.push_back(name + "=" + *value);
  return variables;
}

std::vector<char*> execList(std::vector<std::string>& words) {
  std::vector<char*> list;
  for (std::string& word : words) list.push_back(word.data());
  list.push_back(nullptr);
  return list;
}

bool runAndWait(const ProcessRun& run) {
  std::vector<std::string> variables = environmentWith(run.environment);
  std::vector<std::string> words{run.program.string()};
  words.insert(words.end(), run.arguments.begin(), run.arguments.end());
  const std::vector<char*> argv = execList(words);
  const std::vector<char*> envp = execList(variables);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const int failed = posix_spawn(&child, run.program.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0) return false;

  const auto deadline = std::chrono::steady_clock::now() + run.timeLimit;
  int status = 0;
  while (true) {
    const pid_t ended = ::waitpid(child, &status, WNOHANG);
    if (ended == child) break;
    if (ended < 0 && errno != EINTR) return false;
    if (std::chrono::steady_clock::now() >= deadline) {
      ::kill(child, SIGKILL);
      ::waitpid(child, &status, 0);
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace zeb

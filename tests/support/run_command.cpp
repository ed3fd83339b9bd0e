// Running programs for tests, through posix_spawn with both outputs captured in files.
#include "tests/support/run_command.h"

#include <spawn.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include "tests/support/temporary_folder.h"

extern char** environ;

namespace zeb::testing {
namespace {

std::string contentsOf(const std::filesystem::path& path) {
  const std::vector<std::uint8_t> bytes = readBytes(path);
  return {bytes.begin(), bytes.end()};
}

}  // namespace

CommandResult runCommand(const std::string& program, const std::vector<std::string>& arguments) {
  TemporaryFolder folder;
  const std::string outPath = (folder.path() / "out").string();
  const std::string errPath = (folder.path() / "err").string();

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  CommandResult result;
  pid_t child = 0;
  if (posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    waitpid(child, &status, 0);
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  result.out = contentsOf(outPath);
  result.err = contentsOf(errPath);
  return result;
}

}  // namespace zeb::testing

// Programs under xvfb-run.
#include "tests/support/reader_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

namespace zeb::testing {
namespace {

constexpr auto pollInterval = std::chrono::milliseconds(50);

std::filesystem::path xvfbRun() {
  for (const char* folder : {"/usr/bin", "/usr/local/bin", "/bin"}) {
    const std::filesystem::path candidate = std::filesystem::path(folder) / "xvfb-run";
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

std::string readText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool accepts(const std::filesystem::path& socketPath) {
  const int descriptor = ::socket(AF_UNIX, SOCK_STREAM, 0);
  if (descriptor < 0) return false;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  socketPath.string().copy(address.sun_path, sizeof address.sun_path - 1);
  const bool connected = ::connect(descriptor, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::close(descriptor);
  return connected;
}

// The process group of a process, from /proc; -1 when it is gone.
pid_t groupOf(pid_t process) {
  std::ifstream in("/proc/" + std::to_string(process) + "/stat");
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // The command name in parentheses may hold blanks; the fields after it are plain.
  const auto close = text.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream fields(text.substr(close + 2));
  char state = 0;
  pid_t parent = 0;
  pid_t group = -1;
  fields >> state >> parent >> group;
  return group;
}

}  // namespace

bool ReaderProcess::displayServerAvailable() { return !xvfbRun().empty(); }

ReaderProcess::ReaderProcess(ReaderRun run)
    : program_(std::filesystem::canonical(run.program)),
      outPath_(run.folder / "reader-out.txt"),
      errPath_(run.folder / "reader-err.txt") {
  std::vector<std::string> variables = environmentWith(run.environment);
  std::vector<std::string> words{xvfbRun().string(), "-a", program_.string()};
  words.insert(words.end(), run.arguments.begin(), run.arguments.end());
  const std::vector<char*> argv = execList(words);
  const std::vector<char*> envp = execList(variables);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, errPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  // A group of its own, so that the display server it starts can be ended with it.
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);
  pid_t child = 0;
  if (!words[0].empty() && posix_spawn(&child, argv[0], &actions, &attributes, argv.data(), envp.data()) == 0)
    group_ = child;
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
}

ReaderProcess::~ReaderProcess() {
  if (!started() || !running()) return;
  ::kill(-group_, SIGTERM);
  for (int i = 0; i < 60 && running(); ++i) std::this_thread::sleep_for(pollInterval);
  if (running()) {
    ::kill(-group_, SIGKILL);
    ::waitpid(group_, nullptr, 0);
  }
}

bool ReaderProcess::running() {
  if (ended_) return false;
  int status = 0;
  if (::waitpid(group_, &status, WNOHANG) == group_) ended_ = true;
  return !ended_;
}

bool ReaderProcess::waitForSocket(const std::filesystem::path& socket, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (started() && running() && std::chrono::steady_clock::now() < deadline) {
    if (accepts(socket)) return true;
    std::this_thread::sleep_for(pollInterval);
  }
  return false;
}

bool ReaderProcess::waitForLine(std::string_view line, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < deadline) {
    std::istringstream lines(output());
    for (std::string written; std::getline(lines, written);)
      if (written == line) return true;
    if (!running()) return false;
    std::this_thread::sleep_for(pollInterval);
  }
  return false;
}

std::string ReaderProcess::output() const { return readText(outPath_); }
std::string ReaderProcess::errors() const { return readText(errPath_); }

std::vector<pid_t> ReaderProcess::programProcesses() const {
  std::vector<pid_t> found;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string name = entry.path().filename().string();
    if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
    const pid_t process = std::stoi(name);
    std::error_code error;
    const auto executable = std::filesystem::read_symlink(entry.path() / "exe", error);
    if (!error && executable == program_ && groupOf(process) == group_) found.push_back(process);
  }
  return found;
}

bool ReaderProcess::killProgram() {
  const std::vector<pid_t> programs = programProcesses();
  for (const pid_t process : programs) ::kill(process, SIGKILL);
  for (int i = 0; i < 200 && running(); ++i) std::this_thread::sleep_for(pollInterval);
  return !programs.empty() && !running();
}

}  // namespace zeb::testing

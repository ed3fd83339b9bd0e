// A program started under a display server of its own (xvfb-run -a), as a user would start
// it, for tests that need a real X server: its output is collected in a file, and the test
// can wait for its inter-process socket and for lines of its output.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/headless/process_runner.h"

namespace zeb::testing {

struct ReaderRun {
  std::string program;
  std::vector<std::string> arguments;
  // Where its output files go.
  std::filesystem::path folder;
  // Changes to the test's environment for the program.
  EnvironmentChanges environment;
};

class ReaderProcess {
 public:
  // Whether xvfb-run is installed.
  static bool displayServerAvailable();

  explicit ReaderProcess(ReaderRun run);
  // Ends the program and its display server if they still run.
  ~ReaderProcess();
  ReaderProcess(const ReaderProcess&) = delete;
  ReaderProcess& operator=(const ReaderProcess&) = delete;

  bool started() const { return group_ > 0; }
  // Waits until something accepts connections on the socket; false when the time runs out
  // or the program ended first.
  bool waitForSocket(const std::filesystem::path& socket,
                     std::chrono::milliseconds limit = std::chrono::milliseconds(30000));
  // Waits until the program has written a line equal to the text.
  bool waitForLine(std::string_view line, std::chrono::milliseconds limit = std::chrono::milliseconds(30000));
  std::string output() const;
  std::string errors() const;
  // Kills the program itself (not its display server) as a crash would end it, so that it
  // removes nothing, and waits until the display server has ended too.
  bool killProgram();

 private:
  bool running();
  std::vector<pid_t> programProcesses() const;

  std::filesystem::path program_;
  std::filesystem::path outPath_;
  std::filesystem::path errPath_;
  pid_t group_ = -1;  // xvfb-run, leader of a process group of its own
  bool ended_ = false;
};

}  // namespace zeb::testing

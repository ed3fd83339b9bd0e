// The reader as a program under a real X server: "--show" from a second process reaches the
// running reader, and after the reader was killed (its socket left behind) a new one starts
// showing the target. The reader reports "page: BOOK|N" when its main view changes page and
// "shown: BOOK|N" once the page area has been painted with that page.
#include "tests/support/reader_process.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/ipc.h"
#include "tests/support/book_builder.h"
#include "tests/support/run_command.h"

namespace zeb::testing {
namespace {

class ReaderProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!ReaderProcess::displayServerAvailable()) GTEST_SKIP() << "xvfb-run is not installed";
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    savedRuntime = saved != nullptr ? std::optional<std::string>(saved) : std::nullopt;
    // The second process finds the reader through the same folder.
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    const auto bytes = bookBytes([](TZEBset& set) {
      for (int i = 0; i < 5; ++i) zebmake::addPage(set, "Page " + std::to_string(i), "<Z S0 >");
    });
    first = folder.write("first.zeb", bytes).string();
    second = folder.write("second.zeb", bytes).string();
  }
  void TearDown() override {
    if (savedRuntime)
      ::setenv("XDG_RUNTIME_DIR", savedRuntime->c_str(), 1);
    else
      ::unsetenv("XDG_RUNTIME_DIR");
  }
  std::unique_ptr<ReaderProcess> startReader(std::vector<std::string> arguments, std::string_view name) {
    const std::filesystem::path output = folder.path() / name;
    std::filesystem::create_directories(output);
    return std::make_unique<ReaderProcess>(ReaderRun{BRIGHTFOLD_PATH,
                                                     std::move(arguments),
                                                     output,
                                                     {{"XDG_RUNTIME_DIR", runtime.string()},
                                                      {"XDG_CONFIG_HOME", (folder.path() / "config").string()},
                                                      {"XDG_DATA_HOME", (folder.path() / "data").string()},
                                                      {"BRIGHTFOLD_REPORT_PAGES", "1"},
                                                      {"QT_QPA_PLATFORM", std::nullopt}}});
  }
  CommandResult show(const std::string& target) { return runCommand(BRIGHTFOLD_PATH, {"--show", target}); }

  TemporaryFolder folder;
  std::filesystem::path runtime = folder.path() / "runtime";
  std::filesystem::path socket = runtime / ipcServerName(BRIGHTFOLD_PATH, static_cast<std::uint32_t>(::getuid()));
  std::optional<std::string> savedRuntime;
  std::string first;
  std::string second;
};

TEST_F(ReaderProgram, ShowFromASecondProcessReachesTheRunningReader) {
  const auto reader = startReader({first}, "reader");
  ASSERT_TRUE(reader->waitForSocket(socket)) << reader->errors();
  ASSERT_TRUE(reader->waitForLine("shown: " + first + "|0")) << reader->output();

  const CommandResult handed = show(second + "|3");
  EXPECT_EQ(handed.exitStatus, 0) << handed.err;
  EXPECT_TRUE(reader->waitForLine("shown: " + second + "|3")) << reader->output();
}

TEST_F(ReaderProgram, ShowAfterTheReaderWasKilledStartsANewOne) {
  {
    const auto reader = startReader({first}, "killed");
    ASSERT_TRUE(reader->waitForSocket(socket)) << reader->errors();
    ASSERT_TRUE(reader->killProgram());
  }
  ASSERT_TRUE(std::filesystem::exists(socket));  // left behind, answering nobody

  const auto reader = startReader({"--show", second + "|2"}, "started");
  ASSERT_TRUE(reader->waitForSocket(socket)) << reader->errors();
  EXPECT_TRUE(reader->waitForLine("shown: " + second + "|2")) << reader->output();
  const CommandResult handed = show(first + "|4");
  EXPECT_EQ(handed.exitStatus, 0) << handed.err;
  EXPECT_TRUE(reader->waitForLine("shown: " + first + "|4")) << reader->output();
}

// "--version" and "--help" answer before any display is reached: a platform that does not
// exist would end the program.
TEST(ReaderCommandLine, VersionAndHelpNeedNoDisplay) {
  const char* saved = std::getenv("QT_QPA_PLATFORM");
  const std::optional<std::string> savedPlatform = saved != nullptr ? std::optional<std::string>(saved) : std::nullopt;
  ::setenv("QT_QPA_PLATFORM", "no-such-platform", 1);
  const auto version = runCommand(BRIGHTFOLD_PATH, {"--version"});
  const auto help = runCommand(BRIGHTFOLD_PATH, {"--help"});
  if (savedPlatform)
    ::setenv("QT_QPA_PLATFORM", savedPlatform->c_str(), 1);
  else
    ::unsetenv("QT_QPA_PLATFORM");
  EXPECT_EQ(version.exitStatus, 0);
  EXPECT_EQ(version.out, "brightfold " BRIGHTFOLD_VERSION "\n");
  EXPECT_EQ(help.exitStatus, 0);
  for (const char* usage : {"brightfold [BOOK [/PAGE=N]]", "--show \"BOOK|PAGE\"", "/INIT [BOOK]", "/DEINST [BOOK]"})
    EXPECT_NE(help.out.find(usage), std::string::npos) << usage;
}

}  // namespace
}  // namespace zeb::testing
